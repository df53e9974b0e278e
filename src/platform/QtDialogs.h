#pragma once

#include "FileDialog.h"
#include "InputBox.h"
#include "MessageBox.h"

class ApplicationTitle;
class QtEventLoop;
class QWidget;

// Message boxes over the main window. The text is shown as plain text, so a product name with
// markup in it shows as typed.
class QtMessageBox final : public MessageBox
{
public:
    QtMessageBox(QWidget& window, const ApplicationTitle& title, QtEventLoop& loop);
    void show(const QString& text, MessageIcon icon, const QString& title) override;

private:
    QWidget& m_window;
    const ApplicationTitle& m_title;
    QtEventLoop& m_loop;
};

class QtInputBox final : public InputBox
{
public:
    QtInputBox(QWidget& window, const ApplicationTitle& title, QtEventLoop& loop);
    QString ask(const QString& prompt, const QString& title, const QString& defaultText) override;

private:
    QWidget& m_window;
    const ApplicationTitle& m_title;
    QtEventLoop& m_loop;
};

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
