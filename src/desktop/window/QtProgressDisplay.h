#pragma once

#include "platform/ProgressDisplay.h"

#include <optional>

class CaptionProgressBar;

// The progress bar of the main window. Steps between an empty and a full bar reach the screen at
// the next pass of the event loop, the latest one only; position() always has the last one set.
class QtProgressDisplay final : public ProgressDisplay
{
public:
    explicit QtProgressDisplay(CaptionProgressBar& bar)
        : m_bar(bar)
    {}

    void setPosition(double position) override;
    double position() const override { return m_position; }
    void setText(const QString& text) override;
    QString text() const override;

private:
    void showPendingValue();

    CaptionProgressBar& m_bar;
    double m_position = 0;
    std::optional<int> m_pendingValue; // a step the bar shows at the next event pass
};
