#include "QtPageLoader.h"

#include "common/OperationFailed.h"

#include <QNetworkRequest>
#include <QPointer>
#include <QStringDecoder>
#include <QTimer>
#include <QUrl>

namespace {
QByteArray CharsetParameter(QByteArrayView contentType)
{
    const QList<QByteArray> parts = contentType.toByteArray().split(';');
    for (qsizetype i = 1; i < parts.size(); ++i) {
        const QByteArray parameter = parts[i].trimmed();
        const qsizetype equals = parameter.indexOf('=');
        if (equals < 0 || parameter.left(equals).trimmed().toLower() != "charset")
            continue;
        QByteArray value = parameter.mid(equals + 1).trimmed();
        if (value.size() >= 2 && (value.front() == '"' || value.front() == '\'') &&
            value.back() == value.front())
            value = value.mid(1, value.size() - 2).trimmed();
        return value;
    }
    return {};
}

class QtPendingPage final : public PendingPage
{
public:
    QtPendingPage(QNetworkReply* reply, const QtPageLoader::Limits& limits)
        : m_reply(reply)
        , m_maxBytes(limits.maxPageBytes)
    {
        m_finished =
            QObject::connect(reply, &QNetworkReply::finished, reply, [this] { onFinished(); });
        m_readyRead =
            QObject::connect(reply, &QNetworkReply::readyRead, reply, [this] { onReadyRead(); });
        m_timer.setSingleShot(true);
        m_timer.callOnTimeout([this] { abort(Abort::TimedOut); });
        m_timer.start(limits.timeLimit);
    }

    ~QtPendingPage() override
    {
        m_timer.stop();
        QObject::disconnect(m_finished);
        QObject::disconnect(m_readyRead);
        if (m_reply) {
            if (!m_reply->isFinished())
                m_reply->abort();
            // Deleted now rather than later: a run visits thousands of codes before control
            // gets back to the main loop, and deferred deletions would pile up until then.
            delete m_reply.data();
        }
    }

    bool isComplete() const override { return m_complete; }
    QString text() const override { return m_text; }
    QString failure() const override { return m_failure; }

private:
    enum class Abort { None, TimedOut, TooLarge };

    void abort(Abort why)
    {
        m_abort = why;
        m_reply->abort(); // finishes the reply at once
    }

    void onReadyRead()
    {
        if (m_reply->bytesAvailable() > m_maxBytes)
            abort(Abort::TooLarge);
    }

    void onFinished()
    {
        m_timer.stop();
        const int status = m_reply->attribute(QNetworkRequest::HttpStatusCodeAttribute).toInt();
        if (m_abort == Abort::TimedOut) {
            m_failure = QStringLiteral("timed out");
        } else if (m_abort == Abort::TooLarge) {
            m_failure = QStringLiteral("page too large");
        } else {
            m_failure = DescribeFailedReply(m_reply->error(), status, m_reply->errorString());
        }
        if (m_failure.isEmpty()) {
            const QByteArray body = m_reply->readAll();
            // The service says "no record" with a page that says so. A success with nothing in
            // it is no answer at all, and reading it as "no record" would pass a failed lookup
            // off as a definite one.
            if (body.isEmpty() && status >= 200 && status < 300)
                m_failure = QStringLiteral("empty page");
            else
                m_text = DecodePageBody(body, m_reply->rawHeader("Content-Type"));
        }
        m_complete = true;
    }

    QPointer<QNetworkReply> m_reply; // the manager deletes it should it go first
    qint64 m_maxBytes;
    QTimer m_timer;
    QMetaObject::Connection m_finished;
    QMetaObject::Connection m_readyRead;
    Abort m_abort = Abort::None;
    bool m_complete = false;
    QString m_text;
    QString m_failure;
};
} // namespace

