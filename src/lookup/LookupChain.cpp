#include "lookup/LookupChain.h"

#include "common/OperationFailed.h"
#include "gs1/CodeFacts.h"
#include "lookup/AnswerFreshness.h"
#include "lookup/PageServiceSource.h"
#include "lookup/ProductName.h"
#include "platform/AnswerStore.h"
#include "platform/CatalogueConnection.h"
#include "platform/Clock.h"
#include "platform/EventLoop.h"
#include "platform/PacingStore.h"
#include "platform/PageLoader.h"

#include <QCoreApplication>
#include <QDateTime>
#include <QSet>

#include <algorithm>

namespace {
// Reasons batch mode writes in English, translated only where the window's row shows them.
inline constexpr char kNoSourceTakesIt[] =
    QT_TRANSLATE_NOOP("LookupChain", "none of the chosen sources looks up such codes");
inline constexpr QStringView kBooksSource = u"openlibrary";
inline constexpr char kCouponNotAProduct[] =
    QT_TRANSLATE_NOOP("LookupChain", "a coupon code, not a product");
inline constexpr char kRefundReceipt[] = QT_TRANSLATE_NOOP("LookupChain", "a refund receipt");
inline constexpr char kVariableMeasure[] = QT_TRANSLATE_NOOP(
    "LookupChain", "a variable-measure item (indicator 9), whose code names no one product");

// What became of a case, from what became of what it holds: found, its name with the code it is a
// case of; failed, a row that starts with the case's code, so that Retry Failed Rows asks it again.
CodeOutcome CaseOf(const QString& typed, const QString& caseGtin, CodeOutcome held)
{
    const QString inner = held.gtin;
    if (held.status == CodeOutcome::Status::Found)
        //: A case's row: what the case holds, then that product's code.
        held.rowText =
            QCoreApplication::translate("LookupChain", "%1 (case of %2)").arg(held.rowText, inner);
    else if (held.rowText.startsWith(held.code))
        held.rowText = typed + held.rowText.sliced(held.code.size());
    held.code = typed;
    held.gtin = caseGtin;
    held.innerGtin = inner;
    return held;
}

// The results row of a product without a name, in the user's language.
QString UnnamedProductRow(const QString& typed)
{
    //: Follows the code in the results list.
    return typed + QCoreApplication::translate("LookupChain", " - unnamed product");
}

// Pacing is per host: the sibling databases of one service share its allowance.
QString HostKey(const QUrl& url)
{
    return url.host() + u':' + QString::number(url.port(url.scheme() == u"https" ? 443 : 80));
}

qint64 IntervalMs(int perMinute)
{
    // Rounded up as the pacer rounds it, so that whole milliseconds never let one too many by.
    return perMinute > 0 ? (60'000 + perMinute - 1) / perMinute : 0;
}

bool IsRedirection(int status)
{
    return status == 301 || status == 302 || status == 303 || status == 307 || status == 308;
}

// Daily allowances start again at midnight UTC, the one day every process agrees on.
qint64 NextUtcMidnight(qint64 unixSeconds)
{
    return (unixSeconds / kSecondsPerDay + 1) * kSecondsPerDay;
}

// A found product that lacks a brand, a quantity or a picture, which a later source may give.
bool HasGaps(const ProductAnswer& product)
{
    return product.brand.isEmpty() || product.quantity.isEmpty() ||
           (product.details.imageUrl.isEmpty() && product.details.thumbnailUrl.isEmpty());
}

// The first find (at `first`) with its empty fields taken from the finds after it, the display
// names of the sources that gave something, in order, and which field each gave.
struct Filled
{
    ProductAnswer product;
    QStringList names;
    QList<std::pair<QString, QString>> fields;
    // The own hosts of the source the picture came from, when a later one gave it.
    std::optional<QStringList> pictureHosts;
};

Filled FilledFrom(const std::vector<std::pair<LookupSource*, SourceAnswer>>& answers,
                  std::size_t first, const std::function<QStringList(LookupSource*)>& hostsOf)
{
    Filled filled{answers[first].second.product, {answers[first].first->displayName()}, {}, {}};
    ProductAnswer& product = filled.product;
    for (std::size_t i = first + 1; i < answers.size(); ++i) {
        if (answers[i].second.kind != SourceAnswer::Kind::Found)
            continue;
        const ProductAnswer& more = answers[i].second.product;
        const QString giver = answers[i].first->displayName();
        bool gave = false;
        const auto take = [&](QString& field, const QString& value, const char* name) {
            if (field.isEmpty() && !value.isEmpty()) {
                field = value;
                gave = true;
                const QString key = QString::fromLatin1(name);
                if (std::none_of(filled.fields.cbegin(), filled.fields.cend(),
                                 [&](const auto& taken) { return taken.first == key; }))
                    filled.fields.append({key, giver});
            }
        };
        take(product.brand, more.brand, "brand");
        take(product.quantity, more.quantity, "quantity");
        if (product.details.imageUrl.isEmpty() && product.details.thumbnailUrl.isEmpty()) {
            take(product.details.imageUrl, more.details.imageUrl, "picture");
            take(product.details.thumbnailUrl, more.details.thumbnailUrl, "picture");
            if (!product.details.imageUrl.isEmpty() || !product.details.thumbnailUrl.isEmpty())
                filled.pictureHosts = hostsOf(answers[i].first);
        }
        take(product.details.categories, more.details.categories, "categories");
        if (gave && !filled.names.contains(giver))
            filled.names.append(giver);
    }
    return filled;
}

PageResponse FailedResponse(QString failure)
{
    PageResponse response;
    response.failure = std::move(failure);
    return response;
}

// A page service request that could not even be sent: sent again in its own turn, so that the
// failure is reported for its own code.
class UnsentPage final : public PendingPage
{
public:
    bool isComplete() const override { return true; }
    PageResponse response() const override { return {}; }
};
// The fixed reasons a lookup fails with, as the sources and the page loaders give them. Batch
// mode writes them in English; the results row shows them in the user's language. Any other
// reason (an HTTP status, a server's own words) is shown as it came.
[[maybe_unused]] constexpr const char* kFixedFailureReasons[] = {
    QT_TRANSLATE_NOOP("LookupChain", "unexpected answer"),
    QT_TRANSLATE_NOOP("LookupChain", "answer about another code"),
    QT_TRANSLATE_NOOP("LookupChain", "empty answer"),
    QT_TRANSLATE_NOOP("LookupChain", "not JSON"),
    QT_TRANSLATE_NOOP("LookupChain", "malformed JSON"),
    QT_TRANSLATE_NOOP("LookupChain", "no title in answer"),
    QT_TRANSLATE_NOOP("LookupChain", "empty page"),
    QT_TRANSLATE_NOOP("LookupChain", "no HTTP status"),
    QT_TRANSLATE_NOOP("LookupChain", "daily limit reached"),
    QT_TRANSLATE_NOOP("LookupChain", "unexpected answer: no list of results"),
    QT_TRANSLATE_NOOP("LookupChain", "unexpected answer: no results"),
    QT_TRANSLATE_NOOP("LookupChain", "the key holds characters other than printable ASCII"),
    QT_TRANSLATE_NOOP("LookupChain", "not asked over the network"),
    QT_TRANSLATE_NOOP("LookupChain", "no product index (import one first)"),
    QT_TRANSLATE_NOOP("LookupChain", "too many redirects"),
    QT_TRANSLATE_NOOP("LookupChain", "insecure redirect"),
    QT_TRANSLATE_NOOP("LookupChain", "connection refused"),
    QT_TRANSLATE_NOOP("LookupChain", "connection closed"),
    QT_TRANSLATE_NOOP("LookupChain", "host not found"),
    QT_TRANSLATE_NOOP("LookupChain", "timed out"),
    QT_TRANSLATE_NOOP("LookupChain", "secure connection failed"),
    QT_TRANSLATE_NOOP("LookupChain", "proxy error"),
    QT_TRANSLATE_NOOP("LookupChain", "malformed answer"),
    QT_TRANSLATE_NOOP("LookupChain", "page too large"),
    QT_TRANSLATE_NOOP("LookupChain", "network unavailable"),
    QT_TRANSLATE_NOOP("LookupChain", "no answer"),
    QT_TRANSLATE_NOOP("LookupChain", "stopped"),
    QT_TRANSLATE_NOOP("LookupChain", "cancelled"),
};

// Reasons that carry a value of their own (a status, a host, a source), in the English every
// source and loader words them; the value stays as it came, the words around it are translated.
[[maybe_unused]] constexpr const char* kFailureReasonPatterns[] = {
    QT_TRANSLATE_NOOP("LookupChain", "HTTP %1"),
    QT_TRANSLATE_NOOP("LookupChain", "the key for %1 was refused"),
    QT_TRANSLATE_NOOP("LookupChain", "malformed JSON (%1)"),
    QT_TRANSLATE_NOOP("LookupChain", "not a public address: %1"),
    QT_TRANSLATE_NOOP("LookupChain", "not a loopback address: %1"),
    QT_TRANSLATE_NOOP("LookupChain", "damaged record: %1"),
};

// Source names that hold words rather than a name of their own.
[[maybe_unused]] constexpr const char* kSourceNamesWithWords[] = {
    QT_TRANSLATE_NOOP("LookupSource", "Page service"),
    QT_TRANSLATE_NOOP("LookupSource", "Product index"),
    QT_TRANSLATE_NOOP("LookupSource", "UPCitemdb (paid plan)"),
};

QString ShownFailureReason(const QString& reason)
{
    const QByteArray english = reason.toUtf8();
    const QString whole = QCoreApplication::translate("LookupChain", english.constData());
    if (whole != reason)
        return whole;
    for (const char* pattern : kFailureReasonPatterns) {
        const QLatin1StringView text(pattern);
        const qsizetype at = text.indexOf(QLatin1StringView("%1"));
        const QLatin1StringView before = text.first(at);
        const QLatin1StringView after = text.sliced(at + 2);
        if (reason.size() > before.size() + after.size() && reason.startsWith(before) &&
            reason.endsWith(after))
            return QCoreApplication::translate("LookupChain", pattern)
                .arg(reason.mid(before.size(), reason.size() - before.size() - after.size()));
    }
    return reason;
}

QString ShownSourceName(const QString& name)
{
    return QCoreApplication::translate("LookupSource", name.toUtf8().constData());
}
} // namespace

QString LookupFailedSuffixShown()
{
    //: Follows the code in the results list; the source and the reason follow it.
    return QCoreApplication::translate("LookupChain", " - lookup failed: ");
}

LookupChain::LookupChain(LookupServices services,
                         std::vector<std::unique_ptr<LookupSource>> sources, ChainOptions options)
    : m_services(services)
    , m_sources(std::move(sources))
    , m_options(std::move(options))
{
    m_options.parallel = std::max(1, m_options.parallel);
}

LookupChain::~LookupChain() = default;

void LookupChain::setSources(std::vector<std::unique_ptr<LookupSource>> sources, bool booksFirst)
{
    m_ahead.clear();
    m_hosts.clear();
    m_sources = std::move(sources);
    m_options.booksFirst = booksFirst;
}

bool LookupChain::pageServiceAlone() const
{
    return m_sources.size() == 1 && m_sources.front()->name() == kPageServiceName;
}

QStringList LookupChain::hostsOf(LookupSource* source) const
{
    // Read from the source's addresses once: parsing them for every code found took a tenth of
    // a lookup from the index.
    auto found = m_hosts.constFind(source);
    if (found == m_hosts.cend())
        found = m_hosts.insert(source, source->ownHosts());
    return found.value();
}

void LookupChain::startRun()
{
    m_busyForEveryone = 0;
    m_thisRun.clear();
    m_ahead.clear();
    m_hosts.clear();
    for (const auto& source : m_sources)
        source->prepareRun();
}

void LookupChain::endRun()
{
    m_ahead.clear();
}

std::vector<LookupSource*> LookupChain::orderFor(const CheckedCode& checked) const
{
    std::vector<LookupSource*> order;
    for (const auto& source : m_sources)
        order.push_back(source.get());
    if (m_options.booksFirst && checked.isbn) {
        // Right after the sources that answer from this machine, which cost nothing to ask.
        const auto books = std::find_if(order.begin(), order.end(), [](LookupSource* source) {
            return source->name() == kBooksSource;
        });
        if (books != order.end()) {
            LookupSource* const source = *books;
            order.erase(books);
            const auto firstRemote = std::find_if(
                order.begin(), order.end(), [](LookupSource* other) { return !other->isLocal(); });
            order.insert(firstRemote, source);
        }
    }
    return order;
}

bool LookupChain::sentNowhere(const CheckedCode& checked) const
{
    // The page service alone is asked about every code as typed, as it always has been.
    return checked.isValid() && !pageServiceAlone() &&
           (DescribeCode(checked.gtin).isNoProduct() || checked.isVariableMeasure());
}

std::optional<CodeOutcome> LookupChain::lookUp(const QString& typed, const Ahead& ahead)
{
    const CheckedCode checked = CheckCode(typed);
    const auto given = [this](CodeOutcome done) {
        if (onOutcome)
            onOutcome(done);
        return done;
    };
    if (sentNowhere(checked))
        return given(outcome(typed, checked, {}));
    std::optional<CodeOutcome> done = lookUpChecked(typed, checked, ahead);
    // A case nobody knows as itself: what it holds may be known, and that is what the user is
    // after. Its code is the case's without the indicator, the check digit worked out again.
    if (done && done->status == CodeOutcome::Status::NotFound && checked.isCase() &&
        !pageServiceAlone()) {
        const QString inner = InnerGtin(checked.gtin);
        const std::optional<CodeOutcome> held = lookUpChecked(inner, CheckCode(inner), {});
        if (!held)
            return std::nullopt;
        if (held->status != CodeOutcome::Status::NotFound)
            done = CaseOf(typed, checked.gtin, *held);
    }
    if (!done)
        return std::nullopt;
    return given(std::move(*done));
}

std::optional<CodeOutcome>
LookupChain::lookUpChecked(const QString& typed, const CheckedCode& checked, const Ahead& ahead)
{
    const std::vector<LookupSource*> order = orderFor(checked);
    std::vector<std::pair<LookupSource*, SourceAnswer>> answers;
    std::optional<std::size_t> foundAt;
    const auto hosts = [this](LookupSource* source) { return hostsOf(source); };
    for (std::size_t i = 0; i < order.size(); ++i) {
        LookupSource& source = *order[i];
        if (!source.takes(checked))
            continue;
        // A stop asked for between two sources leaves the code without its answer: the next
        // source might still have found it. One already found keeps what it has.
        if (!answers.empty() && stopping()) {
            if (foundAt)
                break;
            return std::nullopt;
        }
        std::optional<SourceAnswer> answer = askInItsForms(source, typed, checked, ahead);
        if (!answer) {
            if (foundAt)
                break;
            return std::nullopt;
        }
        answers.emplace_back(&source, std::move(*answer));
        if (answers.back().second.kind != SourceAnswer::Kind::Found)
            continue;
        if (!foundAt)
            foundAt = answers.size() - 1;
        if (!m_options.fillGaps || !HasGaps(FilledFrom(answers, *foundAt, hosts).product))
            break;
    }
    if (!foundAt || answers.size() == *foundAt + 1)
        return outcome(typed, checked, std::move(answers));
    // Filling the gaps: the first find, completed by the finds after it, each source named.
    const Filled filled = FilledFrom(answers, *foundAt, hosts);
    answers.resize(*foundAt + 1);
    CodeOutcome done = outcome(typed, checked, std::move(answers));
    done.product = filled.product;
    done.source = filled.names.join(QStringLiteral(" + "));
    done.filledFrom = filled.fields;
    if (filled.pictureHosts)
        done.pictureHosts = *filled.pictureHosts;
    const QString shown = DisplayName(filled.product);
    done.rowText = shown.isEmpty() ? UnnamedProductRow(typed) : shown;
    return done;
}

std::optional<SourceAnswer> LookupChain::askInItsForms(LookupSource& source, const QString& typed,
                                                       const CheckedCode& checked,
                                                       const Ahead& ahead)
{
    if (!checked.isUpcE())
        return ask(source, typed, checked, ahead);
    // A UPC-E as typed first, as many databases keep it; where one keeps the product under the
    // UPC-A it stands for, that is asked next. The page service, asked as typed, is asked once.
    std::optional<SourceAnswer> first = ask(source, typed, AsTypedForm(checked), ahead);
    if (!first || !source.remembered())
        return first;
    if (first->kind != SourceAnswer::Kind::NotFound) {
        // The same product typed as its UPC-A later in the run is answered from this.
        if (first->kind == SourceAnswer::Kind::Found)
            m_thisRun.insert(source.name() + u'\n' + checked.gtin, *first);
        return first;
    }
    return ask(source, typed, checked, ahead);
}

qint64 LookupChain::pacedIntervalMs(const QString& typed)
{
    const CheckedCode checked = CheckCode(typed);
    if (sentNowhere(checked))
        return 0;
    for (LookupSource* source : orderFor(checked)) {
        if (!source->takes(checked))
            continue;
        std::optional<SourceAnswer> known = source->answerLocally(checked);
        if (!known && source->remembered()) {
            const auto asked = m_thisRun.constFind(source->name() + u'\n' + checked.gtin);
            known =
                asked != m_thisRun.constEnd()
                    ? std::optional(*asked)
                    : remembered(*source, rememberedAddress(*source, typed, checked), checked.gtin);
        }
        if (!known)
            return IntervalMs(source->perMinute());
        if (known->kind == SourceAnswer::Kind::Found)
            return 0;
    }
    return 0;
}

CodeOutcome LookupChain::outcome(const QString& typed, const CheckedCode& checked,
                                 std::vector<std::pair<LookupSource*, SourceAnswer>> answers) const
{
    CodeOutcome result;
    result.code = typed;
    result.gtin = checked.gtin;
    if (answers.empty()) {
        result.status = CodeOutcome::Status::NotLookedUp;
        QString shownDetail;
        if (!checked.isValid()) {
            result.detail = NotLookedUpReason(checked);
            shownDetail = NotLookedUpReasonShown(checked);
        } else {
            const char* reason = !sentNowhere(checked)         ? kNoSourceTakesIt
                                 : checked.isVariableMeasure() ? kVariableMeasure
                                 : DescribeCode(checked.gtin).kind == CodeKind::Coupon
                                     ? kCouponNotAProduct
                                     : kRefundReceipt;
            result.detail = QString::fromUtf8(reason);
            shownDetail = QCoreApplication::translate("LookupChain", reason);
        }
        //: Follows the code in the results list; the reason follows it.
        result.rowText =
            typed + QCoreApplication::translate("LookupChain", " - not looked up: ") + shownDetail;
        return result;
    }
    auto& [lastSource, last] = answers.back();
    if (last.kind == SourceAnswer::Kind::Found) {
        result.status = CodeOutcome::Status::Found;
        // Moved: the answers are this outcome's alone, and every string copied was one more
        // count to raise and lower for each code of a run.
        result.product = std::move(last.product);
        result.source = lastSource->displayName();
        result.sourceHosts = hostsOf(lastSource);
        result.pictureHosts = result.sourceHosts;
        result.licence = lastSource->licence();
        if (lastSource->name() == kPageServiceName) {
            // The page service's name is shown as its page gives it, empty or not.
            result.rowText = result.product.name;
        } else {
            const QString shown = DisplayName(result.product);
            result.rowText = shown.isEmpty() ? UnnamedProductRow(typed) : shown;
        }
        return result;
    }
    const auto failed = std::find_if(answers.begin(), answers.end(), [](const auto& asked) {
        return asked.second.kind == SourceAnswer::Kind::Failed;
    });
    if (failed == answers.end()) {
        result.status = CodeOutcome::Status::NotFound;
        //: Follows the code in the results list.
        result.rowText = typed + QCoreApplication::translate("LookupChain", " - no record found");
        // Only the page service asks a code that fails its check: when it knows nothing either,
        // the likeliest reason is a mistyped digit, and the row says so after the words every
        // file made of such rows has always held. Asked alone, its rows read as they always have.
        if (checked.kind == CheckedCode::Kind::WrongCheckDigit && !pageServiceAlone()) {
            result.detail = NotLookedUpReason(checked);
            //: Follows " - no record found" in the results list; %1 is why.
            result.rowText += QCoreApplication::translate("LookupChain", " (%1)")
                                  .arg(NotLookedUpReasonShown(checked));
        }
        return result;
    }
    result.status = CodeOutcome::Status::Failed;
    result.source = failed->first->displayName();
    result.detail = failed->second.reason;
    // The reason stays as batch mode writes it: the sources' and the network's own words.
    const QString reason = ShownFailureReason(result.detail);
    result.rowText =
        typed + LookupFailedSuffixShown() +
        (pageServiceAlone() ? reason : ShownSourceName(result.source) + u": " + reason);
    return result;
}

std::optional<SourceAnswer> LookupChain::ask(LookupSource& source, const QString& typed,
                                             const CheckedCode& checked, const Ahead& ahead)
{
    if (ahead && source.isLocal())
        source.lookAhead(ahead);
    if (std::optional<SourceAnswer> local = source.answerLocally(checked))
        return local;
    if (!source.remembered()) {
        // The page service: every code is asked, as typed, duplicates included; when it comes
        // first, the codes that follow are asked ahead.
        if (m_options.parallel > 1 && &source == m_sources.front().get())
            return askPageService(source, typed, ahead);
        return askOverNetwork(source, typed, checked);
    }
    const QString key = source.name() + u'\n' + checked.gtin;
    if (const auto asked = m_thisRun.constFind(key); asked != m_thisRun.constEnd())
        return *asked;
    // Answers belong to the address they came from: those of a mirror or a stand-in named in
    // QUILLFEN_*_URL are never served as the real database's.
    const QString address = rememberedAddress(source, typed, checked);
    std::optional<SourceAnswer> answer = remembered(source, address, checked.gtin);
    if (!answer) {
        answer = source.batchSize() > 1 ? askInBatch(source, address, checked, ahead)
                                        : askOverNetwork(source, typed, checked);
        if (!answer)
            return std::nullopt;
        remember(source, address, checked.gtin, *answer);
    }
    m_thisRun.insert(key, *answer);
    return answer;
}

std::optional<SourceAnswer> LookupChain::askOverNetwork(LookupSource& source, const QString& typed,
                                                        const CheckedCode& checked)
{
    if (const std::optional<CatalogueSearch> search = source.catalogueSearch(checked))
        return askCatalogue(source, *search, checked);
    return askWith(source, source.request(typed, checked),
                   [&](const SourceResponse& response) { return source.read(response, typed); });
}

std::optional<SourceAnswer> LookupChain::askInBatch(LookupSource& source, const QString& address,
                                                    const CheckedCode& checked, const Ahead& ahead)
{
    // The codes that follow and would be asked of this source as well, up to its batch: those
    // this run has not answered and none is remembered for. A list of other codes is looked
    // through only so far, so that a batch never costs more than it saves.
    QList<CheckedCode> batch{checked};
    QSet<QString> inBatch{checked.gtin};
    const int lookAhead = source.batchSize() * 4;
    for (int k = 1; ahead && k <= lookAhead && batch.size() < source.batchSize(); ++k) {
        const std::optional<QString> next = ahead(k);
        if (!next)
            break;
        CheckedCode code = CheckCode(*next);
        if (!source.takes(code) || inBatch.contains(code.gtin) ||
            m_thisRun.contains(source.name() + u'\n' + code.gtin) ||
            remembered(source, address, code.gtin))
            continue;
        inBatch.insert(code.gtin);
        batch.append(std::move(code));
    }
    QList<SourceAnswer> answers;
    std::optional<SourceAnswer> answer =
        askWith(source, source.batchRequest(batch), [&](const SourceResponse& response) {
            answers = source.readBatch(response, batch);
            return answers.value(0, SourceAnswer::failed(QStringLiteral("unexpected answer")));
        });
    // The others' answers wait for their turn in this run, and are remembered as if asked alone;
    // after a failure each is asked again when its turn comes.
    if (answer && answer->kind != SourceAnswer::Kind::Failed && answers.size() == batch.size()) {
        for (qsizetype i = 1; i < batch.size(); ++i) {
            if (answers[i].kind == SourceAnswer::Kind::Failed)
                continue;
            m_thisRun.insert(source.name() + u'\n' + batch[i].gtin, answers[i]);
            remember(source, address, batch[i].gtin, answers[i]);
        }
    }
    return answer;
}

std::optional<SourceAnswer>
LookupChain::askWith(LookupSource& source, const SourceRequest& request,
                     const std::function<SourceAnswer(const SourceResponse&)>& read)
{
    if (const auto paused = m_pausedUntil.constFind(source.name());
        paused != m_pausedUntil.constEnd()) {
        if (m_services.clock.unixSeconds() < *paused)
            return SourceAnswer::failed(kDailyLimitReached.toString());
        m_pausedUntil.remove(source.name());
    }
    if (!request.refusal.isEmpty())
        return SourceAnswer::failed(request.refusal);
    for (int retry = 0;; ++retry) {
        if (source.perDay() > 0 && !takeFromAllowance(source)) {
            SourceAnswer used = SourceAnswer::failed(kDailyLimitReached.toString());
            used.pausedUntil = NextUtcMidnight(m_services.clock.unixSeconds());
            m_pausedUntil.insert(source.name(), *used.pausedUntil);
            return used;
        }
        const std::optional<Fetched> fetched = fetch(source, request);
        if (!fetched)
            return std::nullopt;
        const PageResponse& response = fetched->response;
        SourceAnswer answer = read(response);
        if (answer.pausedUntil)
            m_pausedUntil.insert(source.name(), *answer.pausedUntil);
        if (!answer.busy)
            return answer;
        const auto retryAfter =
            ParseRetryAfter(response.header("Retry-After"),
                            QDateTime::fromSecsSinceEpoch(m_services.clock.unixSeconds(), Qt::UTC));
        const double jitter = m_options.jitter ? m_options.jitter() : 0.5;
        const std::chrono::milliseconds delay = answer.busyForEveryone && !retryAfter
                                                    ? BusyForEveryoneWait(retry + 1)
                                                    : RetryWait(retry + 1, retryAfter, jitter);
        // The host's own deadline holds for every later request to it, from this code or the
        // next, in this process or another; so does a wait for a host busy for everyone; a wait
        // of our own choosing only for this code.
        if (retryAfter || answer.busyForEveryone)
            hold(fetched->host, delay, source.perMinute() > 0);
        // A 503 that says when to come back is an ordinary busy answer; only the silent ones are
        // the global limits the advice is about.
        if (answer.busyForEveryone && !retryAfter &&
            ++m_busyForEveryone == kBusyForEveryoneAdviceAfter && onStoreProblem)
            onStoreProblem(QCoreApplication::translate("Politeness", kUseTheExportAdviceText));
        if (retry == kMaxRetries)
            return answer;
        if (!waitUntil(m_services.clock.steadyMs() + delay.count(), onBusyWait))
            return std::nullopt;
    }
}

std::optional<LookupChain::Fetched> LookupChain::fetch(const LookupSource& source,
                                                       const SourceRequest& request)
{
    const QByteArray agent = source.remembered() ? m_options.agent : QByteArray();
    QUrl url = request.url;
    PageRequest sent{url, agent, 0};
    sent.method = request.method;
    sent.headers = request.headers;
    sent.body = request.body;
    for (int redirections = 0;; ++redirections) {
        const QString host = HostKey(url);
        // A request refused on this machine never reaches the host, so it takes no turn.
        if (QString refused = m_services.pages.refusal(url); !refused.isEmpty())
            return Fetched{FailedResponse(std::move(refused)), host};
        if (!takeTurn(source, host))
            return std::nullopt;
        // Redirections are followed here rather than by the loader, so that each one waits for
        // its own turn: the host counts it as a request like any other.
        sent.url = url;
        const std::unique_ptr<PendingPage> page = m_services.pages.start(sent);
        waitFor(*page);
        PageResponse response = page->response();
        const QByteArray location = response.header("Location");
        if (!response.failure.isEmpty() || !IsRedirection(response.status) || location.isEmpty() ||
            request.maxRedirects == 0)
            return Fetched{std::move(response), host};
        if (redirections == request.maxRedirects)
            return Fetched{FailedResponse(QStringLiteral("too many redirects")), host};
        const QUrl next = url.resolved(QUrl::fromEncoded(location));
        if (url.scheme() == u"https" && next.scheme() != u"https")
            return Fetched{FailedResponse(QStringLiteral("insecure redirect")), host};
        // The headers may carry a key meant for the host it was given for, and nobody else.
        if (next.host() != url.host() || next.port() != url.port())
            sent.headers.clear();
        // As browsers do: after a 303 (or a 301 or 302 to a POST) the address is fetched.
        if (response.status == 303 ||
            ((response.status == 301 || response.status == 302) && sent.method == "POST")) {
            sent.method.clear();
            sent.body.clear();
        }
        url = next;
    }
}

bool LookupChain::takeFromAllowance(const LookupSource& source)
{
    const qint64 now = m_services.clock.unixSeconds();
    if (m_services.pacing) {
        const std::optional<bool> taken =
            m_services.pacing->takeFromAllowance(source.name(), now * 1000, source.perDay());
        reportPacingProblem();
        if (taken)
            return *taken;
    }
    // No shared file: this process counts alone.
    auto& [day, used] = m_allowanceUsed[source.name()];
    if (day != now / kSecondsPerDay) {
        day = now / kSecondsPerDay;
        used = 0;
    }
    if (used >= source.perDay())
        return false;
    ++used;
    return true;
}

bool LookupChain::takeTurn(const LookupSource& source, const QString& host)
{
    const int perMinute = source.perMinute();
    m_pacer.setPerMinute(host, perMinute);
    const qint64 interval = IntervalMs(perMinute);
    const std::function<void(int)> turnCountDown = [this, &source](int secondsLeft) {
        onTurnWait(source.displayName(), secondsLeft);
    };
    bool waitedForTurn = false;
    for (;;) {
        const qint64 now = m_services.clock.steadyMs();
        qint64 wait = m_pacer.waitBeforeStart(host, now);
        // Another Quillfen may have taken the turn meanwhile; asked only once this process
        // would go, so that a turn taken there is one this process uses at once. A source
        // without a pace (the page service) has no turns to share, and a write to the shared
        // file before each of its requests cost a fifth of a fast service's time.
        if (wait <= 0 && m_services.pacing && perMinute > 0) {
            const std::optional<qint64> shared =
                m_services.pacing->takeTurn(host, m_services.clock.unixMs(), interval);
            reportPacingProblem();
            wait = shared.value_or(0);
        }
        if (wait <= 0) {
            m_pacer.started(host, now);
            if (waitedForTurn && onTurnWait)
                turnCountDown(0);
            return true;
        }
        // A wait longer than the pace is a busy host's own, counted down as such; a shorter one is
        // the pace itself, counted down as the source's turn.
        const bool busyHost = wait > interval;
        waitedForTurn = waitedForTurn || !busyHost;
        if (!waitUntil(now + wait, busyHost     ? onBusyWait
                                   : onTurnWait ? turnCountDown
                                                : std::function<void(int)>()))
            return false;
    }
}

void LookupChain::hold(const QString& host, std::chrono::milliseconds wait, bool shared)
{
    m_pacer.holdUntil(host, m_services.clock.steadyMs() + wait.count());
    // Only paced hosts read the shared file before a request, so only theirs are written there.
    if (shared && m_services.pacing) {
        m_services.pacing->holdUntil(host, m_services.clock.unixMs() + wait.count());
        reportPacingProblem();
    }
}

std::optional<SourceAnswer> LookupChain::askCatalogue(LookupSource& source,
                                                      const CatalogueSearch& search,
                                                      const CheckedCode& checked)
{
    CatalogueConnection* const catalogue = m_services.catalogue;
    if (!catalogue)
        return SourceAnswer::failed(QStringLiteral("no catalogue connection"));
    // A search refused on this machine never reaches the host, so it takes no turn.
    if (const QString refused = catalogue->refusal(search); !refused.isEmpty())
        return SourceAnswer::failed(refused);
    if (!takeTurn(source, search.host + u':' + QString::number(search.port)))
        return std::nullopt;
    const std::unique_ptr<PendingCatalogueAnswer> pending = catalogue->search(search);
    while (!pending->isComplete())
        m_services.eventLoop.waitForEvents();
    return source.readCatalogue(pending->answer(), checked);
}

std::optional<SourceAnswer> LookupChain::askPageService(LookupSource& source, const QString& typed,
                                                        const Ahead& ahead)
{
    const CheckedCode unchecked;
    // What was asked ahead belongs to this code only if the list still reads as it did then.
    if (!m_ahead.empty() && m_ahead.front().typed != typed)
        m_ahead.clear();
    if (m_ahead.empty())
        m_ahead.push_back(Asked{typed, send(source, source.request(typed, unchecked))});
    while (ahead && int(m_ahead.size()) < m_options.parallel) {
        const std::optional<QString> next = ahead(int(m_ahead.size()));
        // Asking ahead stops short of a code that goes nowhere, so that what is asked ahead stays
        // the codes right after this one.
        if (!next || sentNowhere(CheckCode(*next)))
            break;
        std::unique_ptr<PendingPage> page;
        try {
            page = send(source, source.request(*next, unchecked));
        } catch (const OperationFailed&) {
            page = std::make_unique<UnsentPage>();
        }
        m_ahead.push_back(Asked{*next, std::move(page)});
    }
    Asked current = std::move(m_ahead.front());
    m_ahead.pop_front();
    if (dynamic_cast<UnsentPage*>(current.page.get()))
        current.page = send(source, source.request(typed, unchecked));
    waitFor(*current.page);
    return source.read(current.page->response(), typed);
}

std::unique_ptr<PendingPage> LookupChain::send(const LookupSource& source,
                                               const SourceRequest& request)
{
    // The open databases ask to be told who is asking; the page service gets what it always got.
    const QByteArray agent = source.remembered() ? m_options.agent : QByteArray();
    return m_services.pages.start(PageRequest{request.url, agent, request.maxRedirects});
}

void LookupChain::waitFor(const PendingPage& page)
{
    // Blocks until the page (or its time limit) announces itself: no processor time is spent
    // while the service thinks, and the window handles its events meanwhile.
    while (!page.isComplete())
        m_services.eventLoop.waitForEvents();
}

bool LookupChain::waitUntil(qint64 steadyMs, const std::function<void(int)>& countDown)
{
    int shown = -1;
    for (;;) {
        if (stopping())
            return false;
        const qint64 left = steadyMs - m_services.clock.steadyMs();
        if (left <= 0)
            return true;
        qint64 step = left;
        if (countDown) {
            const int seconds = int((left + 999) / 1000);
            if (seconds != shown) {
                countDown(seconds);
                shown = seconds;
            }
            // Wake when the count next changes.
            step = left - qint64(seconds - 1) * 1000;
        }
        m_services.eventLoop.waitForEvents(std::chrono::milliseconds(step));
    }
}

QString LookupChain::rememberedAddress(const LookupSource& source, const QString& typed,
                                       const CheckedCode& checked) const
{
    // A name asked for in German is no answer for a French user: the language goes with the
    // address, after a mark no address holds.
    const QString address = source.answerAddress(typed, checked);
    const QString variant = source.answerVariant();
    return variant.isEmpty() ? address : address + QStringLiteral(" lang=") + variant;
}

std::optional<SourceAnswer> LookupChain::remembered(const LookupSource& source,
                                                    const QString& address, const QString& gtin)
{
    if (!m_services.store)
        return std::nullopt;
    const std::optional<StoredAnswer> stored = m_services.store->find(source.name(), address, gtin);
    reportStoreProblem();
    if (!stored || !IsFresh(*stored, m_services.clock.unixSeconds(), source.foundLifetime(),
                            source.notFoundLifetime()))
        return std::nullopt;
    if (!stored->found)
        return SourceAnswer::notFound();
    return SourceAnswer::found(ProductAnswer{stored->name, stored->brand, stored->quantity,
                                             stored->database, stored->details});
}

void LookupChain::remember(const LookupSource& source, const QString& address, const QString& gtin,
                           const SourceAnswer& answer)
{
    if (!m_services.store || answer.kind == SourceAnswer::Kind::Failed)
        return;
    StoredAnswer stored;
    stored.found = answer.kind == SourceAnswer::Kind::Found;
    stored.name = answer.product.name;
    stored.brand = answer.product.brand;
    stored.quantity = answer.product.quantity;
    stored.database = answer.product.database;
    stored.details = answer.product.details;
    stored.storedAt = m_services.clock.unixSeconds();
    stored.lifetime = stored.found ? source.foundLifetime() : source.notFoundLifetime();
    m_services.store->store(source.name(), address, gtin, stored);
    reportStoreProblem();
}

void LookupChain::reportStoreProblem()
{
    const QString problem = m_services.store->takeProblem();
    if (!problem.isEmpty() && onStoreProblem)
        onStoreProblem(problem);
}

void LookupChain::reportPacingProblem()
{
    const QString problem = m_services.pacing->takeProblem();
    if (!problem.isEmpty() && onStoreProblem)
        onStoreProblem(problem);
}
