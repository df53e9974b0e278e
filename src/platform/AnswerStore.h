#pragma once

#include "platform/ProductDetails.h"

#include <QString>
#include <QUrl>
#include <QtGlobal>

#include <optional>

// One remembered answer of an open database about one code.
struct StoredAnswer
{
    bool found = false;
    // The product, when found; the same fields as a fresh answer (ProductAnswer).
    QString name, brand, quantity, database;
    qint64 storedAt = 0;         // unix seconds
    ProductDetails details = {}; // answers remembered before details were kept have none
    // Given on storing: how long its source uses an answer of its kind, in seconds
    // (LookupSource::foundLifetime, notFoundLifetime). The store keeps it at least that long, and
    // never less than the built-in lifetimes; 0: those.
    qint64 lifetime = 0;
};

// The address an answer is kept under: the scheme, host and port the database was asked at
// ("https://world.openfoodfacts.org", "http://127.0.0.1:8080").
inline QString AnswerAddressOf(const QUrl& url)
{
    return url
        .adjusted(QUrl::RemovePath | QUrl::RemoveQuery | QUrl::RemoveFragment |
                  QUrl::RemoveUserInfo)
        .toString(QUrl::FullyEncoded);
}

// How long a remembered answer may be used instead of asking its database again. A product that
// was found rarely changes; one that was not found may be added any day, so it is asked about
// again sooner. Failures are never remembered. A store drops what is older than both, or than
// the longer lifetime its source gave it.
inline constexpr qint64 kSecondsPerDay = 24 * 60 * 60;
inline constexpr qint64 kFoundAnswerLifetime = 30 * kSecondsPerDay;
inline constexpr qint64 kNotFoundAnswerLifetime = 7 * kSecondsPerDay;

// The answers of the open databases, remembered between runs so that none is asked the same
// thing twice within a month. The store only keeps answers; whether one is still fresh enough to
// use is decided by IsFresh (lookup/AnswerFreshness.h).
//
// Nothing here throws: remembering is a convenience, and a store that cannot do its work says so
// once through takeProblem() and from then on finds nothing and keeps nothing, so a run goes on
// without it.
class AnswerStore
{
public:
    virtual ~AnswerStore() = default;

    // Answers are keyed by the source's name ("openfoodfacts"), the address it was asked at
    // (AnswerAddressOf), so that a mirror's answers are never taken for the real database's, and
    // the normalised code (digits).
    virtual std::optional<StoredAnswer> find(const QString& source, const QString& address,
                                             const QString& gtin) = 0;
    // Replaces whatever was remembered for that source, address and code.
    virtual void store(const QString& source, const QString& address, const QString& gtin,
                       const StoredAnswer& answer) = 0;
    // Forgets every remembered answer ("Lookup -> Forget Remembered Answers").
    virtual void forgetAll() = 0;
    // How many answers are remembered, fresh or not (for the About box).
    virtual qint64 count() = 0;
    // Where the answers are kept, as the user can find it (for the About box).
    virtual QString location() const = 0;
    // A message for the user about a problem met so far, each problem once, then an empty text:
    // a damaged store that was moved aside and started afresh, a store that cannot be written, or
    // one a newer Quillfen wrote.
    virtual QString takeProblem() = 0;

    // Many finds in a row (a scan session read back asks about every code it holds): between
    // these the store may read them as one, as the answers stood when the first was read; a
    // store() or forgetAll() among them comes between, and the finds after it read together
    // anew. Calls pair; by default each find is read alone.
    virtual void beginFinds() {}
    virtual void endFinds() {}
};

// The finds made while it lives read together (AnswerStore::beginFinds); no store, nothing.
class AnswerFindsTogether
{
public:
    explicit AnswerFindsTogether(AnswerStore* store)
        : m_store(store)
    {
        if (m_store)
            m_store->beginFinds();
    }
    ~AnswerFindsTogether()
    {
        if (m_store)
            m_store->endFinds();
    }
    AnswerFindsTogether(const AnswerFindsTogether&) = delete;
    AnswerFindsTogether& operator=(const AnswerFindsTogether&) = delete;

private:
    AnswerStore* m_store;
};
