#include "lookup/SourceSupport.h"

#include "lookup/ProductName.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonParseError>

namespace {

bool IsJsonBlank(char c)
{
    return c == ' ' || c == '\t' || c == '\n' || c == '\r';
}

} // namespace

QUrl SourceAddress(const QString& base, const QString& path, const QString& query)
{
    QUrl url(base);
    QString joined = url.path();
    while (joined.endsWith(u'/'))
        joined.chop(1);
    url.setPath(joined + path);
    url.setQuery(query);
    url.setFragment({});
    return url;
}

QString LastListPieces(const QString& list, QChar separator, int count)
{
    QStringList pieces;
    for (const QStringView piece : QStringView(list).split(separator)) {
        QString cleaned = CleanField(piece.toString());
        if (!cleaned.isEmpty())
            pieces.append(std::move(cleaned));
    }
    return pieces.mid(std::max<qsizetype>(0, pieces.size() - count)).join(QStringLiteral(", "));
}

QStringList JsonTexts(const QJsonValue& array)
{
    QStringList texts;
    for (const QJsonValue& value : array.toArray()) {
        QString cleaned = CleanField(value.toString());
        if (!cleaned.isEmpty())
            texts.append(std::move(cleaned));
    }
    return texts;
}

QString OpenFoodFactsPage(const QString& base, const QString& database, const QString& gtin)
{
    QUrl url = SourceAddress(base, QStringLiteral("/product/") + gtin);
    const QString host = url.host();
    static const struct
    {
        QStringView database, site;
    } kSites[] = {{u"Open Beauty Facts", u"openbeautyfacts"},
                  {u"Open Pet Food Facts", u"openpetfoodfacts"},
                  {u"Open Products Facts", u"openproductsfacts"}};
    for (const auto& site : kSites) {
        if (database == site.database && host.endsWith(QLatin1String("openfoodfacts.org"))) {
            url.setHost(
                QString(host).replace(QLatin1String("openfoodfacts"), site.site.toString()));
            break;
        }
    }
    return url.toString(QUrl::FullyEncoded);
}

SourceAnswer StatusFailure(int status)
{
    if (status <= 0)
        return SourceAnswer::failed(QStringLiteral("no HTTP status"));
    return SourceAnswer::failed(QStringLiteral("HTTP ") + QString::number(status),
                                status == 429 || status == 503);
}

std::variant<QJsonObject, QString> JsonObjectBody(const QByteArray& body)
{
    QByteArrayView text = body;
    // Qt's parser refuses a byte-order mark, which some servers put before their JSON anyway.
    if (text.startsWith("\xEF\xBB\xBF"))
        text = text.sliced(3);
    qsizetype first = 0;
    while (first < text.size() && IsJsonBlank(text[first]))
        ++first;
    if (first == text.size())
        return QStringLiteral("empty answer");

    QJsonParseError error;
    const QJsonDocument document = QJsonDocument::fromJson(text.toByteArray(), &error);
    if (error.error != QJsonParseError::NoError) {
        const char opening = text[first];
        return opening == '{' || opening == '[' ? QStringLiteral("malformed JSON")
                                                : QStringLiteral("not JSON");
    }
    if (!document.isObject())
        return QStringLiteral("unexpected answer");
    return document.object();
}

std::optional<qint64> HeaderInteger(QByteArrayView value)
{
    const QByteArrayView digits = value.trimmed();
    // Eighteen digits always fit; more is no time or count a service means.
    if (digits.isEmpty() || digits.size() > 18)
        return std::nullopt;
    qint64 number = 0;
    for (const char c : digits) {
        if (c < '0' || c > '9')
            return std::nullopt;
        number = number * 10 + (c - '0');
    }
    return number;
}

QStringList HostsOf(const QStringList& bases)
{
    QStringList hosts;
    for (const QString& base : bases) {
        const QString host = QUrl(base).host();
        if (!host.isEmpty() && !hosts.contains(host, Qt::CaseInsensitive))
            hosts.append(host);
    }
    return hosts;
}
