#pragma once

#include "common/ApplicationTitle.h"
#include "fakes/FakeHook.h"
#include "platform/InputBox.h"

#include <QList>
#include <QStringList>

class FakeInputBox final : public InputBox
{
public:
    ~FakeInputBox() override;
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
    FakeHook hook{"FakeInputBox", {u"ask"}};

private:
    const ApplicationTitle& m_title;
    QList<Asked> m_asked;
};
