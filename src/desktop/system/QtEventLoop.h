#pragma once

#include "desktop/system/CoarseClock.h"
#include "platform/EventLoop.h"

#include <QElapsedTimer>

#include <optional>

// The application's event loop. A yield runs pending events only when 40 ms have passed since
// the last time it did (25 passes a second, quicker than a person notices): long operations
// yield several times per row, and a pass is rarely empty then, as it repaints what the rows
// changed. A list that grows during a run is laid out again, whole, on each repaint, so at
// 100,000 rows passes every few milliseconds took more time than the lookups. A pass that itself
// takes longer than that (a list of a million rows laid out again after every few thousand new
// ones) is followed by as long again before the next, so the operation keeps at least half the
// time, and one whose window grows with it slows down in proportion rather than ever faster.
// Never longer than a fifth of a second, though: a pass is also as long as a box that a handler
// run in it showed stayed open, and the window must not stand still after it closes.
class QtEventLoop final : public EventLoop
{
public:
    static constexpr qint64 kYieldIntervalNs = 40'000'000;
    static constexpr qint64 kLongestYieldIntervalNs = 200'000'000;

    QtEventLoop() { m_precise.start(); }

    void yield() override;
    void waitForEvents() override;
    void waitForEvents(std::chrono::milliseconds atMost) override;
    void endProgram() override;
    bool isEnding() const override { return m_ending; }
    // Throws ProgramEnding once the program is ending; for dialogs whose own loop just ended.
    void throwIfEnding() const;

private:
    qint64 nowNs() const;

    // The kernel's coarse clock where it ticks at least every interval (a yield is called
    // several times per row, and the precise clock costs several times as much to read), else
    // the precise one.
    std::optional<CoarseClock> m_coarse = CoarseClock::fineEnough(kYieldIntervalNs);
    QElapsedTimer m_precise;
    // Empty until the first pass: the first yield always runs the queue.
    std::optional<qint64> m_lastPassNs;
    // How long after the last pass a yield runs the next: the interval, or as long as that pass
    // took if it took longer.
    qint64 m_nextPassAfterNs = kYieldIntervalNs;
    bool m_ending = false;
};
