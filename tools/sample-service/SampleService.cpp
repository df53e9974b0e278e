#include "SampleService.h"

#include "OpenDatabases.h"
#include "PresetStandIns.h"
#include "SamplePictures.h"
#include "SruStandIn.h"

#include <QDateTime>
#include <QLocale>
#include <QStringEncoder>
#include <QTcpSocket>

#include <algorithm>
#include <optional>

namespace {
constexpr QByteArrayView kLookupPath = "/perl/ean-search.pl";
const QByteArray kHtml = "text/html; charset=utf-8";
// What the invalid-utf8 fault puts after the product name: a lone 0xFF, an overlong "/" (0xC0
// 0xAF), an encoded surrogate (0xED 0xA0 0x80) and a sequence cut short (0xE2 0x82), each after
// a space.
constexpr QByteArrayView kInvalidUtf8Tail = " \xFF \xC0\xAF \xED\xA0\x80 \xE2\x82";
// Stands for that tail in the page text until the page is encoded.
constexpr QStringView kInvalidUtf8Mark = u"@@invalid-utf8@@";

QString EscapeHtml(const QString& text)
{
    return text.toHtmlEscaped();
}

// The value of "q" as a CGI script sees it: "+" is a space, %XX a byte, the bytes UTF-8.
std::optional<QString> QueryValue(QByteArrayView query)
{
    for (const QByteArray& pair : query.toByteArray().split('&')) {
        if (!pair.startsWith("q="))
            continue;
        QByteArray value = pair.mid(2);
        value.replace('+', ' ');
        return QString::fromUtf8(QByteArray::fromPercentEncoding(value));
    }
    return std::nullopt;
}

QString PageHead(const QString& title, const QByteArray& metaCharset)
{
    QString head = QStringLiteral("<!DOCTYPE html>\n<html lang=\"en\">\n<head>\n");
    if (!metaCharset.isEmpty())
        head += QStringLiteral("<meta charset=\"") + QString::fromLatin1(metaCharset) +
                QStringLiteral("\">\n");
    head += QStringLiteral("<title>") + EscapeHtml(title) +
            QStringLiteral("</title>\n</head>\n<body>\n<h1>EAN search</h1>\n");
    return head;
}

// The page service's page for the code; `afterName` goes right after the product name,
// unescaped.
QString PageFor(const QHash<QString, QString>& catalog, const QString& code,
                const QByteArray& metaCharset, qint64 padTo, QStringView afterName)
{
    const auto product = catalog.constFind(code);
    QString page = PageHead(QStringLiteral("EAN search: ") + code, metaCharset);
    if (padTo > 0) {
        const QString line = QStringLiteral("<!-- catalogue index padding -->\n");
        page.reserve(padTo + 1024);
        while (page.size() < padTo)
            page += line;
    }
    if (product == catalog.cend()) {
        page += QStringLiteral("<p class=\"none\">No product found for EAN ") + EscapeHtml(code) +
                QStringLiteral(".</p>\n");
    } else {
        page += QStringLiteral("<p class=\"result\">Product name for EAN ") + code +
                QStringLiteral(": <a href=\"/product/") + code + QStringLiteral("\">") +
                EscapeHtml(product.value()) + afterName + QStringLiteral("</a></p>\n");
    }
    page += QStringLiteral("<p>Sample catalogue, not real products.</p>\n</body>\n</html>\n");
    return page;
}

HttpReply StatusPage(int status)
{
    return HttpReply{status,
                     kHtml,
                     {},
                     "<!DOCTYPE html>\n<html><body><h1>" + QByteArray::number(status) + ' ' +
                         ReasonPhrase(status) + "</h1></body></html>\n"};
}

// The page service's answer, with the faults that change the page itself.
HttpReply PageReply(const QHash<QString, QString>& catalog, const QString& code, const Fault* fault)
{
    // By default the charset is declared twice, as most sites do; the charset faults declare
    // theirs in one place only, to show that either is read.
    QByteArray charset = "utf-8";
    bool inHeader = true;
    bool inMeta = true;
    if (fault && fault->kind == Fault::Kind::Charset) {
        charset = fault->charset;
        inMeta = false;
    } else if (fault && fault->kind == Fault::Kind::MetaCharset) {
        charset = fault->charset;
        inHeader = false;
    }
    const bool invalidUtf8 = fault && fault->kind == Fault::Kind::InvalidUtf8;
    const QString text = PageFor(catalog, code, inMeta ? charset : QByteArray(),
                                 fault && fault->kind == Fault::Kind::Large ? fault->size : 0,
                                 invalidUtf8 ? kInvalidUtf8Mark : QStringView());
    QStringEncoder encoder(charset.constData());
    QByteArray body = encoder.isValid() ? QByteArray(encoder(text)) : text.toUtf8();
    if (invalidUtf8)
        body.replace(kInvalidUtf8Mark.toUtf8(), kInvalidUtf8Tail.toByteArray());
    return HttpReply{
        200, inHeader ? "text/html; charset=" + charset : QByteArray("text/html"), {}, body};
}

// The answer of an open database, with the faults that change the answer itself.
HttpReply OpenReply(const OpenRoute& route, const HttpRequest& request, const OpenCatalog& catalog,
                    const Fault* fault)
{
    OpenAnswerStyle style;
    const Fault::Kind kind = fault ? fault->kind : Fault::Kind::Status;
    if (fault) {
        style.resultShape = kind == Fault::Kind::ResultShape;
        style.notFoundCode = kind == Fault::Kind::NotFoundCode;
        style.afterName =
            kind == Fault::Kind::InvalidUtf8 ? kInvalidUtf8Mark.toString() : QString();
        style.padTo = kind == Fault::Kind::Large ? fault->size : 0;
    }
    HttpReply reply = AnswerOpenRoute(route, request, catalog, style);
    reply.body.replace(kOwnAddressMark, QByteArray("http://" + request.header("host")));
    if (fault && kind == Fault::Kind::InvalidUtf8)
        reply.body.replace(kInvalidUtf8Mark.toUtf8(), kInvalidUtf8Tail.toByteArray());
    if (fault && kind == Fault::Kind::MalformedJson &&
        reply.contentType.startsWith("application/json"))
        reply.body.truncate(reply.body.size() / 2);
    return reply;
}

// Whether the fault answers instead of the API, rather than changing or cutting its answer.
bool ReplacesAnswer(const Fault& fault, bool page)
{
    switch (fault.kind) {
    case Fault::Kind::Status:
    case Fault::Kind::Reset:
    case Fault::Kind::CloseBeforeAnswer:
    case Fault::Kind::NoAnswer:
    case Fault::Kind::EmptyBody:
        return true;
    case Fault::Kind::Html:
        return !page;
    default:
        return false;
    }
}

HttpAnswer FaultAnswer(const Fault& fault, bool page)
{
    switch (fault.kind) {
    case Fault::Kind::Reset:
        return {{}, Delivery::Reset};
    case Fault::Kind::CloseBeforeAnswer:
        return {{}, Delivery::CloseBeforeAnswer};
    case Fault::Kind::NoAnswer:
        return {{}, Delivery::NoAnswer};
    case Fault::Kind::EmptyBody:
        return {
            HttpReply{200, page ? kHtml : QByteArray("application/json; charset=utf-8"), {}, {}}};
    case Fault::Kind::Html:
        // What a proxy, a captive portal or a maintenance page puts where the API's JSON was.
        return {HttpReply{200,
                          kHtml,
                          {},
                          "<!DOCTYPE html>\n<html><head><title>Down for maintenance</title></head>"
                          "<body><h1>We'll be back soon</h1><p>The service is down for "
                          "maintenance.</p></body></html>\n"}};
    default:
        return {StatusPage(fault.status)};
    }
}

Delivery DeliveryFor(const Fault* fault)
{
    if (!fault)
        return Delivery::Whole;
    switch (fault->kind) {
    case Fault::Kind::CloseMidBody:
        return Delivery::CloseMidBody;
    case Fault::Kind::ResetMidBody:
        return Delivery::ResetMidBody;
    case Fault::Kind::StallMidBody:
        return Delivery::StallMidBody;
    default:
        return Delivery::Whole;
    }
}

void AddRetryAfter(HttpReply& reply, const Fault& fault)
{
    if (fault.retryAfterSeconds < 0)
        return;
    QByteArray value = QByteArray::number(fault.retryAfterSeconds);
    if (fault.retryAfterAsDate) {
        const QDateTime when = QDateTime::currentDateTimeUtc().addSecs(fault.retryAfterSeconds);
        value = QLocale::c().toString(when, u"ddd, dd MMM yyyy hh:mm:ss 'GMT'").toLatin1();
    }
    reply.headers.append({"Retry-After", value});
}

bool ParseCount(const QString& text, int minimum, int& count)
{
    bool ok = false;
    count = text.toInt(&ok);
    return ok && count >= minimum;
}
// One mode, without what may follow it.
bool ParseMode(const QString& text, Fault& fault)
{
    const QString kind = text.section(u':', 0, 0);
    const QString argument = text.section(u':', 1);
    fault = Fault{};
    bool ok = true;
    if (kind == u"status") {
        fault.kind = Fault::Kind::Status;
        fault.status = argument.toInt(&ok);
        return ok && fault.status >= 100 && fault.status <= 999;
    }
    if (kind == u"large") {
        fault.kind = Fault::Kind::Large;
        if (!argument.isEmpty())
            fault.size = argument.toLongLong(&ok);
        return ok && fault.size > 0;
    }
    if (kind == u"charset" || kind == u"meta-charset") {
        fault.kind = kind == u"charset" ? Fault::Kind::Charset : Fault::Kind::MetaCharset;
        fault.charset = argument.toLatin1();
        return QStringEncoder(fault.charset.constData()).isValid();
    }
    static const QHash<QString, Fault::Kind> plain{
        {QStringLiteral("close-mid-body"), Fault::Kind::CloseMidBody},
        {QStringLiteral("reset-mid-body"), Fault::Kind::ResetMidBody},
        {QStringLiteral("stall-mid-body"), Fault::Kind::StallMidBody},
        {QStringLiteral("reset"), Fault::Kind::Reset},
        {QStringLiteral("close-before-answer"), Fault::Kind::CloseBeforeAnswer},
        {QStringLiteral("no-answer"), Fault::Kind::NoAnswer},
        {QStringLiteral("empty-body"), Fault::Kind::EmptyBody},
        {QStringLiteral("invalid-utf8"), Fault::Kind::InvalidUtf8},
        {QStringLiteral("html"), Fault::Kind::Html},
        {QStringLiteral("malformed-json"), Fault::Kind::MalformedJson},
        {QStringLiteral("result-shape"), Fault::Kind::ResultShape},
        {QStringLiteral("not-found-code"), Fault::Kind::NotFoundCode},
    };
    const auto found = plain.constFind(kind);
    if (found == plain.cend())
        return false;
    fault.kind = found.value();
    return argument.isEmpty();
}
} // namespace

