#include "desktop/network/QtPageLoader.h"

#include "common/Loopback.h"
#include "common/OperationFailed.h"
#include "common/PublicAddress.h"
#include "desktop/network/PageLoaderChecks.h"

#include <QCoreApplication>
#include <QHostAddress>
#include <QHostInfo>
#include <QNetworkProxy>
#include <QNetworkRequest>
#include <QPointer>
#include <QTimer>
#include <QUrl>

#include <algorithm>
#include <functional>

namespace {
// How far Qt's network thread may read an answer ahead of the page: a bound on what arrives past
// the size cap.
constexpr qint64 kReadAheadBytes = 256 * 1024;

// Now and then, when the server closes the connection in the middle of a page, Qt 6.4 ends the
// reply without an error and with part of the body: a page shorter than the length its head
// declared is one whose connection closed, never a page without a record. A compressed page,
// which Qt inflates, is not compared: its declared length is that of the compressed bytes.
bool CutShort(const QNetworkReply& reply, qsizetype received)
{
    const QVariant declared = reply.header(QNetworkRequest::ContentLengthHeader);
    if (!declared.isValid() || reply.hasRawHeader("Content-Encoding"))
        return false;
    return received < declared.toLongLong();
}

class QtPendingPage final : public PendingPage
{
public:
    // Sends the request at once, or once the host's name is known to give only public addresses
    // when the request says it must.
    QtPendingPage(QNetworkAccessManager& manager, QNetworkRequest request, const PageRequest& asked,
                  const QtPageLoader::Limits& limits, std::shared_ptr<int> busy)
        : m_busy(std::move(busy))
        , m_manager(&manager)
        , m_request(std::move(request))
        , m_method(asked.method)
        , m_body(asked.body)
        , m_maxBytes(limits.maxPageBytes)
        , m_loopbackOnly(limits.loopbackOnly)
        , m_publicOnly(asked.publicOnly)
        , m_ownHosts(asked.ownHosts)
        , m_secure(asked.url.scheme() == u"https")
    {
        m_timer.setSingleShot(true);
        m_timer.callOnTimeout(&m_context, [this] { abort(Abort::TimedOut); });
        m_timer.start(limits.timeLimit);
        whenPublic(asked.url, [this] { send(); });
    }

    ~QtPendingPage() override
    {
        if (!m_complete)
            --*m_busy;
        m_timer.stop();
        if (m_lookup >= 0)
            QHostInfo::abortHostLookup(m_lookup);
        QObject::disconnect(m_finished);
        QObject::disconnect(m_readyRead);
        QObject::disconnect(m_redirected);
        if (m_reply) {
            if (!m_reply->isFinished())
                m_reply->abort();
            // Deleted now rather than later: a run visits thousands of codes before control
            // gets back to the main loop, and deferred deletions would pile up until then.
            delete m_reply.data();
        }
    }

    bool isComplete() const override { return m_complete; }
    PageResponse response() const override { return m_response; }

private:
    enum class Abort { None, TimedOut, TooLarge, NotLoopback, Insecure, NotPublic };

    void send()
    {
        if (!m_manager) {
            fail(QStringLiteral("cancelled"));
            return;
        }
        QNetworkReply* const reply =
            m_method.isEmpty() || m_method == "GET"
                ? m_manager->get(m_request)
                : m_manager->sendCustomRequest(m_request, m_method, m_body);
        m_reply = reply;
        m_finished =
            QObject::connect(reply, &QNetworkReply::finished, reply, [this] { onFinished(); });
        m_readyRead =
            QObject::connect(reply, &QNetworkReply::readyRead, reply, [this] { onReadyRead(); });
        m_redirected = QObject::connect(reply, &QNetworkReply::redirected, reply,
                                        [this](const QUrl& to) { onRedirected(to); });
        reply->setReadBufferSize(kReadAheadBytes);
    }

    // Runs `then` when the address may be asked: at once unless only public hosts may be, else
    // once every address its name gives is public. Otherwise the page fails.
    void whenPublic(const QUrl& url, std::function<void()> then)
    {
        const QString host = url.host();
        if (!m_publicOnly || IsOwnHost(url, m_ownHosts)) {
            then();
            return;
        }
        if (const std::optional<QString> refused = WrittenAddressRefusal(host)) {
            if (refused->isEmpty())
                then();
            else
                refuse(*refused);
            return;
        }
        // Qt looks the name up again as it connects, from its cache of what was found here.
        m_lookup = QHostInfo::lookupHost(
            host, &m_context, [this, host, then = std::move(then)](const QHostInfo& info) {
                m_lookup = -1;
                if (m_complete)
                    return; // timed out meanwhile
                if (const QString refused = LookedUpRefusal(host, info); !refused.isEmpty())
                    refuse(refused);
                else
                    then();
            });
    }

    void refuse(const QString& why)
    {
        if (m_reply) {
            m_refusal = why;
            abort(Abort::NotPublic);
        } else {
            fail(why);
        }
    }

