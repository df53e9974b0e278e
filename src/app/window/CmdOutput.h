#pragma once

#include <QString>
#include <QStringView>

#include <chrono>

class EventLoop;
class ProcessCapture;

inline constexpr QStringView kCaptureFailureText =
    u"Failed to create process, check the path of the command line.";
// A command that has not ended by then is ended, and what it printed so far is the result: a
// child that never ends must not hold up the program for ever.
inline constexpr std::chrono::milliseconds kCaptureGiveUpAfter{10'000};
// How long one read waits for output before the window gets its turn again.
inline constexpr int kCaptureReadWaitMs = 20;

// Runs the command line hidden and returns everything it printed on the streams asked for, in
// the order printed, as text (from the console's code page when convertFromConsole). Yields to
// the event loop before every read. Returns kCaptureFailureText when the process cannot be
// started. Throws OperationFailed ("Invalid procedure call or argument") when neither stream is
// asked for.
QString CaptureConsoleOutput(ProcessCapture& capture, EventLoop& eventLoop,
                             const QString& commandLine, bool standardOutput, bool standardError,
                             bool convertFromConsole,
                             std::chrono::milliseconds giveUpAfter = kCaptureGiveUpAfter);
