#include "desktop/network/YazCatalogueConnection.h"

#include "common/Loopback.h"
#include "desktop/network/SocketWait.h"

#include <QCoreApplication>
#include <QMetaObject>

#include <algorithm>
#include <atomic>
#include <chrono>
#include <libxml/xmlerror.h>
#include <mutex>
#include <thread>
#include <vector>
#include <yaz/log.h>
#include <yaz/zoom.h>

namespace {

using SteadyClock = std::chrono::steady_clock;
// How often a search looks whether it was given up, while it waits for its server.
constexpr std::chrono::milliseconds kLookEvery{50};
// What a server says beside its diagnostic is cut here: it goes into a results row.
constexpr qsizetype kLongestServerWords = 200;

// What a search and the thread that runs it share.
struct SearchState
{
    std::atomic<bool> abandoned{false};
    std::atomic<bool> done{false};
    CatalogueAnswer answer; // written by the thread before `done`, read after it
};

// What libxml2 says of an answer it cannot read: ZOOM reports the failure itself, and standard
// error belongs to batch mode's progress.
void Quietly(void* /*context*/, const char* /*message*/, ...) {}
void QuietlyStructured(void* /*context*/, xmlErrorPtr /*error*/) {}

// Server words as one line of bounded length.
QString ServerWords(const char* text)
{
    QString words = QString::fromUtf8(text ? text : "").left(kLongestServerWords);
    for (QChar& c : words)
        if (c.category() == QChar::Other_Control)
            c = u' ';
    return words.trimmed();
}

QString ConnectionFailure(ZOOM_connection connection)
{
    const char* message = nullptr;
    const char* addinfo = nullptr;
    const char* set = nullptr;
    const int code = ZOOM_connection_error_x(connection, &message, &addinfo, &set);
    switch (code) {
    case ZOOM_ERROR_NONE:
        return {};
    case ZOOM_ERROR_CONNECT:
        return QStringLiteral("could not connect");
    case ZOOM_ERROR_CONNECTION_LOST:
        return QStringLiteral("connection closed");
    case ZOOM_ERROR_TIMEOUT:
        return QStringLiteral("timed out");
    case ZOOM_ERROR_DECODE:
        return QStringLiteral("malformed answer");
    default:
        break;
    }
    if (set && qstrcmp(set, "HTTP") == 0)
        return QStringLiteral("HTTP ") + QString::number(code);
    const QString said = ServerWords(message);
    const QString more = ServerWords(addinfo);
    const QString text = (said.isEmpty() ? QStringLiteral("diagnostic") : said) +
                         QStringLiteral(" (") + QString::number(code) + u')';
    return more.isEmpty() ? text : text + QStringLiteral(": ") + more;
}

QString RecordFailure(ZOOM_record record)
{
    const char* message = nullptr;
    const char* addinfo = nullptr;
    const char* set = nullptr;
    const int code = ZOOM_record_error(record, &message, &addinfo, &set);
    if (code == 0)
        return {};
    const QString said = ServerWords(message);
    return (said.isEmpty() ? QStringLiteral("diagnostic") : said) + QStringLiteral(" (") +
           QString::number(code) + u')';
}

// The ZOOM objects of one search, each freed by its own function, in this order.
struct Zoom
{
    ZOOM_options options = ZOOM_options_create();
    ZOOM_connection connection = nullptr;
    ZOOM_query query = ZOOM_query_create();
    ZOOM_resultset results = nullptr;

