#pragma once

#include "lookup/LookupSource.h"

#include <QJsonObject>
#include <QString>

// Open Library, for books: asked about up to 25 ISBNs at once, it answers with the editions it
// holds and leaves out the others.
class OpenLibrarySource final : public LookupSource
{
public:
    static constexpr int kDefaultPerMinute = 60;
    // The ISBNs asked about in one request, as its maintainers suggest.
    static constexpr int kBatchSize = 25;

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
    int batchSize() const override { return kBatchSize; }
    SourceRequest batchRequest(const QList<CheckedCode>& codes) const override;
    QList<SourceAnswer> readBatch(const SourceResponse& response,
                                  const QList<CheckedCode>& codes) const override;
    int perMinute() const override { return m_perMinute; }
    bool remembered() const override { return true; }

private:
    SourceAnswer readBook(const QJsonObject& edition) const;

    QString m_base;
    int m_perMinute;
    QString m_coversBase;
};
