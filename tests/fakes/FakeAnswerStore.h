#pragma once

#include "fakes/FakeHook.h"
#include "platform/AnswerStore.h"

#include <QMap>
#include <QStringList>

#include <tuple>
#include <utility>

// Remembered answers in memory. A test puts answers in `answers` (or lets the code under test
// store them), queues messages in `problems`, and makes the store fall silent the way a store
// that cannot be written does with `silent`.
class FakeAnswerStore final : public AnswerStore
{
public:
    ~FakeAnswerStore() override;
    using Key = std::tuple<QString, QString, QString>; // source, address, code

    std::optional<StoredAnswer> find(const QString& source, const QString& address,
                                     const QString& gtin) override
    {
        hook(u"find");
        ++finds;
        if (silent)
            return std::nullopt;
        const auto it = answers.constFind(Key{source, address, gtin});
        if (it == answers.cend())
            return std::nullopt;
        return *it;
    }
    void store(const QString& source, const QString& address, const QString& gtin,
               const StoredAnswer& answer) override
    {
        hook(u"store");
        ++stores;
        if (!silent)
            answers.insert(Key{source, address, gtin}, answer);
    }
    void forgetAll() override
    {
        hook(u"forgetAll");
        answers.clear();
    }
    qint64 count() override
    {
        hook(u"count");
        return answers.size();
    }
    QString location() const override { return QStringLiteral("/fake/cache/lookups.sqlite"); }
    QString takeProblem() override
    {
        hook(u"takeProblem");
        return problems.isEmpty() ? QString() : problems.takeFirst();
    }

    QMap<Key, StoredAnswer> answers;
    QStringList problems;
    bool silent = false;
    int finds = 0;
    int stores = 0;
    FakeHook hook{"FakeAnswerStore", {u"find", u"store", u"forgetAll", u"count", u"takeProblem"}};
};
