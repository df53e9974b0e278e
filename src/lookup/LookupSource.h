#pragma once

#include "lookup/ProductCode.h"
#include "platform/AnswerStore.h"
#include "platform/CatalogueSearch.h"
#include "platform/PageLoader.h"
#include "platform/ProductDetails.h"

#include <QByteArray>
#include <QList>
#include <QString>
#include <QStringList>
#include <QUrl>

#include <functional>
#include <optional>
#include <utility>

// The codes that follow the one being looked up, as typed: the k-th code after it (k from 1), or
// nothing past the end.
using CodesAhead = std::function<std::optional<QString>(int k)>;

// What a database says about one product, already reduced to what is shown and written out.
struct ProductAnswer
{
    QString name;     // the product's own name, may be empty
    QString brand;    // the first brand, may be empty
    QString quantity; // "400 g", may be empty
    // Where it came from when a source speaks for several databases ("Open Beauty Facts"); empty
    // otherwise.
    QString database;
    ProductDetails details;
};

// One request a source wants sent: a GET unless it says otherwise.
struct SourceRequest
{
    QUrl url;
    // How many redirections may be followed on the way to the answer.
    int maxRedirects = 0;
    QByteArray method = {}; // empty: GET
    QList<std::pair<QByteArray, QByteArray>> headers = {};
    QByteArray body = {};
    // Non-empty: the request cannot be made (no key was given), and the answer is this failure,
    // with nothing sent.
    QString refusal = {};
};

// What came back for a request, as the page loader hands it over.
using SourceResponse = PageResponse;

// What a source makes of a response.
struct SourceAnswer
{
    enum class Kind { Found, NotFound, Failed };
    Kind kind = Kind::Failed;
    ProductAnswer product; // when found
    // When failed, a few words: "HTTP 503", "not JSON", "malformed JSON", "timed out".
    QString reason;
    // Failed with 429 or 503: the service is busy, and the same request is worth another try
    // after a wait (the Retry-After header of the response says how long, when it does).
    bool busy = false;
    // Busy for every client, not only for this one (a global limit): the host is left alone
    // longer, and by every Quillfen on the machine.
    bool busyForEveryone = false;
    // The source asks to be left alone until this unix time (seconds), for every code: a daily
    // allowance used up.
    std::optional<qint64> pausedUntil;

    static SourceAnswer found(ProductAnswer product)
    {
        return SourceAnswer{Kind::Found, std::move(product), {}, false, false, std::nullopt};
    }
    static SourceAnswer notFound()
    {
        return SourceAnswer{Kind::NotFound, {}, {}, false, false, {}};
    }
    static SourceAnswer failed(QString reason, bool busy = false)
    {
        return SourceAnswer{Kind::Failed, {}, std::move(reason), busy, false, std::nullopt};
    }
};

// One database that can be asked about a code: it says what to send and reads what comes back,
// with no network of its own, so every source is tested on plain values.
class LookupSource
{
public:
    virtual ~LookupSource() = default;

    // The name used in --sources and the settings ("openfoodfacts").
    virtual QString name() const = 0;
    // The name users see in rows and boxes ("Open Food Facts").
    virtual QString displayName() const = 0;
    // The hosts and ports ("host:port") of the addresses the source was set up with (built in, or
    // the user's own server named in the settings or the environment). What its own answers
    // point to there, a product's picture or page, is the source's own and is fetched wherever
    // the host is; anywhere else, and for any other source's answers, it must be a public host.
    virtual QStringList ownHosts() const { return {}; }

    // Whether the source is asked about this code at all (Open Library takes ISBNs only). The
    // page service takes every code, checked or not.
    virtual bool takes(const CheckedCode& checked) const = 0;

    // The request for a code: the page service sends the code as typed, the open databases the
    // checked code.
    virtual SourceRequest request(const QString& typed, const CheckedCode& checked) const = 0;
    virtual SourceAnswer read(const SourceResponse& response, const QString& typed) const = 0;
    // The address its answers about the code are remembered under (AnswerAddressOf).
    virtual QString answerAddress(const QString& typed, const CheckedCode& checked) const
    {
        return AnswerAddressOf(request(typed, checked).url);
    }

    // A source that answers from this machine (the product index) does so here, and is never
    // sent a request; the others answer nothing.
    virtual bool isLocal() const { return false; }
    virtual std::optional<SourceAnswer> answerLocally(const CheckedCode& /*checked*/)
    {
        return std::nullopt;
    }
    // Before answerLocally(), the codes that follow, when the run knows them: a source that
    // answers from this machine may start on them ahead.
    virtual void lookAhead(const CodesAhead& /*ahead*/) {}

    // A source that answers many codes in one request (Open Library's /api/books) takes up to
    // this many at once, and the chain asks about the codes that follow together with the one
    // whose turn it is. 1: one code a request, through request() and read().
    virtual int batchSize() const { return 1; }
    // The request for several codes at once, each one the source takes; the first is the code
    // whose turn it is.
    virtual SourceRequest batchRequest(const QList<CheckedCode>& /*codes*/) const { return {}; }
    // What the answer says of each code of the batch, in its order.
    virtual QList<SourceAnswer> readBatch(const SourceResponse& /*response*/,
                                          const QList<CheckedCode>& /*codes*/) const
    {
        return {};
    }

    // A library catalogue is asked over Z39.50 or SRU through the catalogue connection rather
    // than through the page loader: the search for a code (nothing for every other source), and
    // what its answer says of the code.
    virtual std::optional<CatalogueSearch> catalogueSearch(const CheckedCode& /*checked*/) const
    {
        return std::nullopt;
    }
    virtual SourceAnswer readCatalogue(const CatalogueAnswer& /*answer*/,
                                       const CheckedCode& /*checked*/) const
    {
        return SourceAnswer::failed(QStringLiteral("not a catalogue"));
    }

    // Called as a run starts, before the first code.
    virtual void prepareRun() {}

    // How many requests a minute the source's host accepts from one address; 0: no pacing.
    virtual int perMinute() const = 0;
    // Whether its answers are remembered between runs.
    virtual bool remembered() const = 0;
    // What its answers depend on besides the address asked, such as the language names are
    // asked in ("de"): answers are remembered apart for each. Empty: nothing.
    virtual QString answerVariant() const { return {}; }
    // How many requests a day the source allows, counted by every Quillfen of the user; 0: no
    // daily allowance.
    virtual int perDay() const { return 0; }
    // How long its remembered answers are used, in seconds: those that found a product and
    // those that did not.
    virtual qint64 foundLifetime() const { return kFoundAnswerLifetime; }
    virtual qint64 notFoundLifetime() const { return kNotFoundAnswerLifetime; }
    // The terms its answers come under, for the About box and the details window; may be empty.
    virtual QString licence() const { return {}; }
};
