#pragma once

#include "FakeHook.h"
#include "common/ApplicationTitle.h"
#include "platform/FileDialog.h"
#include "platform/InputBox.h"
#include "platform/MessageBox.h"

#include <QList>
#include <QStringList>

#include <functional>

class FakeMessageBox final : public MessageBox
{
public:
    struct Shown
    {
        QString text;
        MessageIcon icon;
        QString title; // as the user saw it, the application title filled in
    };

    explicit FakeMessageBox(const ApplicationTitle& title)
        : m_title(title)
    {}

    void show(const QString& text, MessageIcon icon, const QString& title) override
    {
        hook(u"show");
        m_shown.append(Shown{text, icon, title.isEmpty() ? m_title.text() : title});
        if (onShow)
            onShow(m_shown.constLast());
    }

    const QList<Shown>& shown() const { return m_shown; }
    QStringList texts() const
    {
        QStringList all;
        for (const Shown& s : m_shown)
            all.append(s.text);
        return all;
    }
    void forget() { m_shown.clear(); }

    // Runs while the box "is open", before show() returns.
    std::function<void(const Shown&)> onShow;
    FakeHook hook;

private:
    const ApplicationTitle& m_title;
    QList<Shown> m_shown;
};

class FakeInputBox final : public InputBox
{
public:
    struct Asked
    {
        QString prompt;
        QString title;
        QString defaultText;
    };

    explicit FakeInputBox(const ApplicationTitle& title)
        : m_title(title)
    {}

    QString ask(const QString& prompt, const QString& title, const QString& defaultText) override
    {
        hook(u"ask");
        m_asked.append(Asked{prompt, title.isEmpty() ? m_title.text() : title, defaultText});
        return answers.isEmpty() ? QString() : answers.takeFirst();
    }

    const QList<Asked>& asked() const { return m_asked; }

    // Answers given in turn; when none is left the box is cancelled.
    QStringList answers;
    FakeHook hook;

private:
    const ApplicationTitle& m_title;
    QList<Asked> m_asked;
};

class FakeFileDialog final : public FileDialog
{
public:
    struct Showing
    {
        bool save;
        int flags;
        QString title;
        QString filter;
        QString fileNameShown;
    };

    QString fileName() const override { return m_fileName; }
    void setFileName(const QString& fileName) override { m_fileName = fileName; }
    void setFlags(int flags) override { m_flags = flags; }
    void setDialogTitle(const QString& title) override { m_title = title; }
    void setFilter(const QString& filter) override { m_filter = filter; }
    void showOpen() override { showing(false); }
    void showSave() override { showing(true); }

    const QList<Showing>& showings() const { return m_showings; }

    // Choices made in turn, in the dialog's own form; an empty one (or none left) is a cancel.
    QStringList choices;
    FakeHook hook;

private:
    void showing(bool save)
    {
        hook(save ? u"showSave" : u"showOpen");
        m_showings.append(Showing{save, m_flags, m_title, m_filter, m_fileName});
        m_fileName = choices.isEmpty() ? QString() : choices.takeFirst();
    }

    QString m_fileName;
    int m_flags = 0;
    QString m_title;
    QString m_filter;
    QList<Showing> m_showings;
};
