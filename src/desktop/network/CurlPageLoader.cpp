#include "desktop/network/CurlPageLoader.h"

#include "common/Loopback.h"
#include "common/OperationFailed.h"
#include "common/PublicAddress.h"
#include "desktop/network/PageLoaderChecks.h"

#include <QDeadlineTimer>
#include <QHostAddress>
#include <QHostInfo>
#include <QLocale>
#include <QNetworkProxyFactory>
#include <QSocketNotifier>
#include <QTimer>
#include <QUrl>

#include <curl/curl.h>
#include <functional>
#include <map>
#include <unistd.h>
#include <unordered_map>
#include <vector>

class CurlPendingPage;

// One multi handle and what drives it from the event loop: a notifier per socket and direction
// curl wants watched, and a timer for curl's own timeouts.
class CurlTransfers
{
    Q_DISABLE_COPY_MOVE(CurlTransfers)
public:
    explicit CurlTransfers(bool loopbackOnly);
    ~CurlTransfers();

    // A transfer handle, reused from a finished page when there is one. Options the pages set are
    // all set again for every transfer.
    CURL* take();
    void giveBack(CURL* easy);
    void add(CURL* easy);
    void remove(CURL* easy);

    bool loopbackOnly() const { return m_loopbackOnly; }
    // The proxy Qt would take for the address, as curl writes it; empty for none.
    const QByteArray& proxyFor(const QUrl& url);
    curl_slist* headers() const { return m_headers; }

private:
    struct Watch
    {
        std::unique_ptr<QSocketNotifier> read;
        std::unique_ptr<QSocketNotifier> write;
    };

    static int onSocket(CURL* easy, curl_socket_t socket, int what, void* self, void* socketData);
    static int onTimer(CURLM* multi, long timeoutMs, void* self);
    static int onCloseSocket(void* self, curl_socket_t socket);
    void watch(std::unique_ptr<QSocketNotifier>& notifier, curl_socket_t socket,
               QSocketNotifier::Type type, bool wanted);
    void act(curl_socket_t socket, int events);
    void finishTransfers();

    bool m_loopbackOnly;
    CURLM* m_multi = nullptr;
    curl_slist* m_headers = nullptr;
    QTimer m_timer;
    std::unordered_map<curl_socket_t, Watch> m_watches;
    // Notifiers of closed sockets: a notifier may be the one whose signal is running when curl
    // closes its socket, so they go when no notifier's signal can be.
    std::vector<std::unique_ptr<QSocketNotifier>> m_retired;
    std::vector<CURL*> m_idle;
    bool m_finishing = false;
    // Qt's answer for each scheme, host and port asked so far, kept for the loader's life: the
    // desktop's settings can be slow to ask, and a run asks one host thousands of times.
    std::map<QString, QByteArray> m_proxies;
};

namespace {
// The words QtPageLoader gives the same outcome.
QString DescribeCurlFailure(CURLcode code)
{
    switch (code) {
    case CURLE_OK:
        return {};
    case CURLE_COULDNT_CONNECT:
        return QStringLiteral("connection refused");
    case CURLE_GOT_NOTHING:
    case CURLE_RECV_ERROR:
    case CURLE_SEND_ERROR:
    case CURLE_PARTIAL_FILE:
        return QStringLiteral("connection closed");
    case CURLE_COULDNT_RESOLVE_HOST:
        return QStringLiteral("host not found");
    case CURLE_OPERATION_TIMEDOUT:
        return QStringLiteral("timed out");
    case CURLE_SSL_CONNECT_ERROR:
    case CURLE_PEER_FAILED_VERIFICATION:
    case CURLE_SSL_CERTPROBLEM:
    case CURLE_SSL_CIPHER:
    case CURLE_SSL_CACERT_BADFILE:
    case CURLE_SSL_ISSUER_ERROR:
    case CURLE_SSL_INVALIDCERTSTATUS:
    case CURLE_SSL_PINNEDPUBKEYNOTMATCH:
        return QStringLiteral("secure connection failed");
    case CURLE_COULDNT_RESOLVE_PROXY:
    case CURLE_PROXY:
        return QStringLiteral("proxy error");
    case CURLE_WEIRD_SERVER_REPLY:
    case CURLE_UNSUPPORTED_PROTOCOL: // an answer without a head: only http and https are allowed
    case CURLE_BAD_CONTENT_ENCODING:
    case CURLE_HTTP2:
    case CURLE_HTTP2_STREAM:
        return QStringLiteral("malformed answer");
    default:
        break;
    }
    const QString text = QString::fromUtf8(curl_easy_strerror(code));
    return text.isEmpty() ? QStringLiteral("network error") : text;
}

// The statuses Qt follows as redirections.
bool IsRedirection(long status)
{
    return status == 301 || status == 302 || status == 303 || status == 305 || status == 307 ||
           status == 308;
}
} // namespace

