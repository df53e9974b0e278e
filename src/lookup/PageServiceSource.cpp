#include "lookup/PageServiceSource.h"

#include "common/NamedCharsets.h"
#include "lookup/LookupPage.h"
#include "lookup/SourceSupport.h"

#include <QStringDecoder>

#include <algorithm>

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

// The charset a page's <meta> names near its start, as Qt looks for it (charset=NAME, quoted or
// not), for the sets Qt has no reader of its own for.
QByteArray MetaCharset(QByteArrayView body)
{
    const QByteArray head =
        body.first(std::min<qsizetype>(body.size(), 1024)).toByteArray().toLower();
    const qsizetype meta = head.indexOf("<meta");
    const qsizetype at = meta < 0 ? -1 : head.indexOf("charset=", meta);
    if (at < 0)
        return {};
    qsizetype from = at + 8;
    while (from < head.size() && (head[from] == '"' || head[from] == '\'' || head[from] == ' '))
        ++from;
    const auto inName = [](char c) {
        return (c >= 'a' && c <= 'z') || (c >= '0' && c <= '9') || c == '-' || c == '_' ||
               c == '.' || c == ':';
    };
    qsizetype to = from;
    while (to < head.size() && inName(head[to]))
        ++to;
    return head.mid(from, to - from);
}
} // namespace

QUrl LookupAddress(const QString& serviceBase, const QString& code)
{
    QUrl address(serviceBase, QUrl::StrictMode);
    QString path = address.path(QUrl::FullyEncoded);
    while (path.endsWith(u'/'))
        path.chop(1);
    address.setPath(path + kLookupPath, QUrl::StrictMode);
    // QUrlQuery would leave "+" alone, which the service reads as a space: encode by hand.
    address.setQuery(QStringLiteral("q=") + QString::fromLatin1(QUrl::toPercentEncoding(code)),
                     QUrl::StrictMode);
    address.setFragment(QString());
    return address;
}

QString DecodePageBody(QByteArrayView body, QByteArrayView contentType)
{
    if (const auto marked = QStringConverter::encodingForData(body)) {
        QStringDecoder decoder(*marked);
        return decoder(body);
    }
    if (std::optional<QString> text = DecodeNamedCharset(CharsetParameter(contentType), body))
        return *std::move(text);
    QStringDecoder fromMeta = QStringDecoder::decoderForHtml(body);
    if (fromMeta.isValid())
        return fromMeta(body);
    // Qt found a charset in the page it cannot read itself: the system may.
    if (std::optional<QString> text = DecodeNamedCharset(MetaCharset(body), body))
        return *std::move(text);
    return QString::fromUtf8(body);
}

QString PageServiceFailure(const SourceResponse& response)
{
    if (!response.failure.isEmpty())
        return response.failure;
    const int status = response.status;
    // A refusal (throttled, forbidden, broken) is no answer about the code and must not pass for
    // "no record"; neither is a redirection that led nowhere.
    if ((status >= 400 && status != 404 && status != 410) || (status >= 300 && status < 400))
        return QStringLiteral("HTTP ") + QString::number(status);
    if (response.body.isEmpty() && status >= 200 && status < 300)
        return QStringLiteral("empty page");
    return {};
}

SourceRequest PageServiceSource::request(const QString& typed, const CheckedCode&) const
{
    return SourceRequest{LookupAddress(m_serviceBase, typed), 50};
}

SourceAnswer PageServiceSource::read(const SourceResponse& response, const QString& typed) const
{
    if (const QString failure = PageServiceFailure(response); !failure.isEmpty())
        return SourceAnswer::failed(failure);
    const LookupPageResult parsed =
        ParseLookupPage(DecodePageBody(response.body, response.header("Content-Type")), typed);
    if (!parsed.recordFound)
        return SourceAnswer::notFound();
    return SourceAnswer::found(ProductAnswer{parsed.productName, {}, {}, {}, {}});
}

QStringList PageServiceSource::ownHosts() const
{
    return HostsOf({m_serviceBase});
}
