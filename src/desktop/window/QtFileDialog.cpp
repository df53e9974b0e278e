#include "desktop/window/QtFileDialog.h"

#include "common/OperationFailed.h"
#include "desktop/system/QtEventLoop.h"
#include "desktop/window/DialogParent.h"
#include "platform/SettingsStore.h"

#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QStandardPaths>

QtFileDialog::QtFileDialog(QWidget& window, QtEventLoop& loop, SettingsStore& settings,
                           QString application, QString section)
    : m_window(window)
    , m_loop(loop)
    , m_settings(settings)
    , m_application(std::move(application))
    , m_section(std::move(section))
{}

QString QtFileDialog::startFolder() const
{
    if (!m_folderKind.isEmpty()) {
        const QString kept = m_settings.getSetting(m_application, m_section, m_folderKind, {});
        if (!kept.isEmpty() && QFileInfo(kept).isDir())
            return kept;
    }
    // Without one, Qt opens in the working folder, which for a program started from the menu is
    // wherever the desktop happened to be.
    const QString documents = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
    return !documents.isEmpty() && QFileInfo(documents).isDir() ? documents : QDir::homePath();
}

void QtFileDialog::showName(QFileDialog& dialog, const QString& name) const
{
    if (!name.isEmpty() && QFileInfo(name).isAbsolute()) {
        dialog.selectFile(name);
        return;
    }
    dialog.setDirectory(startFolder());
    if (!name.isEmpty())
        dialog.selectFile(name);
}

void QtFileDialog::rememberFolderOf(const QString& chosen)
{
    if (m_folderKind.isEmpty() || chosen.isEmpty())
        return;
    try {
        m_settings.saveSetting(m_application, m_section, m_folderKind,
                               QFileInfo(chosen).absolutePath());
    } catch (const OperationFailed&) {
        // A folder not kept is a convenience lost, not the user's work: the choice stands.
    }
}

QStringList QtFileDialog::qtFilters(const QString& filter)
{
    QStringList parts = filter.split(u'|');
    QStringList filters;
    for (qsizetype i = 0; i + 1 < parts.size(); i += 2) {
        QString description = parts[i];
        QString patterns = parts[i + 1];
        if (description.isEmpty() && patterns.isEmpty())
            continue;
#ifndef Q_OS_WIN
        description.replace(QStringLiteral("*.*"), QStringLiteral("*"));
        patterns.replace(QStringLiteral("*.*"), QStringLiteral("*"));
#endif
        patterns.replace(u';', u' ');
        // Qt reads the patterns from the parentheses at the end, space-separated, and lists no
        // file at all for "(*.csv.gz;*.csv)": they are always made from the patterns given.
        if (description.endsWith(u')') && description.contains(u'('))
            description.truncate(description.lastIndexOf(u'('));
        filters.append(description.trimmed() + QStringLiteral(" (") + patterns + u')');
    }
    return filters;
}

QString QtFileDialog::selectionText(const QStringList& paths)
{
    if (paths.isEmpty())
        return {};
    if (paths.size() == 1)
        return QDir::toNativeSeparators(paths.constFirst());
    const QDir folder = QFileInfo(paths.constFirst()).absoluteDir();
    QStringList parts{QDir::toNativeSeparators(folder.absolutePath())};
    for (const QString& path : paths)
        parts.append(QDir::toNativeSeparators(folder.relativeFilePath(path)));
    return parts.join(QChar(u'\0'));
}

void QtFileDialog::showOpen()
{
    m_loop.throwIfEnding();
    QFileDialog dialog(DialogParent(m_window), m_title);
    dialog.setObjectName(QStringLiteral("OpenDialog"));
    dialog.setAcceptMode(QFileDialog::AcceptOpen);
    dialog.setFileMode(m_flags & FileDialogFlag::AllowMultiSelect ? QFileDialog::ExistingFiles
                                                                  : QFileDialog::ExistingFile);
    dialog.setNameFilters(qtFilters(m_filter));
    showName(dialog, m_fileName.section(QChar(u'\0'), 0, 0));
    const bool accepted = dialog.exec() == QDialog::Accepted;
    m_loop.throwIfEnding();
    m_fileName = accepted ? selectionText(dialog.selectedFiles()) : QString();
    if (accepted && !dialog.selectedFiles().isEmpty())
        rememberFolderOf(dialog.selectedFiles().constFirst());
}

void QtFileDialog::showSave()
{
    m_loop.throwIfEnding();
    QFileDialog dialog(DialogParent(m_window), m_title);
    dialog.setObjectName(QStringLiteral("SaveDialog"));
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setFileMode(QFileDialog::AnyFile);
    // Saving over a file replaces it without a question; no extension is added to a typed name.
    dialog.setOption(QFileDialog::DontConfirmOverwrite, true);
    dialog.setNameFilters(qtFilters(m_filter));
    // The dialog shows the name of its last use, loaded lists included.
    const QStringList last = m_fileName.split(QChar(u'\0'));
    if (last.size() > 1)
        dialog.setDirectory(last.constFirst());
    else
        showName(dialog, last.constFirst());
    const bool accepted = dialog.exec() == QDialog::Accepted;
    m_loop.throwIfEnding();
    const QStringList chosen = dialog.selectedFiles();
    m_fileName =
        accepted && !chosen.isEmpty() ? QDir::toNativeSeparators(chosen.constFirst()) : QString();
    if (accepted && !chosen.isEmpty())
        rememberFolderOf(chosen.constFirst());
}