class CurlPendingPage final : public PendingPage
{
    Q_DISABLE_COPY_MOVE(CurlPendingPage)
public:
    CurlPendingPage(std::shared_ptr<CurlTransfers> transfers, const PageRequest& asked,
                    const PageLoaderLimits& limits)
        : m_transfers(std::move(transfers))
        , m_url(asked.url)
        , m_userAgent(asked.userAgent.isEmpty() ? QByteArrayLiteral("Quillfen/" QUILLFEN_VERSION)
                                                : asked.userAgent)
        , m_maxRedirects(asked.maxRedirects)
        , m_publicOnly(asked.publicOnly)
        , m_ownHosts(asked.ownHosts)
        , m_method(asked.method)
        , m_body(asked.body)
        , m_extraHeaders(asked.headers)
        , m_secure(asked.url.scheme() == u"https")
        , m_maxBytes(limits.maxPageBytes)
        , m_deadline(limits.timeLimit)
    {
        m_lookupTimer.setSingleShot(true);
        m_lookupTimer.callOnTimeout(&m_context, [this] { fail(QStringLiteral("timed out")); });
        whenPublic(m_url, [this] { send(); });
    }

    ~CurlPendingPage() override
    {
        if (m_lookup >= 0)
            QHostInfo::abortHostLookup(m_lookup);
        release();
        curl_slist_free_all(m_headerList);
        curl_slist_free_all(m_resolveList);
    }

    bool isComplete() const override { return m_complete; }
    PageResponse response() const override { return m_response; }

    // Called by the transfers once curl is done with this page's current request.
    void transferDone(CURLcode code)
    {
        m_transfers->remove(m_easy);
        m_sending = false;
        if (m_tooLarge) {
            fail(QStringLiteral("page too large"));
            return;
        }
        if (code != CURLE_OK) {
            fail(DescribeCurlFailure(code));
            return;
        }
        long status = 0;
        curl_easy_getinfo(m_easy, CURLINFO_RESPONSE_CODE, &status);
        if (m_maxRedirects > 0 && IsRedirection(status)) {
            const QByteArray location = m_received.header("Location");
            const QUrl to = m_url.resolved(QUrl::fromEncoded(location));
            const QString scheme = to.scheme();
            // Without a place to go to, or one of no known kind, the redirection is the answer.
            if (!location.isEmpty() && to.isValid() && (scheme == u"http" || scheme == u"https")) {
                followTo(to);
                return;
            }
        }
        m_received.status = int(status);
        m_response = std::move(m_received);
        complete();
    }

private:
    // Every redirection is looked at before it is followed: it must not lead away from this
    // machine when only loopback is allowed, nor from https to plain http, nor, for an address
    // that came in an answer, to a host that is not public.
    void followTo(const QUrl& to)
    {
        if (m_redirects >= m_maxRedirects)
            fail(QStringLiteral("too many redirects"));
        else if (m_transfers->loopbackOnly() && !IsLoopbackUrl(to))
            fail(NotLoopbackFailure(to.host()));
        else if (m_secure && to.scheme() != u"https")
            fail(QStringLiteral("insecure redirect"));
        else {
            ++m_redirects;
            // Headers of the caller's own (a key among them) go to the host they were meant for
            // only; what was sent is not sent again where the answer sent the request on.
            if (to.host() != m_url.host())
                m_extraHeaders.clear();
            if (!m_method.isEmpty() && m_method != "GET") {
                m_method.clear();
                m_body.clear();
            }
            m_url = to;
            whenPublic(to, [this] { send(); });
        }
    }

