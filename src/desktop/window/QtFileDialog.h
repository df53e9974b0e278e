#pragma once

#include "platform/FileDialog.h"

#include <QStringList>

class QFileDialog;
class QtEventLoop;
class QWidget;
class SettingsStore;

// The shared open and save dialog on QFileDialog.
class QtFileDialog final : public FileDialog
{
public:
    // The folders chosen for each kind of file are kept in `settings` under `application` and
    // `section`.
    QtFileDialog(QWidget& window, QtEventLoop& loop, SettingsStore& settings, QString application,
                 QString section);

    QString fileName() const override { return m_fileName; }
    void setFileName(const QString& fileName) override { m_fileName = fileName; }
    void setFlags(int flags) override { m_flags = flags; }
    void setDialogTitle(const QString& title) override { m_title = title; }
    void setFilter(const QString& filter) override { m_filter = filter; }
    void setFolderKind(QStringView kind) override { m_folderKind = kind.toString(); }
    void showOpen() override;
    void showSave() override;

    // "Text Files (*.txt)|*.txt|All Files (*.*)|*.*|" in Qt's form. "*.*" becomes "*": on this
    // system a file name need not have a dot, and "All Files" must show them all.
    static QStringList qtFilters(const QString& filter);
    // One chosen path as it is, several as their folder followed by their names, NUL-separated.
    static QString selectionText(const QStringList& paths);

private:
    // Where the dialog opens when the name it shows names no folder.
    QString startFolder() const;
    // Opens the dialog on `name`: in its own folder when it names one, else in startFolder().
    void showName(QFileDialog& dialog, const QString& name) const;
    void rememberFolderOf(const QString& chosen);

    QWidget& m_window;
    QtEventLoop& m_loop;
    SettingsStore& m_settings;
    QString m_application;
    QString m_section;
    QString m_folderKind;
    QString m_fileName;
    int m_flags = 0;
    QString m_title;
    QString m_filter;
};
