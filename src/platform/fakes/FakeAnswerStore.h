#pragma once

#include "platform/AnswerStore.h"

#include <QHash>
#include <QStringList>

class FakeAnswerStore final : public AnswerStore
{
public:
    std::optional<StoredAnswer> find(const QString& source, const QString& gtin) override
    {
        const auto it = answers.constFind(source + u'\n' + gtin);
        return it == answers.constEnd() ? std::nullopt : std::optional(*it);
    }
    void store(const QString& source, const QString& gtin, const StoredAnswer& answer) override
    {
        answers.insert(source + u'\n' + gtin, answer);
    }
    void forgetAll() override { answers.clear(); }
    qint64 count() override { return answers.size(); }
    QString takeProblem() override { return problems.isEmpty() ? QString() : problems.takeFirst(); }

    QHash<QString, StoredAnswer> answers;
    QStringList problems;
};
