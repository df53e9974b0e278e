#include "results/ResultsTableActions.h"

#include "common/ErrorTrap.h"
#include "common/Locations.h"
#include "platform/ListControl.h"
#include "platform/MessageBox.h"
#include "results/ClipboardRoutines.h"

#include <QCoreApplication>

void ResultsTableActions::PushButton2_Click()
{
    ErrorTrap trap(m_platform.messageBox, Location::PushButton2_Click);
    trap(100, [&] { m_platform.listView2.clear(); });
}

void ResultsTableActions::PushButton5_Click()
{
    ErrorTrap trap(m_platform.messageBox, Location::PushButton5_Click);
    trap(100, [&] {
        CopyListviewToClipboard(m_platform.listView2, m_platform.clipboard, m_platform.eventLoop);
    });
    // Confirmed whatever the copy did: the user pressed the button and waits for an answer.
    trap(102, [&] {
        m_platform.messageBox.show(
            QCoreApplication::translate("ResultsTableActions", kCopiedMessageText));
    });
}
