#include "desktop/window/QtSkinComponent.h"

#include "common/OperationFailed.h"

#include <QApplication>
#include <QFile>
#include <QFileInfo>
#include <QWidget>

namespace {
QString readStyleSheet(const QString& path)
{
    QFile file(path);
    if (QFileInfo(path).isDir() || !file.open(QIODevice::ReadOnly))
        throw OperationFailed(
            QCoreApplication::translate("QtSkinComponent", "Could not load the skin %1: %2")
                .arg(path, file.errorString()));
    if (file.size() > QtSkinComponent::kMaxSkinBytes)
        throw OperationFailed(
            QCoreApplication::translate("QtSkinComponent",
                                        "Could not load the skin %1: the file is too large to be "
                                        "a skin")
                .arg(path));
    const QByteArray bytes = file.read(QtSkinComponent::kMaxSkinBytes + 1);
    if (bytes.contains('\0') || bytes.size() > QtSkinComponent::kMaxSkinBytes)
        throw OperationFailed(
            QCoreApplication::translate("QtSkinComponent",
                                        "Could not load the skin %1: the file is not a text file")
                .arg(path));
    return QString::fromUtf8(bytes);
}
} // namespace

QtSkinComponent::QtSkinComponent(QWidget& window)
    : m_window(window)
{
    connect(&m_watcher, &QFileSystemWatcher::fileChanged, this, &QtSkinComponent::fileChanged);
}

void QtSkinComponent::loadSkin(const QString& path)
{
    m_styleSheet = readStyleSheet(path);
    m_path = path;
    watch();
}

void QtSkinComponent::setFollowFileChanges(bool on)
{
    m_followFileChanges = on;
    watch();
}

void QtSkinComponent::applyToWindow()
{
    m_applied = true;
    m_window.setStyleSheet(m_options & SkinOption::SkinWindow ? m_styleSheet : QString());
    auto* const application = qobject_cast<QApplication*>(QCoreApplication::instance());
    if (application && (m_skinDialogs || m_skinnedApplication)) {
        application->setStyleSheet(m_skinDialogs ? m_styleSheet : QString());
        m_skinnedApplication = m_skinDialogs;
    }
}

void QtSkinComponent::watch()
{
    if (!m_watcher.files().isEmpty())
        m_watcher.removePaths(m_watcher.files());
    if (m_followFileChanges && !m_path.isEmpty())
        m_watcher.addPath(m_path);
}

void QtSkinComponent::fileChanged()
{
    // Editors often save by writing a new file and renaming it over the old one, which ends the
    // watch; take it up again. A skin that cannot be read just now keeps the one in use.
    try {
        m_styleSheet = readStyleSheet(m_path);
        if (m_applied)
            applyToWindow();
    } catch (const OperationFailed&) {}
    watch();
}