    // Runs `then` when the address may be asked: at once unless only public hosts may be, else
    // once every address its name gives is public. Otherwise the page fails.
    void whenPublic(const QUrl& url, std::function<void()> then)
    {
        const QString host = url.host();
        m_pinned.clear();
        if (!m_publicOnly || IsOwnHost(url, m_ownHosts)) {
            then();
            return;
        }
        if (const std::optional<QString> refused = WrittenAddressRefusal(host)) {
            if (refused->isEmpty())
                then();
            else
                fail(*refused);
            return;
        }
        // curl looks the name up again as it connects; the lookup here is what QtPageLoader
        // judges by too, so both loaders refuse the same names. The transfer's own time limit
        // does not run yet: this one bounds the wait.
        m_lookupTimer.start(std::max<qint64>(0, m_deadline.remainingTime()));
        m_lookup = QHostInfo::lookupHost(
            host, &m_context, [this, host, then = std::move(then)](const QHostInfo& info) {
                m_lookup = -1;
                m_lookupTimer.stop();
                if (m_complete)
                    return;
                if (const QString refused = LookedUpRefusal(host, info); !refused.isEmpty()) {
                    fail(refused);
                } else {
                    m_pinned =
                        PinnedResolveEntry(host, m_url.port(m_secure ? 443 : 80), info.addresses());
                    then();
                }
            });
    }

    void send()
    {
        if (m_complete)
            return;
        const qint64 remainingMs = m_deadline.remainingTime();
        if (remainingMs == 0) {
            fail(QStringLiteral("timed out"));
            return;
        }
        if (!m_easy)
            m_easy = m_transfers->take();
        m_received = {};
        m_tooLarge = false;
        m_urlBytes = m_url.toEncoded(QUrl::RemoveFragment);
        CURL* const easy = m_easy;
        curl_easy_setopt(easy, CURLOPT_URL, m_urlBytes.constData());
        curl_easy_setopt(easy, CURLOPT_PRIVATE, this);
        curl_easy_setopt(easy, CURLOPT_USERAGENT, m_userAgent.constData());
        curl_easy_setopt(easy, CURLOPT_TIMEOUT_MS, long(std::max<qint64>(1, remainingMs)));
        curl_easy_setopt(easy, CURLOPT_PROXY, m_transfers->proxyFor(m_url).constData());
        curl_easy_setopt(easy, CURLOPT_WRITEFUNCTION, &CurlPendingPage::onBody);
        curl_easy_setopt(easy, CURLOPT_WRITEDATA, this);
        curl_easy_setopt(easy, CURLOPT_HEADERFUNCTION, &CurlPendingPage::onHeader);
        curl_easy_setopt(easy, CURLOPT_HEADERDATA, this);
        // A reused handle keeps what the last page set: the method, body and headers are all
        // set again.
        curl_slist_free_all(m_headerList);
        m_headerList = nullptr;
        if (!m_extraHeaders.isEmpty()) {
            for (const curl_slist* item = m_transfers->headers(); item; item = item->next)
                m_headerList = curl_slist_append(m_headerList, item->data);
            for (const auto& [name, value] : m_extraHeaders)
                m_headerList =
                    curl_slist_append(m_headerList, QByteArray(name + ": " + value).constData());
        }
        curl_easy_setopt(easy, CURLOPT_HTTPHEADER,
                         m_headerList ? m_headerList : m_transfers->headers());
        // The address judged is the address asked: curl takes the lookup's answer as it is.
        curl_slist_free_all(m_resolveList);
        m_resolveList =
            m_pinned.isEmpty() ? nullptr : curl_slist_append(nullptr, m_pinned.constData());
        curl_easy_setopt(easy, CURLOPT_RESOLVE, m_resolveList);
        curl_easy_setopt(easy, CURLOPT_CUSTOMREQUEST, nullptr);
        if (m_method.isEmpty() || m_method == "GET") {
            curl_easy_setopt(easy, CURLOPT_HTTPGET, 1L);
        } else {
            curl_easy_setopt(easy, CURLOPT_POSTFIELDSIZE_LARGE, curl_off_t(m_body.size()));
            curl_easy_setopt(easy, CURLOPT_POSTFIELDS, m_body.constData());
            if (m_method != "POST")
                curl_easy_setopt(easy, CURLOPT_CUSTOMREQUEST, m_method.constData());
        }
        m_sending = true;
        m_transfers->add(easy);
    }

    // The size cap counts bytes as they arrive, whatever the head said of the length.
    static size_t onBody(char* data, size_t size, size_t count, void* self)
    {
        auto* const page = static_cast<CurlPendingPage*>(self);
        const size_t bytes = size * count;
        if (page->m_received.body.size() + qint64(bytes) > page->m_maxBytes) {
            page->m_tooLarge = true;
            return 0; // curl ends the transfer with a write error
        }
        page->m_received.body.append(data, qsizetype(bytes));
        return bytes;
    }

