#include "app/window/CmdOutput.h"

#include "common/OperationFailed.h"
#include "platform/EventLoop.h"
#include "platform/ProcessCapture.h"

#include <QCoreApplication>
#include <QElapsedTimer>

namespace {
// Ends the child on every way out, a closing window's unwinding included.
class EndChildOnExit final
{
public:
    explicit EndChildOnExit(ProcessCapture& capture)
        : m_capture(capture)
    {}
    ~EndChildOnExit()
    {
        if (!m_capture.atEnd())
            m_capture.kill();
    }
    EndChildOnExit(const EndChildOnExit&) = delete;
    EndChildOnExit& operator=(const EndChildOnExit&) = delete;

private:
    ProcessCapture& m_capture;
};
} // namespace

QString CaptureConsoleOutput(ProcessCapture& capture, EventLoop& eventLoop,
                             const QString& commandLine, bool standardOutput, bool standardError,
                             bool convertFromConsole, std::chrono::milliseconds giveUpAfter)
{
    if (!standardOutput && !standardError)
        throw OperationFailed(
            QCoreApplication::translate("CmdOutput", "Invalid procedure call or argument"));
    if (!capture.start(commandLine, standardOutput, standardError, convertFromConsole))
        return kCaptureFailureText.toString();
    const EndChildOnExit endChild(capture);
    QElapsedTimer clock;
    clock.start();
    QString output;
    for (;;) {
        eventLoop.yield();
        output += capture.read(kCaptureReadWaitMs);
        if (capture.atEnd() || clock.elapsed() >= giveUpAfter.count())
            break;
    }
    return output;
}
