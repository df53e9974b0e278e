#include "desktop/window/QtFileDialog.h"

#include "desktop/system/QtEventLoop.h"
#include "desktop/window/DialogParent.h"

#include <QDir>
#include <QFileDialog>
#include <QFileInfo>

QtFileDialog::QtFileDialog(QWidget& window, QtEventLoop& loop)
    : m_window(window)
    , m_loop(loop)
{}

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
    if (!m_fileName.isEmpty())
        dialog.selectFile(m_fileName.section(QChar(u'\0'), 0, 0));
    const bool accepted = dialog.exec() == QDialog::Accepted;
    m_loop.throwIfEnding();
    m_fileName = accepted ? selectionText(dialog.selectedFiles()) : QString();
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
    if (last.size() == 1 && !last.constFirst().isEmpty())
        dialog.selectFile(last.constFirst());
    else if (last.size() > 1)
        dialog.setDirectory(last.constFirst());
    const bool accepted = dialog.exec() == QDialog::Accepted;
    m_loop.throwIfEnding();
    const QStringList chosen = dialog.selectedFiles();
    m_fileName =
        accepted && !chosen.isEmpty() ? QDir::toNativeSeparators(chosen.constFirst()) : QString();
}