    Zoom() = default;
    Zoom(const Zoom&) = delete;
    Zoom& operator=(const Zoom&) = delete;
    ~Zoom()
    {
        ZOOM_resultset_destroy(results);
        ZOOM_query_destroy(query);
        ZOOM_connection_destroy(connection);
        ZOOM_options_destroy(options);
    }
};

QByteArray Target(const CatalogueSearch& search)
{
    // A written-out IPv6 address goes between brackets, as in an address.
    const QString host = search.host.contains(u':') && !search.host.startsWith(u'[')
                             ? u'[' + search.host + u']'
                             : search.host;
    if (search.protocol == CatalogueSearch::Protocol::Sru)
        return ((search.https ? QStringLiteral("https://") : QStringLiteral("http://")) + host +
                u':' + QString::number(search.port) + search.database)
            .toUtf8();
    return (QStringLiteral("tcp:") + host + u':' + QString::number(search.port)).toUtf8();
}

// Runs the search to its end, on the calling thread.
CatalogueAnswer Run(const CatalogueSearch& search, const std::atomic<bool>& abandoned)
{
    // libxml2 keeps its error handlers for each thread.
    xmlSetGenericErrorFunc(nullptr, Quietly);
    xmlSetStructuredErrorFunc(nullptr, QuietlyStructured);
    const SteadyClock::time_point deadline = SteadyClock::now() + search.timeLimit;
    Zoom zoom;
    const bool sru = search.protocol == CatalogueSearch::Protocol::Sru;
    ZOOM_options_set(zoom.options, "async", "1");
    // YAZ's own limit in whole seconds stays behind this one, which is kept here.
    const auto seconds =
        std::chrono::duration_cast<std::chrono::seconds>(search.timeLimit).count() + 2;
    ZOOM_options_set_int(zoom.options, "timeout", int(std::min<qint64>(seconds, 3600)));
    ZOOM_options_set_int(zoom.options, "count", search.maxRecords);
    const int largest = int(std::min<qint64>(search.maxBytes, 1 << 30));
    ZOOM_options_set_int(zoom.options, "maximumRecordSize", largest);
    ZOOM_options_set_int(zoom.options, "preferredMessageSize", largest);
    const QByteArray syntax = search.recordSyntax.toUtf8();
    const QByteArray database = search.database.toUtf8();
    if (sru) {
        ZOOM_options_set(zoom.options, "sru", "get");
        ZOOM_options_set(zoom.options, "sru_version", "1.1");
        ZOOM_options_set(zoom.options, "schema", syntax.constData());
    } else {
        ZOOM_options_set(zoom.options, "preferredRecordSyntax", syntax.constData());
        ZOOM_options_set(zoom.options, "elementSetName", "F");
        ZOOM_options_set(zoom.options, "databaseName", database.constData());
    }
    const QByteArray user = search.user.toUtf8();
    const QByteArray password = search.password.toUtf8();
    if (!user.isEmpty())
        ZOOM_options_set(zoom.options, "user", user.constData());
    if (!password.isEmpty())
        ZOOM_options_set(zoom.options, "password", password.constData());

    CatalogueAnswer answer;
    const QByteArray query = search.query.toUtf8();
    if ((sru ? ZOOM_query_cql(zoom.query, query.constData())
             : ZOOM_query_prefix(zoom.query, query.constData())) != 0) {
        answer.failure = QStringLiteral("not a query the catalogue takes");
        return answer;
    }
    zoom.connection = ZOOM_connection_create(zoom.options);
    ZOOM_connection_connect(zoom.connection, Target(search).constData(), 0);
    zoom.results = ZOOM_connection_search(zoom.connection, zoom.query);

    qint64 received = 0;
    for (;;) {
        if (abandoned.load()) {
            answer.failure = QStringLiteral("cancelled");
            return answer;
        }
        while (ZOOM_event_nonblock(1, &zoom.connection) > 0) {}
        if (ZOOM_connection_is_idle(zoom.connection))
            break;
        const auto left =
            std::chrono::duration_cast<std::chrono::milliseconds>(deadline - SteadyClock::now());
        if (left.count() <= 0) {
            answer.failure = QStringLiteral("timed out");
            return answer;
        }
        const int socket = ZOOM_connection_get_socket(zoom.connection);
        const int mask = ZOOM_connection_get_mask(zoom.connection);
        if (socket < 0 || mask == 0) {
            // Nothing to wait for, yet not done: ZOOM is told its time ran out, and ends.
            ZOOM_connection_fire_event_timeout(zoom.connection);
            std::this_thread::sleep_for(std::chrono::milliseconds(10));
            continue;
        }
        const SocketEvents ready =
            WaitOnSocket(socket,
                         {(mask & ZOOM_SELECT_READ) != 0, (mask & ZOOM_SELECT_WRITE) != 0,
                          (mask & ZOOM_SELECT_EXCEPT) != 0},
                         std::min(left, kLookEvery));
        int events = 0;
        if (ready.readable) {
            // Counted before ZOOM reads them: a server that sends more than an answer may hold is
            // left at once.
            received += BytesWaiting(socket);
            if (received > search.maxBytes) {
                answer.failure = QStringLiteral("answer too large");
                return answer;
            }
            events |= ZOOM_SELECT_READ;
        }
        if (ready.writable)
            events |= ZOOM_SELECT_WRITE;
        if (ready.exceptional)
            events |= ZOOM_SELECT_EXCEPT;
        if (events == 0)
            continue;
        ZOOM_connection_fire_event_socket(zoom.connection, events);
    }

    answer.failure = ConnectionFailure(zoom.connection);
    if (!answer.failure.isEmpty())
        return answer;
    answer.hits = qint64(ZOOM_resultset_size(zoom.results));
    qint64 bytes = 0;
    const auto wanted = std::min<qint64>(answer.hits, search.maxRecords);
    for (qint64 i = 0; i < wanted; ++i) {
        ZOOM_record record = ZOOM_resultset_record_immediate(zoom.results, std::size_t(i));
        if (!record)
            break;
        CatalogueRecord kept;
        kept.failure = RecordFailure(record);
        if (kept.failure.isEmpty()) {
            int length = 0;
            const char* raw = ZOOM_record_get(record, "raw", &length);
            const char* kind = ZOOM_record_get(record, "syntax", nullptr);
            kept.bytes = QByteArray(raw ? raw : "", raw ? std::max(length, 0) : 0);
            kept.xml = sru || (kind && qstricmp(kind, "xml") == 0);
            bytes += kept.bytes.size();
        }
        if (bytes > search.maxBytes) {
            answer = CatalogueAnswer{QStringLiteral("answer too large"), 0, {}};
            return answer;
        }
        answer.records.append(std::move(kept));
    }
    return answer;
}

class YazPendingAnswer final : public PendingCatalogueAnswer
{
public:
    explicit YazPendingAnswer(std::shared_ptr<SearchState> state)
        : m_state(std::move(state))
    {}
    ~YazPendingAnswer() override { m_state->abandoned.store(true); }
    YazPendingAnswer(const YazPendingAnswer&) = delete;
    YazPendingAnswer& operator=(const YazPendingAnswer&) = delete;

