#pragma once

#include <QProgressBar>
#include <QString>

// A progress bar that draws a caption of the program's choosing instead of a percentage.
class CaptionProgressBar final : public QProgressBar
{
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(CaptionProgressBar)
public:
    explicit CaptionProgressBar(QWidget* parent = nullptr);
    QString text() const override { return m_caption; }
    void setCaption(const QString& caption);

private:
    QString m_caption;
};
