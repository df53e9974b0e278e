#include "LookupRun.h"

#include "LookupPage.h"
#include "common/ErrorTrap.h"
#include "common/Locations.h"
#include "common/MainRoutines.h"
#include "common/PointerCode.h"
#include "platform/EventLoop.h"
#include "platform/Form1Window.h"
#include "platform/ListControl.h"
#include "platform/MessageBox.h"
#include "platform/PageLoader.h"
#include "platform/ProgressDisplay.h"

#include <memory>
#include <optional>

namespace {
// One results row: appended, ticked and, when asked, scrolled into view. A failure abandons the
// rest, so a row that could not be added is not also reported as not ticked.
void AppendTickedRow(ListControl& results, const QString& text, bool scrollIntoView)
{
    const int row = results.add(text);
    results.setChecked(row, true);
    if (scrollIntoView)
        results.ensureVisible(row);
}
} // namespace

QUrl LookupAddress(const QString& serviceBase, const QString& code)
{
    QUrl address(serviceBase, QUrl::StrictMode);
    QString path = address.path(QUrl::FullyEncoded);
    while (path.endsWith(u'/'))
        path.chop(1);
    address.setPath(path + kLookupPath, QUrl::StrictMode);
    // QUrlQuery would leave "+" alone, which the service reads as a space: encode by hand.
    address.setQuery(QStringLiteral("q=") + QString::fromLatin1(QUrl::toPercentEncoding(code)),
                     QUrl::StrictMode);
    address.setFragment(QString());
    return address;
}

void LookupRun::PushButton17_Click()
{
    ErrorTrap trap(m_platform.messageBox, Location::PushButton17_Click);
    ListControl& codes = m_platform.listView1;
    ListControl& results = m_platform.listView2;

    if (trap.holdsOrFails(100, [&] { return m_busy; }))
        return;
    trap(102, [&] { m_busy = true; });
    if (trap.holdsOrFails(104, [&] { return codes.count() == 0; })) {
        trap(106, [&] { m_platform.messageBox.show(kNoItemsMessage.toString()); });
        trap(108, [&] { m_busy = false; });
        return;
    }
    trap(110, [&] { results.clear(); });
    trap(112, [&] { m_platform.window.setMousePointer(PointerCode::Hourglass); });

    int n = 0;
    trap(114, [&] { n = codes.count(); });
    for (int i = 1; i <= n; ++i) {
        trap(116, [&] { m_platform.window.setMousePointer(PointerCode::Hourglass); });
        // The list may have been shortened while the run let events through (another long
        // operation can end and hand the pointer back meanwhile): no rows left to visit.
        int m = 0;
        if (trap.holdsOrFails(118, [&] {
                m = codes.count();
                return i > m;
            }))
            break;
        trap(120, [&] { m_platform.progressBar1.setPosition(double(i) / m * 100); });

        // A failed step is reported by the trap; the steps that need what it would have given
        // are skipped for this code, so one failure brings one report and no made-up row.
        std::optional<QString> read;
        trap(122, [&] { read = codes.text(i); });
        if (!read)
            continue;
        const QString code = *read;
        trap(124,
             [&] { m_platform.progressBar1.setText(kProcessingCaption + FileNameFromPath(code)); });
        trap(126, [&] { m_platform.eventLoop.yield(); });

        std::unique_ptr<PendingPage> page;
        trap(128, [&] { page = m_platform.pageLoader.start(LookupAddress(m_serviceBase, code)); });
        if (!page)
            continue;
        // Blocks until the page (or its time limit) announces itself: no processor time is
        // spent while the service thinks, and the window handles its events meanwhile.
        trap(130, [&] {
            while (!page->isComplete())
                m_platform.eventLoop.waitForEvents();
        });

        QString failure;
        trap(132, [&] { failure = page->failure(); });
        if (!failure.isEmpty()) {
            // Not "no record": there was no page to read. Said in the table rather than in a box
            // per code, so that a service that is down does not hold up the whole run.
            trap(134,
                 [&] { AppendTickedRow(results, code + kLookupFailedSuffix + failure, true); });
            continue;
        }
        std::optional<QString> pageText;
        trap(136, [&] { pageText = page->text(); });
        if (!pageText)
            continue;
        LookupPageResult parsed;
        trap(138, [&] { parsed = ParseLookupPage(*pageText, code); });
        if (trap.holdsOrFails(140, [&] { return parsed.recordFound; }))
            trap(142, [&] { AppendTickedRow(results, parsed.productName, false); });
        else
            trap(144, [&] { AppendTickedRow(results, code + kNoRecordSuffix, true); });
    }

    trap(146, [&] { m_platform.window.setMousePointer(PointerCode::Default); });
    trap(148, [&] { m_platform.progressBar1.setPosition(0); });
    trap(150, [&] { m_platform.progressBar1.setText(kIdleProgressCaption.toString()); });
    trap(152, [&] { m_platform.messageBox.show(kLookupDoneMessage.toString()); });
    trap(154, [&] { m_busy = false; });
}