QString DecodePageBody(QByteArrayView body, QByteArrayView contentType)
{
    if (const auto marked = QStringConverter::encodingForData(body)) {
        QStringDecoder decoder(*marked);
        return decoder(body);
    }
    const QByteArray declared = CharsetParameter(contentType);
    if (!declared.isEmpty()) {
        QStringDecoder decoder(declared.constData());
        if (decoder.isValid())
            return decoder(body);
    }
    QStringDecoder fromMeta = QStringDecoder::decoderForHtml(body);
    if (fromMeta.isValid())
        return fromMeta(body);
    return QString::fromUtf8(body);
}

QString DescribeFailedReply(QNetworkReply::NetworkError error, int httpStatus,
                            const QString& errorText)
{
    // A page that says the record is not there (404, 410) is read like any other page. Every
    // other refusal (throttled, forbidden, broken) means the service gave no answer about the
    // code, and must not pass for "no record".
    if (httpStatus >= 400 && httpStatus != 404 && httpStatus != 410)
        return QStringLiteral("HTTP ") + QString::number(httpStatus);

    switch (error) {
    case QNetworkReply::NoError:
        return {};
    case QNetworkReply::ConnectionRefusedError:
        return QStringLiteral("connection refused");
    case QNetworkReply::RemoteHostClosedError:
        return QStringLiteral("connection closed");
    case QNetworkReply::HostNotFoundError:
        return QStringLiteral("host not found");
    case QNetworkReply::TimeoutError:
        return QStringLiteral("timed out");
    case QNetworkReply::OperationCanceledError:
        return QStringLiteral("cancelled");
    case QNetworkReply::SslHandshakeFailedError:
        return QStringLiteral("secure connection failed");
    case QNetworkReply::TemporaryNetworkFailureError:
    case QNetworkReply::NetworkSessionFailedError:
        return QStringLiteral("network unavailable");
    case QNetworkReply::TooManyRedirectsError:
        return QStringLiteral("too many redirects");
    case QNetworkReply::InsecureRedirectError:
        return QStringLiteral("insecure redirect");
    case QNetworkReply::ProtocolFailure:
        return QStringLiteral("malformed answer");
    default:
        break;
    }
    // What is left with a status is a page saying the record is not there; it is read like any
    // other and holds no record.
    const bool statusWithPage =
        (error >= QNetworkReply::ContentAccessDenied &&
         error <= QNetworkReply::UnknownContentError) ||
        (error >= QNetworkReply::InternalServerError && error <= QNetworkReply::UnknownServerError);
    if (statusWithPage && httpStatus > 0)
        return {};
    if (error >= QNetworkReply::ProxyConnectionRefusedError &&
        error <= QNetworkReply::UnknownProxyError)
        return QStringLiteral("proxy error");
    // A redirection that could not be followed (no address to go to, or one of no known kind).
    if (httpStatus >= 300 && httpStatus < 400)
        return QStringLiteral("HTTP ") + QString::number(httpStatus);
    return errorText.isEmpty() ? QStringLiteral("network error") : errorText;
}

QtPageLoader::QtPageLoader()
    : QtPageLoader(Limits{})
{}

QtPageLoader::QtPageLoader(Limits limits)
    : m_limits(limits)
{
    // Replies are deleted by their pages as soon as the run is done with them.
    m_manager.setAutoDeleteReplies(false);
}

QtPageLoader::~QtPageLoader() = default;

std::unique_ptr<PendingPage> QtPageLoader::start(const QUrl& address)
{
    const QString scheme = address.scheme();
    if (!address.isValid() || address.host().isEmpty() || (scheme != u"http" && scheme != u"https"))
        throw OperationFailed(QStringLiteral("Not a web address: ") + address.toDisplayString());
    QNetworkRequest request(address);
    request.setHeader(QNetworkRequest::UserAgentHeader,
                      QStringLiteral("Quillfen/" QUILLFEN_VERSION));
    return std::make_unique<QtPendingPage>(m_manager.get(request), m_limits);
}
