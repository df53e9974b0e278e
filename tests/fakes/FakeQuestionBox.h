#pragma once

#include "common/ApplicationTitle.h"
#include "fakes/FakeHook.h"
#include "platform/QuestionBox.h"

#include <QList>
#include <QStringList>

class FakeQuestionBox final : public QuestionBox
{
public:
    ~FakeQuestionBox() override;
    struct Asked
    {
        QString question;
        QString title; // as the user saw it, the application title filled in
    };

    explicit FakeQuestionBox(const ApplicationTitle& title)
        : m_title(title)
    {}

    bool ask(const QString& question, const QString& title) override
    {
        hook(u"ask");
        m_asked.append(Asked{question, title.isEmpty() ? m_title.text() : title});
        return !answers.isEmpty() && answers.takeFirst();
    }

    const QList<Asked>& asked() const { return m_asked; }
    QStringList questions() const
    {
        QStringList all;
        for (const Asked& a : m_asked)
            all.append(a.question);
        return all;
    }

    // Answers given in turn (true: Yes); when none is left the answer is No.
    QList<bool> answers;
    FakeHook hook{"FakeQuestionBox", {u"ask"}};

private:
    const ApplicationTitle& m_title;
    QList<Asked> m_asked;
};