    // The end before any reply was sent.
    void fail(const QString& why)
    {
        if (m_complete)
            return;
        --*m_busy;
        m_timer.stop();
        m_response.failure = why;
        m_complete = true;
    }

    void abort(Abort why)
    {
        if (!m_reply) {
            fail(why == Abort::TimedOut ? QStringLiteral("timed out")
                                        : QStringLiteral("cancelled"));
            return;
        }
        m_abort = why;
        m_reply->abort(); // finishes the reply at once
    }

    // Drained as it arrives into the page's own buffer, so that the reply's stays small: Qt's
    // network thread reads ahead only that far, and an endless answer stops near the cap even
    // when this thread is slow to be scheduled.
    void onReadyRead()
    {
        const qint64 available = m_reply->bytesAvailable();
        const qint64 had = m_received.size();
        if (had + available > m_maxBytes) {
            abort(Abort::TooLarge);
            return;
        }
        // Grown by doubling, as QByteArray would, but never past the cap: a page just under it
        // holds no more than the cap.
        if (m_received.capacity() < had + available)
            m_received.reserve(std::min(m_maxBytes, std::max(2 * had, had + available)));
        m_received.resize(had + available);
        const qint64 read = m_reply->read(m_received.data() + had, available);
        m_received.resize(had + std::max<qint64>(0, read));
    }

    // Every redirection is looked at before it is followed: it must not lead away from this
    // machine when only loopback is allowed, nor from https to plain http, nor, for an address
    // that came in an answer, to a host that is not public.
    void onRedirected(const QUrl& to)
    {
        m_received.clear();
        if (m_loopbackOnly && !IsLoopbackUrl(to)) {
            m_refusedHost = to.host();
            abort(Abort::NotLoopback);
        } else if (m_secure && to.scheme() != u"https")
            abort(Abort::Insecure);
        else
            whenPublic(to, [this] { Q_EMIT m_reply->redirectAllowed(); });
    }

    void onFinished()
    {
        --*m_busy;
        m_timer.stop();
        const int status = m_reply->attribute(QNetworkRequest::HttpStatusCodeAttribute).toInt();
        switch (m_abort) {
        case Abort::TimedOut:
            m_response.failure = QStringLiteral("timed out");
            break;
        case Abort::TooLarge:
            m_response.failure = QStringLiteral("page too large");
            break;
        case Abort::NotLoopback:
            m_response.failure = NotLoopbackFailure(m_refusedHost);
            break;
        case Abort::Insecure:
            m_response.failure = QStringLiteral("insecure redirect");
            break;
        case Abort::NotPublic:
            m_response.failure = m_refusal;
            break;
        case Abort::None:
            m_response.failure =
                DescribeNetworkFailure(m_reply->error(), status, m_reply->errorString());
            break;
        }
        if (m_response.failure.isEmpty()) {
            m_received.append(m_reply->readAll());
            if (m_received.size() > m_maxBytes) {
                m_response.failure = QStringLiteral("page too large");
            } else if (CutShort(*m_reply, m_received.size())) {
                m_response.failure =
                    DescribeNetworkFailure(QNetworkReply::RemoteHostClosedError, status, QString());
            } else {
                m_response.status = status;
                m_response.headers = m_reply->rawHeaderPairs();
                m_response.body = std::move(m_received);
            }
            m_received = {};
        }
        m_complete = true;
    }

    std::shared_ptr<int> m_busy;
    QPointer<QNetworkAccessManager> m_manager; // gone with a loader that went first
    QNetworkRequest m_request;
    QByteArray m_method;
    QByteArray m_body;
    QPointer<QNetworkReply> m_reply; // the manager deletes it should it go first
    QByteArray m_received;           // the body read so far
    qint64 m_maxBytes;
    bool m_loopbackOnly;
    bool m_publicOnly;
    QStringList m_ownHosts;
    bool m_secure;
    // Owns the timer's and the name lookups' calls, so that none comes after the page is gone.
    QObject m_context;
    QTimer m_timer;
    int m_lookup = -1;
    QMetaObject::Connection m_finished;
    QMetaObject::Connection m_readyRead;
    QMetaObject::Connection m_redirected;
    Abort m_abort = Abort::None;
    QString m_refusedHost;
    QString m_refusal;
    bool m_complete = false;
    PageResponse m_response;
};
} // namespace

// The words stay English here: they go into batch mode's output, which scripts read. The download
// of the index, whose failures only people read, translates them (QtHttpFetcher).
namespace {
QString Word(const char* english)
{
    return QString::fromLatin1(english);
}
} // namespace

