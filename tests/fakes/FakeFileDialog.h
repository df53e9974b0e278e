#pragma once

#include "fakes/FakeHook.h"
#include "platform/FileDialog.h"

#include <QList>
#include <QStringList>

class FakeFileDialog final : public FileDialog
{
public:
    ~FakeFileDialog() override;
    struct Showing
    {
        bool save;
        int flags;
        QString title;
        QString filter;
        QString fileNameShown;
        QString folderKind;
    };

    QString fileName() const override { return m_fileName; }
    void setFileName(const QString& fileName) override { m_fileName = fileName; }
    void setFlags(int flags) override { m_flags = flags; }
    void setDialogTitle(const QString& title) override { m_title = title; }
    void setFilter(const QString& filter) override { m_filter = filter; }
    void setFolderKind(QStringView kind) override { m_folderKind = kind.toString(); }
    void showOpen() override { showing(false); }
    void showSave() override { showing(true); }

    const QList<Showing>& showings() const { return m_showings; }

    // Choices made in turn, in the dialog's own form; an empty one (or none left) is a cancel.
    QStringList choices;
    FakeHook hook{"FakeFileDialog", {u"showOpen", u"showSave"}};

private:
    void showing(bool save)
    {
        hook(save ? u"showSave" : u"showOpen");
        m_showings.append(Showing{save, m_flags, m_title, m_filter, m_fileName, m_folderKind});
        m_fileName = choices.isEmpty() ? QString() : choices.takeFirst();
    }

    QString m_fileName;
    int m_flags = 0;
    QString m_title;
    QString m_filter;
    QString m_folderKind;
    QList<Showing> m_showings;
};
