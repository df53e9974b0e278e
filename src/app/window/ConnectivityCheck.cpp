#include "app/window/ConnectivityCheck.h"

#include "platform/MessageBox.h"
#include "platform/SystemPing.h"

bool HasPingReply(const QString& output, QStringView replyMarker)
{
    return output.contains(replyMarker, Qt::CaseInsensitive);
}

void ConnectivityCheck::CheckOnline()
{
    const QString output =
        CaptureConsoleOutput(m_platform.capture, m_platform.eventLoop, m_pingCommandLine, true,
                             false, true, m_giveUpAfter);
    if (HasPingReply(output, kPingReplyMarker))
        return;
    m_platform.messageBox.show(tr(kOfflineWarning.data()));
}
