#pragma once

#include <QString>

#include <optional>

struct StoredAnswer
{
    bool found = false;
    QString name, brand, quantity, database;
    qint64 storedAt = 0;
};

class AnswerStore
{
public:
    virtual ~AnswerStore() = default;
    virtual std::optional<StoredAnswer> find(const QString& source, const QString& gtin) = 0;
    virtual void store(const QString& source, const QString& gtin, const StoredAnswer& answer) = 0;
    virtual void forgetAll() = 0;
    virtual qint64 count() = 0;
    virtual QString takeProblem() = 0;
};
