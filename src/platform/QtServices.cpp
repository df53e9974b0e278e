#include "QtServices.h"

#include "QtForm1Window.h"
#include "common/OperationFailed.h"

#include <QDesktopServices>
#include <QFile>
#include <QFileInfo>
#include <QUrl>

#include <algorithm>
#include <cmath>
#include <utility>

void QtProgressDisplay::setPosition(double position)
{
    m_position = position;
    const double shown = std::isfinite(position) ? std::clamp(position, 0.0, 100.0) : 0.0;
    const int value = int(std::lround(shown * 100));
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

bool QtFileSystem::fileFound(const QString& path) const
{
    return !path.isEmpty() && QFileInfo(path).isFile();
}

FileSystem::Contents QtFileSystem::readFile(const QString& path, qint64 limit) const
{
    const QFileInfo info(path);
    if (info.isDir())
        throw OperationFailed(path + QStringLiteral(" is a folder, not a file"));
    // A pipe or a device picked by mistake would block the window on opening or never end;
    // only files are read.
    if (info.exists() && !info.isFile())
        throw OperationFailed(path + QStringLiteral(" is not a file"));
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        throw OperationFailed(QStringLiteral("Could not open ") + path + QStringLiteral(": ") +
                              file.errorString());
    Contents contents;
    if (file.size() > limit) {
        contents.overLimit = true;
        return contents;
    }
    // What the file holds and one byte more, which tells a file that grew after its size was
    // read; the rest of such a file is read up to one byte past the limit. Asking for the whole
    // limit at once would reserve that much memory for every small file.
    const qint64 size = file.size();
    contents.bytes = file.read(size + 1);
    if (contents.bytes.size() > size)
        contents.bytes += file.read(limit + 1 - contents.bytes.size());
    if (file.error() != QFileDevice::NoError)
        throw OperationFailed(QStringLiteral("Could not read ") + path + QStringLiteral(": ") +
                              file.errorString());
    if (contents.bytes.size() > limit) {
        contents.bytes = QByteArray();
        contents.overLimit = true;
    }
    return contents;
}