    // A status line starts a head of its own (a redirection's, a 100 Continue's): the headers
    // are those of the last one. Repeated headers are joined as Qt joins them.
    static size_t onHeader(char* data, size_t size, size_t count, void* self)
    {
        auto* const page = static_cast<CurlPendingPage*>(self);
        const size_t bytes = size * count;
        const QByteArrayView line = QByteArrayView(data, qsizetype(bytes)).trimmed();
        auto& headers = page->m_received.headers;
        if (line.startsWith("HTTP/")) {
            headers.clear();
            page->m_received.body.clear();
            return bytes;
        }
        const qsizetype colon = line.indexOf(':');
        if (colon <= 0)
            return bytes;
        const QByteArray name = line.first(colon).trimmed().toByteArray();
        const QByteArray value = line.sliced(colon + 1).trimmed().toByteArray();
        for (auto& [key, existing] : headers) {
            if (key.compare(name, Qt::CaseInsensitive) == 0) {
                existing += (name.compare("set-cookie", Qt::CaseInsensitive) == 0 ? "\n" : ", ");
                existing += value;
                return bytes;
            }
        }
        headers.emplace_back(name, value);
        return bytes;
    }

    void fail(const QString& why)
    {
        if (m_complete)
            return;
        m_response = PageResponse{};
        m_response.failure = why;
        complete();
    }

    void complete()
    {
        m_complete = true;
        m_lookupTimer.stop();
        release();
    }

    // The transfer handle goes back for the next page; its connection stays open.
    void release()
    {
        if (!m_easy)
            return;
        if (m_sending)
            m_transfers->remove(m_easy);
        m_sending = false;
        m_transfers->giveBack(m_easy);
        m_easy = nullptr;
    }

    std::shared_ptr<CurlTransfers> m_transfers;
    QUrl m_url;
    QByteArray m_urlBytes; // curl copies it, but kept for the transfer's life all the same
    QByteArray m_userAgent;
    int m_maxRedirects;
    int m_redirects = 0;
    bool m_publicOnly;
    QStringList m_ownHosts;
    QByteArray m_method; // empty: GET
    QByteArray m_body;
    QList<std::pair<QByteArray, QByteArray>> m_extraHeaders;
    curl_slist* m_headerList = nullptr; // the loader's headers and the page's, when it has any
    // The name and the addresses its lookup gave, once judged public: "+host:port:addresses".
    QByteArray m_pinned;
    curl_slist* m_resolveList = nullptr;
    bool m_secure;
    qint64 m_maxBytes;
    QDeadlineTimer m_deadline;
    CURL* m_easy = nullptr;
    bool m_sending = false;
    bool m_tooLarge = false;
    PageResponse m_received; // the answer coming in
    // Owns the name lookups' calls and the timer's, so that none comes after the page is gone.
    QObject m_context;
    QTimer m_lookupTimer;
    int m_lookup = -1;
    bool m_complete = false;
    PageResponse m_response;
};

CurlTransfers::CurlTransfers(bool loopbackOnly)
    : m_loopbackOnly(loopbackOnly)
{
    // Thread-safe in this curl; a process that never loads a page through curl never calls it.
    static const CURLcode initialised = curl_global_init(CURL_GLOBAL_DEFAULT);
    if (initialised != CURLE_OK)
        throw OperationFailed(QStringLiteral("Could not start the HTTP client: ") +
                              QString::fromUtf8(curl_easy_strerror(initialised)));
    m_multi = curl_multi_init();
    if (!m_multi)
        throw OperationFailed(QStringLiteral("Could not start the HTTP client"));
    curl_multi_setopt(m_multi, CURLMOPT_SOCKETFUNCTION, &CurlTransfers::onSocket);
    curl_multi_setopt(m_multi, CURLMOPT_SOCKETDATA, this);
    curl_multi_setopt(m_multi, CURLMOPT_TIMERFUNCTION, &CurlTransfers::onTimer);
    curl_multi_setopt(m_multi, CURLMOPT_TIMERDATA, this);
    // As Qt asks: the user's language, then English, then anything.
    const QString locale = QLocale::system().name().replace(u'_', u'-');
    const QString languages = locale == u"C"              ? QStringLiteral("en,*")
                              : locale.startsWith(u"en-") ? locale + QStringLiteral(",*")
                                                          : locale + QStringLiteral(",en,*");
    const QByteArray acceptLanguage = "Accept-Language: " + languages.toLatin1();
    m_headers = curl_slist_append(nullptr, acceptLanguage.constData());
    m_timer.setSingleShot(true);
    m_timer.setTimerType(Qt::PreciseTimer);
    m_timer.callOnTimeout([this] {
        m_retired.clear();
        act(CURL_SOCKET_TIMEOUT, 0);
    });
}

