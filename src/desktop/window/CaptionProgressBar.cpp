#include "desktop/window/CaptionProgressBar.h"

#include "platform/ProgressDisplay.h"

CaptionProgressBar::CaptionProgressBar(QWidget* parent)
    : QProgressBar(parent)
{
    // Hundredths of a percent, so that positions like 33.33 move the bar as they should.
    setRange(0, 10000);
    setValue(0);
    setTextVisible(true);
    setAlignment(Qt::AlignCenter);
}

void CaptionProgressBar::setCaption(const QString& caption)
{
    // The logic below the window names the idle caption in English; the bar shows it in the
    // user's language.
    m_caption = caption == kIdleProgressCaption ? tr("Progress Bar") : caption;
    update();
}
