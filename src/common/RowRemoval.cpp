#include "common/RowRemoval.h"

#include "common/PointerHandlers.h"
#include "platform/ListControl.h"

void RemoveSelectedRowUnlessBusy(ListControl& list, const Form1Window& window)
{
    if (IsBusy(window))
        return;
    if (list.count() < 1)
        return;
    // With rows but no selection there is nothing the user pointed at; leave the list alone.
    const int selected = list.selectedIndex();
    if (selected < 1 || selected > list.count())
        return;
    list.remove(selected);
}

void RemoveSelectedRowOnKey(ListControl& list, const Form1Window& window, int keyCode)
{
    if (keyCode == kKeyCodeDelete)
        RemoveSelectedRowUnlessBusy(list, window);
}