const QStringList& ApiNames()
{
    static const QStringList names{QStringLiteral("page"),
                                   QStringLiteral("openfoodfacts"),
                                   QStringLiteral("openbeautyfacts"),
                                   QStringLiteral("openpetfoodfacts"),
                                   QStringLiteral("openproductsfacts"),
                                   QStringLiteral("openlibrary"),
                                   QStringLiteral("upcitemdb"),
                                   QStringLiteral("sru")};
    return names;
}

bool ParseFault(const QString& text, Fault& fault)
{
    const QStringList parts = text.split(u',');
    if (!ParseMode(parts.first(), fault))
        return false;
    for (qsizetype i = 1; i < parts.size(); ++i) {
        const QString name = parts[i].section(u':', 0, 0);
        const QString argument = parts[i].section(u':', 1);
        bool ok = false;
        if (name == u"retry-after" || name == u"retry-after-date") {
            ok = ParseCount(argument, 0, fault.retryAfterSeconds);
            fault.retryAfterAsDate = name == u"retry-after-date";
        } else if (name == u"first") {
            ok = ParseCount(argument, 1, fault.firstRequests);
        }
        if (!ok)
            return false;
    }
    return true;
}

QHash<QString, QString> ParseCatalog(const QString& text)
{
    QHash<QString, QString> catalog;
    for (const QString& line : text.split(u'\n')) {
        const QString trimmed = line.trimmed();
        if (trimmed.isEmpty() || trimmed.startsWith(u'#'))
            continue;
        const qsizetype tab = trimmed.indexOf(u'\t');
        if (tab > 0)
            catalog.insert(trimmed.left(tab).trimmed(), trimmed.mid(tab + 1).trimmed());
    }
    return catalog;
}

