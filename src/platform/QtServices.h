#pragma once

#include "BrowserOpener.h"
#include "FileSystem.h"
#include "ProgressDisplay.h"

class CaptionProgressBar;

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
    CaptionProgressBar& m_bar;
    double m_position = 0;
};

// Opens addresses with the desktop's default browser (xdg-open and friends), never through a
// shell.
class QtBrowserOpener final : public BrowserOpener
{
public:
    void open(const QString& url) override;
};

class QtFileSystem final : public FileSystem
{
public:
    bool modificationTimeReadable(const QString& path) const override;
    bool fileFound(const QString& path) const override;
    Contents readFile(const QString& path, qint64 limit) const override;
};
