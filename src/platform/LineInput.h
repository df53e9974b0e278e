#pragma once

#include <QByteArray>
#include <QList>

#include <functional>

// Lines as they arrive on standard input, told while the event loop runs, so that a program can
// go on with its work between them (a scanner plugged into a small machine types a line now and
// then, and the answers of the ones before must not wait for the next).
class LineInput
{
public:
    virtual ~LineInput() = default;

    // From now on, `onLines` is called with the lines that arrived together (one read of the
    // input), each without its line end, a line longer than `longest` bytes cut there; and
    // `onEnd` once, at the end of the input or when it cannot be read further. Lines that come
    // together are taken together: a session writes them to the disk with one sync.
    virtual void watch(qsizetype longest,
                       std::function<void(const QList<QByteArray>& lines)> onLines,
                       std::function<void()> onEnd) = 0;
};