SampleService::SampleService(Settings settings, QObject* parent)
    : QObject(parent)
    , m_settings(std::move(settings))
{
    m_clock.start();
    m_upcitemdbResetAt = QDateTime::currentSecsSinceEpoch() + m_settings.upcitemdbDaySeconds;
    connect(&m_server, &QTcpServer::newConnection, this, &SampleService::accept);
}

bool SampleService::listen(quint16 port)
{
    return m_server.listen(QHostAddress::LocalHost, port);
}

void SampleService::accept()
{
    while (QTcpSocket* const socket = m_server.nextPendingConnection()) {
        if (m_settings.onConnection)
            m_settings.onConnection();
        new HttpConnection(socket, m_clock, m_settings.delayMs,
                           [this](const HttpRequest& request) { return respond(request); });
    }
}

// Faults come first, as a failing gateway answers before the API; then the API's own limits;
// then the API's answer, which the remaining faults change or cut short.
HttpAnswer SampleService::respond(const HttpRequest& request)
{
    if (std::optional<HttpReply> picture = SamplePicture(request.path)) {
        if (m_settings.onRequest)
            m_settings.onRequest({request.arrivalMs, QStringLiteral("pictures"), request.target,
                                  request.header("user-agent")});
        return {*picture};
    }
    if (std::optional<HttpReply> preset = AnswerPresetRoute(request)) {
        if (m_settings.onRequest)
            m_settings.onRequest({request.arrivalMs, QStringLiteral("preset"), request.target,
                                  request.header("user-agent")});
        return {*preset};
    }
    if (const std::optional<SruSearch> sru = MatchSruRoute(request)) {
        const QString api = QStringLiteral("sru");
        if (m_settings.onRequest)
            m_settings.onRequest(
                {request.arrivalMs, api, request.target, request.header("user-agent")});
        const Fault* fault = faultFor(api, sru->isbn);
        if (fault && ReplacesAnswer(*fault, false))
            return FaultAnswer(*fault, false);
        if (std::optional<HttpAnswer> refused = overPerMinute(api, request.arrivalMs))
            return *refused;
        return {SruReply(*sru), DeliveryFor(fault)};
    }
    std::optional<QString> pageValue;
    if (request.path == kLookupPath && request.hasQuery)
        pageValue = QueryValue(request.query);
    std::optional<OpenRoute> open;
    if (!pageValue)
        open = MatchOpenRoute(request, m_settings.openCatalog);
    const QString api = pageValue ? QStringLiteral("page") : open ? open->api : QString();
    if (m_settings.onRequest)
        m_settings.onRequest({request.arrivalMs, api.isEmpty() ? QStringLiteral("none") : api,
                              request.target, request.header("user-agent")});
    if (api.isEmpty()) {
        return {HttpReply{
            404, kHtml, {}, "<!DOCTYPE html>\n<html><body><h1>Not Found</h1></body></html>\n"}};
    }
    if (pageValue && m_settings.onQuery)
        m_settings.onQuery(*pageValue);

    const bool page = pageValue.has_value();
    const Fault* fault = faultFor(api, page ? pageValue->trimmed() : open->code);
    if (fault && ReplacesAnswer(*fault, page)) {
        HttpAnswer answer = FaultAnswer(*fault, page);
        AddRetryAfter(answer.reply, *fault);
        return answer;
    }
    if (std::optional<HttpAnswer> refused = overPerMinute(api, request.arrivalMs))
        return *refused;

    const bool upcitemdb = api == u"upcitemdb";
    if (upcitemdb) {
        refreshUpcitemdbDay();
        if (m_upcitemdbUsed >= m_settings.upcitemdbDaily) {
            HttpReply refusal{429, "application/json; charset=utf-8", upcitemdbLimitHeaders(),
                              UpcitemdbRefusal(true)};
            const qint64 wait = m_upcitemdbResetAt - QDateTime::currentSecsSinceEpoch();
            refusal.headers.append({"Retry-After", QByteArray::number(std::max<qint64>(1, wait))});
            return {refusal};
        }
        ++m_upcitemdbUsed;
    }
    HttpAnswer answer{page ? PageReply(m_settings.catalog, pageValue->trimmed(), fault)
                           : OpenReply(*open, request, m_settings.openCatalog, fault),
                      DeliveryFor(fault)};
    if (upcitemdb)
        answer.reply.headers += upcitemdbLimitHeaders();
    if (fault)
        AddRetryAfter(answer.reply, *fault);
    return answer;
}