CurlTransfers::~CurlTransfers()
{
    // The pages have all gone (they hold this), and with them their transfers. Closing the
    // connections calls back into the watches, so they stay until then.
    curl_multi_cleanup(m_multi);
    for (CURL* easy : m_idle)
        curl_easy_cleanup(easy);
    curl_slist_free_all(m_headers);
}

CURL* CurlTransfers::take()
{
    if (!m_idle.empty()) {
        CURL* const easy = m_idle.back();
        m_idle.pop_back();
        return easy;
    }
    CURL* const easy = curl_easy_init();
    if (!easy)
        throw OperationFailed(QStringLiteral("Could not start the HTTP client"));
    curl_easy_setopt(easy, CURLOPT_NOSIGNAL, 1L);
    curl_easy_setopt(easy, CURLOPT_PROTOCOLS_STR, "http,https");
    // Redirections are followed one by one by the page, which looks at each first.
    curl_easy_setopt(easy, CURLOPT_FOLLOWLOCATION, 0L);
    // Every encoding curl can undo, as Qt asks for every one it can; the cap counts the bytes
    // undone.
    curl_easy_setopt(easy, CURLOPT_ACCEPT_ENCODING, "");
    curl_easy_setopt(easy, CURLOPT_HTTPHEADER, m_headers);
    curl_easy_setopt(easy, CURLOPT_SUPPRESS_CONNECT_HEADERS, 1L);
    curl_easy_setopt(easy, CURLOPT_CLOSESOCKETFUNCTION, &CurlTransfers::onCloseSocket);
    curl_easy_setopt(easy, CURLOPT_CLOSESOCKETDATA, this);
    return easy;
}

// The proxy is the one Qt chooses, from the environment (http_proxy, https_proxy, no_proxy) or
// the desktop's settings, so that both loaders go the same way; curl reads neither itself. A
// proxy is another host: when only this machine may be reached, nothing goes through one.
const QByteArray& CurlTransfers::proxyFor(const QUrl& url)
{
    static const QByteArray none = "";
    if (m_loopbackOnly)
        return none;
    const QString key = url.scheme() + u' ' + url.host() + u' ' + QString::number(url.port());
    if (const auto found = m_proxies.find(key); found != m_proxies.end())
        return found->second;
    QByteArray written = "";
    for (const QNetworkProxy& proxy :
         QNetworkProxyFactory::proxyForQuery(QNetworkProxyQuery(url))) {
        const char* scheme = nullptr;
        switch (proxy.type()) {
        case QNetworkProxy::HttpProxy:
        case QNetworkProxy::HttpCachingProxy:
            scheme = "http://";
            break;
        case QNetworkProxy::Socks5Proxy:
            scheme = "socks5h://";
            break;
        default:
            break;
        }
        if (proxy.type() == QNetworkProxy::NoProxy)
            break; // the first usable choice wins, as in Qt
        if (!scheme)
            continue;
        QUrl address;
        address.setHost(proxy.hostName());
        address.setPort(proxy.port());
        address.setUserName(proxy.user());
        address.setPassword(proxy.password());
        written = scheme + address.toEncoded(QUrl::RemoveScheme).mid(2); // without "//"
        break;
    }
    return m_proxies.emplace(key, written).first->second;
}

void CurlTransfers::giveBack(CURL* easy)
{
    curl_easy_setopt(easy, CURLOPT_PRIVATE, nullptr);
    m_idle.push_back(easy);
}

void CurlTransfers::add(CURL* easy)
{
    curl_multi_add_handle(m_multi, easy);
    // Sent now rather than at the timer's next turn of the event loop, unless curl is being
    // driven already (a redirection followed as the last request ended).
    if (!m_finishing)
        act(CURL_SOCKET_TIMEOUT, 0);
}