    bool isComplete() const override { return m_state->done.load(std::memory_order_acquire); }
    CatalogueAnswer answer() const override
    {
        return isComplete() ? m_state->answer : CatalogueAnswer{};
    }

private:
    std::shared_ptr<SearchState> m_state;
};

} // namespace

// The threads of the searches under way: the connection waits for them as it goes, each a
// moment at most once given up.
struct YazCatalogueConnection::Threads
{
    std::mutex mutex;
    std::vector<std::pair<std::thread, std::shared_ptr<SearchState>>> running;
};

YazCatalogueConnection::YazCatalogueConnection(bool loopbackOnly)
    : m_loopbackOnly(loopbackOnly)
    , m_threads(std::make_unique<Threads>())
{
    // YAZ logs what ZOOM meets (a failed answer, whole) on standard error; the failure reaches the
    // user in the row instead.
    yaz_log_init_level(YLOG_FATAL);
}

YazCatalogueConnection::~YazCatalogueConnection()
{
    for (auto& [thread, state] : m_threads->running) {
        state->abandoned.store(true);
        thread.join();
    }
}

QString YazCatalogueConnection::refusal(const CatalogueSearch& search) const
{
    if (m_loopbackOnly && !IsLoopbackHost(search.host))
        return NotLoopbackFailure(search.host);
    if (search.host.isEmpty())
        return QStringLiteral("no host");
    return {};
}

std::unique_ptr<PendingCatalogueAnswer>
YazCatalogueConnection::search(const CatalogueSearch& search)
{
    auto state = std::make_shared<SearchState>();
    if (QString refused = refusal(search); !refused.isEmpty()) {
        state->answer.failure = std::move(refused);
        state->done.store(true);
        return std::make_unique<YazPendingAnswer>(state);
    }
    Threads& threads = *m_threads;
    const std::lock_guard lock(threads.mutex);
    // Those that have ended are joined now, so that the list stays as long as the searches
    // under way.
    std::erase_if(threads.running, [](auto& entry) {
        if (!entry.second->done.load())
            return false;
        entry.first.join();
        return true;
    });
    std::thread thread([state, search] {
        CatalogueAnswer answer = Run(search, state->abandoned);
        state->answer = std::move(answer);
        state->done.store(true, std::memory_order_release);
        // Any event wakes a caller waiting for events; this one carries nothing.
        if (QCoreApplication* const application = QCoreApplication::instance())
            QMetaObject::invokeMethod(
                application, [] {}, Qt::QueuedConnection);
    });
    threads.running.emplace_back(std::move(thread), state);
    return std::make_unique<YazPendingAnswer>(state);
}
