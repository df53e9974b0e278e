#include "desktop/window/CaptionProgressBar.h"

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
    m_caption = caption;
    update();
}
