#include "lookup/PageServiceSource.h"

#include "lookup/LookupPage.h"
#include "lookup/SourceSupport.h"

#include <QStringDecoder>

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
