#include "QtServices.h"

#include "Form1Window.h"
#include "common/Failure.h"

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
    if (QFileInfo(path).isDir())
        throw OperationFailed(path + QStringLiteral(" is a folder, not a file"));
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        throw OperationFailed(QStringLiteral("Could not open ") + path + QStringLiteral(": ") +
                              file.errorString());
    Contents contents;
    if (!file.isSequential()) {
        if (file.size() > limit) {
            contents.overLimit = true;
            return contents;
        }
        contents.bytes.reserve(file.size());
    }
    // Read in pieces up to one byte past the limit: devices and pipes report no size, and one of
    // them picked by mistake must not fill the memory.
    constexpr qint64 kPiece = qint64(1) << 20;
    for (;;) {
        const qint64 have = contents.bytes.size();
        const qint64 room = limit + 1 - have;
        if (room <= 0) {
            contents.bytes = QByteArray();
            contents.overLimit = true;
            return contents;
        }
        const qint64 piece = std::min(kPiece, room);
        contents.bytes.resize(have + piece);
        const qint64 got = file.read(contents.bytes.data() + have, piece);
        if (got < 0)
            throw OperationFailed(QStringLiteral("Could not read ") + path + QStringLiteral(": ") +
                                  file.errorString());
        contents.bytes.resize(have + got);
        if (got == 0)
            return contents;
    }
}