void CurlTransfers::remove(CURL* easy)
{
    curl_multi_remove_handle(m_multi, easy);
}

int CurlTransfers::onSocket(CURL* /*easy*/, curl_socket_t socket, int what, void* self,
                            void* /*socketData*/)
{
    auto* const transfers = static_cast<CurlTransfers*>(self);
    Watch& watch = transfers->m_watches[socket];
    const bool in = what == CURL_POLL_IN || what == CURL_POLL_INOUT;
    const bool out = what == CURL_POLL_OUT || what == CURL_POLL_INOUT;
    transfers->watch(watch.read, socket, QSocketNotifier::Read, in);
    transfers->watch(watch.write, socket, QSocketNotifier::Write, out);
    return 0;
}

// Notifiers stay with their socket while it is open, only switched on and off: a keep-alive
// connection is watched and let go once per request.
void CurlTransfers::watch(std::unique_ptr<QSocketNotifier>& notifier, curl_socket_t socket,
                          QSocketNotifier::Type type, bool wanted)
{
    if (!notifier) {
        if (!wanted)
            return;
        notifier = std::make_unique<QSocketNotifier>(socket, type);
        const int events = type == QSocketNotifier::Read ? CURL_CSELECT_IN : CURL_CSELECT_OUT;
        QObject::connect(notifier.get(), &QSocketNotifier::activated, notifier.get(),
                         [this, socket, events] { act(socket, events); });
    }
    if (notifier->isEnabled() != wanted)
        notifier->setEnabled(wanted);
}

int CurlTransfers::onCloseSocket(void* self, curl_socket_t socket)
{
    auto* const transfers = static_cast<CurlTransfers*>(self);
    if (const auto found = transfers->m_watches.find(socket); found != transfers->m_watches.end()) {
        for (std::unique_ptr<QSocketNotifier>* notifier :
             {&found->second.read, &found->second.write}) {
            if (*notifier) {
                (*notifier)->setEnabled(false);
                transfers->m_retired.push_back(std::move(*notifier));
            }
        }
        transfers->m_watches.erase(found);
    }
    return ::close(socket);
}

int CurlTransfers::onTimer(CURLM* /*multi*/, long timeoutMs, void* self)
{
    auto* const transfers = static_cast<CurlTransfers*>(self);
    if (timeoutMs < 0)
        transfers->m_timer.stop();
    else
        transfers->m_timer.start(int(std::min<long>(timeoutMs, 24L * 3600 * 1000)));
    return 0;
}

void CurlTransfers::act(curl_socket_t socket, int events)
{
    int running = 0;
    curl_multi_socket_action(m_multi, socket, events, &running);
    finishTransfers();
}

void CurlTransfers::finishTransfers()
{
    const bool outer = !m_finishing;
    m_finishing = true;
    int left = 0;
    while (CURLMsg* const message = curl_multi_info_read(m_multi, &left)) {
        if (message->msg != CURLMSG_DONE)
            continue;
        // The message goes with the handle's removal: read it first.
        CURL* const easy = message->easy_handle;
        const CURLcode code = message->data.result;
        CurlPendingPage* page = nullptr;
        curl_easy_getinfo(easy, CURLINFO_PRIVATE, &page);
        if (page)
            page->transferDone(code);
        else
            remove(easy);
    }
    if (outer)
        m_finishing = false;
}

CurlPageLoader::CurlPageLoader()
    : CurlPageLoader(Limits{})
{}

CurlPageLoader::CurlPageLoader(Limits limits)
    : m_limits(limits)
{
    // The variable holds for every loader of the process, however it was made: a test or a tool
    // that forgets to pass the setting on still cannot reach past this machine.
    if (qEnvironmentVariableIntValue("QUILLFEN_LOOPBACK_ONLY") != 0)
        m_limits.loopbackOnly = true;
    m_transfers = std::make_shared<CurlTransfers>(m_limits.loopbackOnly);
}

CurlPageLoader::~CurlPageLoader() = default;

QString CurlPageLoader::refusal(const QUrl& url) const
{
    return LoopbackRefusal(m_limits, url);
}

std::unique_ptr<PendingPage> CurlPageLoader::start(const PageRequest& request)
{
    if (std::unique_ptr<PendingPage> refused = RefusedBeforeSending(m_limits, request.url))
        return refused;
    return std::make_unique<CurlPendingPage>(m_transfers, request, m_limits);
}
