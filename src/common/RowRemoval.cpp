#include "RowRemoval.h"

#include "ListControl.h"
#include "PointerCode.h"
#include "platform/MainWindow.h"

void RemoveSelectedRowUnlessBusy(ListControl& list, const MainWindow& window)
{
    if (window.mousePointer() == PointerCode::Hourglass)
        return;
    if (list.count() < 1)
        return;
    // With rows but no selection there is nothing the user pointed at; leave the list alone.
    const int selected = list.selectedIndex();
    if (selected < 1 || selected > list.count())
        return;
    list.remove(selected);
}
