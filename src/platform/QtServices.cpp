#include "QtServices.h"

#include "Form1Window.h"
#include "common/Failure.h"

#include <QDesktopServices>
#include <QFileInfo>
#include <QUrl>

#include <algorithm>
#include <cmath>

void QtProgressDisplay::setPosition(double position)
{
    m_position = position;
    const double shown = std::isfinite(position) ? std::clamp(position, 0.0, 100.0) : 0.0;
    m_bar.setValue(int(std::lround(shown * 100)));
}

void QtProgressDisplay::setText(const QString& text)
{
    m_bar.setCaption(text);
}

QString QtProgressDisplay::text() const
{
    return m_bar.text();
}

void QtBrowserOpener::open(const QString& url)
{
    const QUrl address(url, QUrl::StrictMode);
    if (!address.isValid() || !QDesktopServices::openUrl(address))
        throw OperationFailed(QStringLiteral("Could not open ") + url +
                              QStringLiteral(" in the web browser"));
}

bool QtFileSystem::modificationTimeReadable(const QString& path) const
{
    if (path.isEmpty())
        return false;
    const QFileInfo info(path);
    return info.exists() && info.lastModified().isValid();
}