QString DescribeNetworkFailure(QNetworkReply::NetworkError error, int httpStatus,
                               const QString& errorText)
{
    switch (error) {
    case QNetworkReply::NoError:
        return {};
    case QNetworkReply::ConnectionRefusedError:
        return Word(QT_TRANSLATE_NOOP("QtPageLoader", "connection refused"));
    case QNetworkReply::RemoteHostClosedError:
        return Word(QT_TRANSLATE_NOOP("QtPageLoader", "connection closed"));
    case QNetworkReply::HostNotFoundError:
        return Word(QT_TRANSLATE_NOOP("QtPageLoader", "host not found"));
    case QNetworkReply::TimeoutError:
        return Word(QT_TRANSLATE_NOOP("QtPageLoader", "timed out"));
    case QNetworkReply::OperationCanceledError:
        return Word(QT_TRANSLATE_NOOP("QtPageLoader", "cancelled"));
    case QNetworkReply::SslHandshakeFailedError:
        return Word(QT_TRANSLATE_NOOP("QtPageLoader", "secure connection failed"));
    case QNetworkReply::TemporaryNetworkFailureError:
    case QNetworkReply::NetworkSessionFailedError:
        return Word(QT_TRANSLATE_NOOP("QtPageLoader", "network unavailable"));
    case QNetworkReply::TooManyRedirectsError:
        return Word(QT_TRANSLATE_NOOP("QtPageLoader", "too many redirects"));
    case QNetworkReply::InsecureRedirectError:
        return Word(QT_TRANSLATE_NOOP("QtPageLoader", "insecure redirect"));
    case QNetworkReply::ProtocolFailure:
        return Word(QT_TRANSLATE_NOOP("QtPageLoader", "malformed answer"));
    default:
        break;
    }
    // An error status comes with an answer of its own (a page, a JSON body): it arrived.
    const bool statusWithPage =
        (error >= QNetworkReply::ContentAccessDenied &&
         error <= QNetworkReply::UnknownContentError) ||
        (error >= QNetworkReply::InternalServerError && error <= QNetworkReply::UnknownServerError);
    if ((statusWithPage && httpStatus > 0) || httpStatus >= 400)
        return {};
    if (error >= QNetworkReply::ProxyConnectionRefusedError &&
        error <= QNetworkReply::UnknownProxyError)
        return Word(QT_TRANSLATE_NOOP("QtPageLoader", "proxy error"));
    // A redirection that could not be followed (no address to go to, or one of no known kind)
    // still arrived as an answer with its status.
    if (httpStatus >= 300 && httpStatus < 400)
        return {};
    return errorText.isEmpty() ? Word(QT_TRANSLATE_NOOP("QtPageLoader", "network error"))
                               : errorText;
}

QtPageLoader::QtPageLoader()
    : QtPageLoader(Limits{})
{}

QtPageLoader::QtPageLoader(Limits limits)
    : m_limits(limits)
{
    // The variable holds for every loader of the process, however it was made: a test or a tool
    // that forgets to pass the setting on still cannot reach past this machine.
    if (qEnvironmentVariableIntValue("QUILLFEN_LOOPBACK_ONLY") != 0)
        m_limits.loopbackOnly = true;
}

QtPageLoader::Manager& QtPageLoader::leastBusy()
{
    // Qt opens at most six connections to a host for one manager and queues the rest.
    constexpr int kConnectionsPerManager = 6;
    for (Manager& manager : m_managers)
        if (*manager.busy < kConnectionsPerManager)
            return manager;
    Manager fresh;
    fresh.manager = std::make_unique<QNetworkAccessManager>();
    // Replies are deleted by their pages as soon as the run is done with them.
    fresh.manager->setAutoDeleteReplies(false);
    // A proxy is another host: when only this machine may be reached, nothing goes through one.
    if (m_limits.loopbackOnly)
        fresh.manager->setProxy(QNetworkProxy::NoProxy);
    m_managers.push_back(std::move(fresh));
    return m_managers.back();
}

QtPageLoader::~QtPageLoader() = default;

QString QtPageLoader::refusal(const QUrl& url) const
{
    return LoopbackRefusal(m_limits, url);
}

std::unique_ptr<PendingPage> QtPageLoader::start(const PageRequest& pageRequest)
{
    const QUrl& address = pageRequest.url;
    if (std::unique_ptr<PendingPage> refused = RefusedBeforeSending(m_limits, address))
        return refused;
    QNetworkRequest request(address);
    request.setRawHeader("User-Agent", pageRequest.userAgent.isEmpty()
                                           ? QByteArrayLiteral("Quillfen/" QUILLFEN_VERSION)
                                           : pageRequest.userAgent);
    for (const auto& [name, value] : pageRequest.headers)
        request.setRawHeader(name, value);
    if (pageRequest.maxRedirects > 0) {
        request.setAttribute(QNetworkRequest::RedirectPolicyAttribute,
                             QNetworkRequest::UserVerifiedRedirectPolicy);
        request.setMaximumRedirectsAllowed(pageRequest.maxRedirects);
    } else {
        request.setAttribute(QNetworkRequest::RedirectPolicyAttribute,
                             QNetworkRequest::ManualRedirectPolicy);
    }
    Manager& manager = leastBusy();
    ++*manager.busy;
    return std::make_unique<QtPendingPage>(*manager.manager, std::move(request), pageRequest,
                                           m_limits, manager.busy);
}
