#include "lookup/OpenFoodFactsSource.h"

#include "lookup/ProductCode.h"
#include "lookup/ProductName.h"
#include "lookup/SourceSupport.h"

#include <QJsonArray>
#include <QJsonValue>

namespace {

// The language part of what the caller hands over ("fr", "pt_BR", "DE"), or nothing when it is
// English, which is asked for anyway, or not a language code at all.
QString LanguageCode(const QString& language)
{
    QString code = language.section(u'_', 0, 0).section(u'-', 0, 0).toLower();
    if (code.size() < 2 || code.size() > 3 || code == QLatin1String("en"))
        return {};
    for (const QChar c : code) {
        if (c < u'a' || c > u'z')
            return {};
    }
    return code;
}

QString ResultId(const QJsonObject& answer)
{
    return answer.value(QLatin1String("result")).toObject().value(QLatin1String("id")).toString();
}

bool SaysNotFound(const QJsonObject& answer)
{
    // The older shape said so with a status of 0; the current one names its result.
    const QJsonValue status = answer.value(QLatin1String("status"));
    if (status.isDouble() && status.toDouble() == 0)
        return true;
    return ResultId(answer) == QLatin1String("product_not_found");
}

// Whether the answer says it holds the product: "success", "success_with_warnings" or
// "success_with_errors" in the current shape (an error there concerns a field, not the product),
// 1 in the older one.
bool SaysFound(const QJsonObject& answer)
{
    const QJsonValue status = answer.value(QLatin1String("status"));
    if (status.isDouble())
        return status.toDouble() == 1;
    return status.toString().startsWith(QLatin1String("success"));
}

// The first error's own id ("invalid_code"), for a failure the answer explains.
QString FirstErrorId(const QJsonObject& answer)
{
    const QJsonObject error = answer.value(QLatin1String("errors")).toArray().at(0).toObject();
    return error.value(QLatin1String("message")).toObject().value(QLatin1String("id")).toString();
}

// The product's own product_type, when the answer carries it, names the sibling database that
// holds it; a food product is the source's own.
QString DatabaseOf(const QJsonObject& product)
{
    const QString type = product.value(QLatin1String("product_type")).toString();
    if (type == QLatin1String("beauty"))
        return QStringLiteral("Open Beauty Facts");
    if (type == QLatin1String("petfood"))
        return QStringLiteral("Open Pet Food Facts");
    if (type == QLatin1String("product"))
        return QStringLiteral("Open Products Facts");
    return {};
}

// Whether the code an answer names (a text of digits, as the service writes it) is the code
// asked, in any of its forms: the service writes a UPC-A with or without the zero of its EAN-13.
// An answer that names none is taken as it is.
bool NamesAskedCode(const QJsonValue& named, const QString& typed)
{
    if (named.isUndefined() || named.isNull())
        return true;
    const auto significant = [](QStringView digits) {
        while (digits.size() > 1 && digits.front() == u'0')
            digits = digits.sliced(1);
        return digits;
    };
    const QString text =
        named.isDouble() ? QString::number(named.toDouble(), 'f', 0) : named.toString().trimmed();
    if (text.isEmpty())
        return true;
    const CheckedCode asked = CheckCode(typed);
    return asked.isValid() && (significant(text) == significant(asked.gtin) ||
                               significant(text) == significant(asked.asTyped));
}
} // namespace

OpenFoodFactsSource::OpenFoodFactsSource(QString base, QString language, int perMinute)
    : m_base(std::move(base))
    , m_language(LanguageCode(language))
    , m_perMinute(perMinute)
{}