const Fault* SampleService::faultFor(const QString& api, const QString& code)
{
    const QString keys[] = {api + u':' + code, code, api + QStringLiteral(":*"),
                            QStringLiteral("*")};
    for (const QString& key : keys) {
        const auto found = m_settings.faults.constFind(key);
        if (found == m_settings.faults.cend())
            continue;
        if (found->firstRequests > 0) {
            int& seen = m_faultRequests[key + u'\n' + api + u'\n' + code];
            if (seen >= found->firstRequests)
                return nullptr;
            ++seen;
        }
        return &found.value();
    }
    return nullptr;
}

std::optional<HttpAnswer> SampleService::overPerMinute(const QString& api, qint64 nowMs)
{
    const int limit =
        m_settings.perMinute.value(api, m_settings.perMinute.value(QStringLiteral("*")));
    if (limit <= 0)
        return std::nullopt;
    std::deque<qint64>& window = m_windows[api];
    while (!window.empty() && window.front() <= nowMs - m_settings.windowMs)
        window.pop_front();
    if (qsizetype(window.size()) < limit) {
        window.push_back(nowMs);
        return std::nullopt;
    }
    // The window frees up when its oldest request leaves it.
    const qint64 waitMs = window.front() + m_settings.windowMs - nowMs;
    HttpReply reply = api == u"upcitemdb"
                          ? HttpReply{429, "application/json; charset=utf-8",
                                      upcitemdbLimitHeaders(), UpcitemdbRefusal(false)}
                          : StatusPage(429);
    reply.headers.append(
        {"Retry-After", QByteArray::number(std::max<qint64>(1, (waitMs + 999) / 1000))});
    return HttpAnswer{reply};
}

void SampleService::refreshUpcitemdbDay()
{
    const qint64 now = QDateTime::currentSecsSinceEpoch();
    if (now < m_upcitemdbResetAt)
        return;
    m_upcitemdbUsed = 0;
    while (m_upcitemdbResetAt <= now)
        m_upcitemdbResetAt += m_settings.upcitemdbDaySeconds;
}

HttpHeaders SampleService::upcitemdbLimitHeaders() const
{
    return {{"X-RateLimit-Limit", QByteArray::number(m_settings.upcitemdbDaily)},
            {"X-RateLimit-Remaining",
             QByteArray::number(std::max(0, m_settings.upcitemdbDaily - m_upcitemdbUsed))},
            {"X-RateLimit-Reset", QByteArray::number(m_upcitemdbResetAt)}};
}
