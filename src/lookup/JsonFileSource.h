#pragma once

#include "lookup/LookupSource.h"
#include "lookup/SourceFile.h"

#include <QString>

#include <functional>
#include <optional>

// A source's key as asked for: the key, or nothing and, when something kept it from being had (no
// keyring answers, a key file others may read), why, with how to give it instead.
struct SourceKey
{
    std::optional<QString> key;
    QString problem;
};

// A source described in a file (SourceFile.h): the request is made from the file's templates,
// and the answer read through its JSON Pointers.
class JsonFileSource final : public LookupSource
{
public:
    // The key, asked for at the moment each request is made, so that it is held nowhere else;
    // nothing when none was given.
    using KeyProvider = std::function<SourceKey()>;

    // `address`, when given (QUILLFEN_<NAME>_URL: a mirror, a stand-in), replaces the scheme,
    // host and port of the file's address.
    JsonFileSource(SourceDescription description, KeyProvider key = {}, QString address = {});

    const SourceDescription& description() const { return m_description; }

    QString name() const override { return m_description.name; }
    QString displayName() const override { return m_description.displayName; }
    QStringList ownHosts() const override;
    bool takes(const CheckedCode& checked) const override;
    SourceRequest request(const QString& typed, const CheckedCode& checked) const override;
    SourceAnswer read(const SourceResponse& response, const QString& typed) const override;
    // From the address alone, without asking for the key: whether a key is given or not, the
    // answers of one service are the same ones.
    QString answerAddress(const QString& typed, const CheckedCode& checked) const override;
    int perMinute() const override { return m_description.perMinute; }
    bool remembered() const override { return true; }
    int perDay() const override { return m_description.perDay; }
    qint64 foundLifetime() const override;
    qint64 notFoundLifetime() const override;
    QString licence() const override { return m_description.licence; }

    // The address for a code as it may be shown or written down: the key's value, wherever it
    // stands, replaced by "***".
    QString shownAddress(const QString& typed, const CheckedCode& checked) const;

private:
    // The code in the form a placeholder names; empty when the code has no such form (an EAN
    // that is no ISBN has no {isbn10}).
    QString placeholderValue(const QString& name, const QString& typed,
                             const CheckedCode& checked) const;

    SourceDescription m_description;
    KeyProvider m_key;
    QString m_address;
    // The text an answer holds where it says "not found", when that is a text: compared with
    // every answer.
    QString m_notFoundText;
    QStringList m_codePlaceholders; // those the templates name, {key} and {typed} left out
};
