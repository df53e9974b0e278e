#pragma once

#include "lookup/LookupSource.h"

#include <QString>

// Open Library, for books: asked by ISBN, it redirects to the edition it holds.
class OpenLibrarySource final : public LookupSource
{
public:
    static constexpr int kDefaultPerMinute = 60;

    // `base` is the service's address ("https://openlibrary.org"), `coversBase` that of its
    // covers ("https://covers.openlibrary.org"; empty: no cover addresses).
    explicit OpenLibrarySource(QString base, int perMinute = kDefaultPerMinute,
                               QString coversBase = {});

    QString name() const override { return QStringLiteral("openlibrary"); }
    QString displayName() const override { return QStringLiteral("Open Library"); }
    QStringList ownHosts() const override;
    bool takes(const CheckedCode& checked) const override
    {
        return checked.isValid() && checked.isbn;
    }
    // Nothing to send (an empty address) for a code it does not take.
    SourceRequest request(const QString& typed, const CheckedCode& checked) const override;
    // The edition's title, and its subtitle after ": "; no brand or quantity. Its publishers,
    // publish date, cover and page as details.
    SourceAnswer read(const SourceResponse& response, const QString& typed) const override;
    int perMinute() const override { return m_perMinute; }
    bool remembered() const override { return true; }

private:
    QString m_base;
    int m_perMinute;
    QString m_coversBase;
};