SourceRequest OpenFoodFactsSource::request(const QString& /*typed*/,
                                           const CheckedCode& checked) const
{
    if (!checked.isValid())
        return {};
    // Only the fields read below: a whole product is tens of kilobytes, these a few hundred bytes.
    QString fields = QStringLiteral("code,product_name");
    if (!m_language.isEmpty())
        fields += QStringLiteral(",product_name_") + m_language;
    fields += QStringLiteral(",product_name_en,generic_name,brands,quantity,categories,countries,"
                             "image_front_small_url,image_front_url,image_url");
    // Without product_type=all a code of a sibling database reads as not found. lc and tags_lc
    // ask for what the service translates itself (its messages and taxonomy names) in the
    // user's language.
    QString query = QStringLiteral("fields=") + fields + QStringLiteral("&product_type=all");
    if (!m_language.isEmpty())
        query += QStringLiteral("&lc=") + m_language + QStringLiteral("&tags_lc=") + m_language;
    return SourceRequest{
        SourceAddress(m_base, QStringLiteral("/api/v3/product/") + checked.gtin, query), 3};
}

SourceAnswer OpenFoodFactsSource::read(const SourceResponse& response, const QString& typed) const
{
    if (!response.failure.isEmpty())
        return SourceAnswer::failed(response.failure);
    // The current API says "not found" with a 404, the older one with a 200; both carry JSON.
    const int status = response.status;
    if (status != 200 && status != 404) {
        SourceAnswer failed = StatusFailure(status);
        // Since April 2026 its global limits answer 503 for everyone at once.
        failed.busyForEveryone = status == 503;
        return failed;
    }

    const auto body = JsonObjectBody(response.body);
    if (const QString* reason = std::get_if<QString>(&body))
        return status == 404 ? StatusFailure(status) : SourceAnswer::failed(*reason);
    const QJsonObject& answer = std::get<QJsonObject>(body);
    if (SaysNotFound(answer))
        return SourceAnswer::notFound();

    const QJsonValue product = answer.value(QLatin1String("product"));
    if (status != 200 || !SaysFound(answer) || !product.isObject()) {
        if (status == 404)
            return StatusFailure(status);
        // A failure the service explains is told in its words, cleaned as any outside text is.
        const QString error = CleanField(FirstErrorId(answer).left(100));
        return SourceAnswer::failed(error.isEmpty() ? QStringLiteral("unexpected answer") : error);
    }

    const QJsonObject fields = product.toObject();
    const auto text = [&fields](const QString& key) { return fields.value(key).toString(); };
    // A product under another code is no answer about this one, whatever it is called.
    if (!NamesAskedCode(answer.value(QLatin1String("code")), typed) ||
        !NamesAskedCode(fields.value(QLatin1String("code")), typed))
        return SourceAnswer::failed(QStringLiteral("answer about another code"));
    ProductAnswer found = AnswerFromFields(ProductFields{
        text(QStringLiteral("product_name")),
        m_language.isEmpty() ? QString() : text(QStringLiteral("product_name_") + m_language),
        text(QStringLiteral("product_name_en")), text(QStringLiteral("generic_name")),
        text(QStringLiteral("brands")), text(QStringLiteral("quantity"))});
    found.database = DatabaseOf(fields);
    ProductDetails& details = found.details;
    // Listed from the most general to the most specific, in the language the product was
    // entered in, which is the language of the shops that sell it.
    details.categories = LastListPieces(text(QStringLiteral("categories")), u',', 2);
    details.countries = LastListPieces(text(QStringLiteral("countries")), u',', 1000);
    details.thumbnailUrl = CleanField(text(QStringLiteral("image_front_small_url")));
    details.imageUrl = CleanField(text(QStringLiteral("image_front_url")));
    if (details.imageUrl.isEmpty())
        details.imageUrl = CleanField(text(QStringLiteral("image_url")));
    const CheckedCode asked = CheckCode(typed);
    if (asked.isValid())
        details.pageUrl = OpenFoodFactsPage(m_base, found.database, asked.gtin);
    return SourceAnswer::found(std::move(found));
}

QStringList OpenFoodFactsSource::ownHosts() const
{
    return HostsOf({m_base});
}
