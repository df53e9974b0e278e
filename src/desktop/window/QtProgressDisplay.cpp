#include "desktop/window/QtProgressDisplay.h"

#include "desktop/window/CaptionProgressBar.h"

#include <algorithm>
#include <cmath>
#include <utility>

void QtProgressDisplay::setPosition(double position)
{
    m_position = position;
    const double shown = std::isfinite(position) ? std::clamp(position, 0.0, 100.0) : 0.0;
    // Rounded half up by hand: the library's rounding is a call, and an export sets a position
    // for every row. The same as rounding half away from zero here, where nothing is negative.
    const int value = int(shown * 100 + 0.5);
    // An empty or full bar is what an operation leaves behind: shown at once, and it overtakes
    // any step still waiting.
    if (value == m_bar.minimum() || value == m_bar.maximum()) {
        m_pendingValue.reset();
        m_bar.setValue(value);
        return;
    }
    // The bar repaints itself on the spot for every new value, and an export sets one per row.
    // Steps in between wait for the next pass of the event loop, where the window paints anyway,
    // and only the latest of them is shown.
    const bool scheduled = m_pendingValue.has_value();
    m_pendingValue = value;
    if (!scheduled)
        QMetaObject::invokeMethod(
            &m_bar, [this] { showPendingValue(); }, Qt::QueuedConnection);
}

void QtProgressDisplay::showPendingValue()
{
    if (m_pendingValue)
        m_bar.setValue(*std::exchange(m_pendingValue, std::nullopt));
}

void QtProgressDisplay::setText(const QString& text)
{
    m_bar.setCaption(text);
}

QString QtProgressDisplay::text() const
{
    return m_bar.text();
}
