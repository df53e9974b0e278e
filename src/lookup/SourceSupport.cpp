#include "lookup/SourceSupport.h"

#include "common/PublicAddress.h"
#include "lookup/ProductName.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonParseError>
#include <QUrl>
#include <QVarLengthArray>

#include <algorithm>

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
    // Read as views and joined once: every product found in the index has its countries read so.
    QVarLengthArray<QStringView, 16> pieces;
    for (const QStringView piece : QStringView(list).tokenize(separator)) {
        if (const QStringView cleaned = CleanView(piece); !cleaned.isEmpty())
            pieces.append(cleaned);
    }
    const qsizetype first = std::max<qsizetype>(0, pieces.size() - count);
    if (pieces.size() - first == 1 && pieces[first].size() == list.size())
        return list;
    QString joined;
    for (qsizetype i = first; i < pieces.size(); ++i) {
        if (i > first)
            joined += QLatin1StringView(", ");
        joined += pieces[i];
    }
    return joined;
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

QString RedactKey(QString text, const QString& key)
{
    if (key.isEmpty())
        return text;
    const QString shown = QStringLiteral("***");
    const QByteArray utf8 = key.toUtf8();
    const QByteArray encoded = QUrl::toPercentEncoding(key);
    QByteArray lowerHex = encoded;
    for (qsizetype at = lowerHex.indexOf('%'); at >= 0 && at + 2 < lowerHex.size();
         at = lowerHex.indexOf('%', at + 3)) {
        lowerHex[at + 1] = char(QChar::toLower(uint(uchar(lowerHex[at + 1]))));
        lowerHex[at + 2] = char(QChar::toLower(uint(uchar(lowerHex[at + 2]))));
    }
    QStringList forms{key, QString::fromLatin1(encoded), QString::fromLatin1(lowerHex),
                      QString::fromLatin1(QByteArray(encoded).replace("%20", "+"))};
    // Base64 of the key alone, and of "user:key": past the characters that hold any bit of the
    // part before it, the rest depends on the key and on where it starts in a group of three
    // bytes only, so the three alignments cover every user name.
    for (const auto options : {QByteArray::Base64Encoding, QByteArray::Base64UrlEncoding}) {
        const QByteArray alone = utf8.toBase64(options | QByteArray::OmitTrailingEquals);
        forms.append(QString::fromLatin1(utf8.toBase64(options)));
        forms.append(QString::fromLatin1(alone));
        for (const QByteArray& before :
             {QByteArrayLiteral(":"), QByteArrayLiteral("x:"), QByteArrayLiteral("xx:")}) {
            const QByteArray both =
                QByteArray(before + utf8).toBase64(options | QByteArray::OmitTrailingEquals);
            // The characters that stand for the key alone: those after the prefix's own.
            const qsizetype prefixChars = (before.size() * 8 + 5) / 6;
            if (both.size() >= prefixChars + 4)
                forms.append(QString::fromLatin1(both.sliced(prefixChars)));
        }
    }
    // Longest first, so that a form is never cut by a shorter one inside it.
    std::sort(forms.begin(), forms.end(),
              [](const QString& a, const QString& b) { return a.size() > b.size(); });
    for (const QString& form : forms) {
        if (form.size() >= 4 || form == key)
            text.replace(form, shown);
    }
    return text;
}

QStringList HostsOf(const QStringList& bases)
{
    QStringList hosts;
    for (const QString& base : bases) {
        const QString host = HostAndPort(QUrl(base));
        if (!host.isEmpty() && !hosts.contains(host))
            hosts.append(host);
    }
    return hosts;
}
