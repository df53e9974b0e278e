#pragma once

#include "platform/FileDialog.h"

#include <QStringList>

class QtEventLoop;
class QWidget;

// The shared open and save dialog on QFileDialog.
class QtFileDialog final : public FileDialog
{
public:
    QtFileDialog(QWidget& window, QtEventLoop& loop);

    QString fileName() const override { return m_fileName; }
    void setFileName(const QString& fileName) override { m_fileName = fileName; }
    void setFlags(int flags) override { m_flags = flags; }
    void setDialogTitle(const QString& title) override { m_title = title; }
    void setFilter(const QString& filter) override { m_filter = filter; }
    void showOpen() override;
    void showSave() override;

    // "Text Files (*.txt)|*.txt|All Files (*.*)|*.*|" in Qt's form. "*.*" becomes "*": on this
    // system a file name need not have a dot, and "All Files" must show them all.
    static QStringList qtFilters(const QString& filter);
    // One chosen path as it is, several as their folder followed by their names, NUL-separated.
    static QString selectionText(const QStringList& paths);

private:
    QWidget& m_window;
    QtEventLoop& m_loop;
    QString m_fileName;
    int m_flags = 0;
    QString m_title;
    QString m_filter;
};
