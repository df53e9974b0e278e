#pragma once

#include <QByteArray>

#include <functional>

// Lines as they arrive on standard input, told while the event loop runs, so that a program can
// go on with its work between them (a scanner plugged into a small machine types a line now and
// then, and the answers of the ones before must not wait for the next).
class LineInput
{
public:
    virtual ~LineInput() = default;

    // From now on, `onLine` is called with each line as it comes (without its line end; a line
    // longer than `longest` bytes is cut there), and `onEnd` once, at the end of the input or
    // when it cannot be read further.
    virtual void watch(qsizetype longest, std::function<void(const QByteArray& line)> onLine,
                       std::function<void()> onEnd) = 0;
};
