#include "lookup/UpcItemDbSource.h"

#include "lookup/Politeness.h"
#include "lookup/ProductCode.h"
#include "lookup/ProductName.h"
#include "lookup/SourceSupport.h"

#include <QJsonArray>
#include <QJsonValue>

namespace {

QString CodeOf(const QJsonObject& answer)
{
    return answer.value(QLatin1String("code")).toString();
}

// Until when the day's allowance is gone: X-RateLimit-Reset, or failing that the answer's own
// Date plus its Retry-After, so that no clock of ours is needed.
std::optional<qint64> DailyLimitEnd(const SourceResponse& response)
{
    if (const auto reset = HeaderInteger(response.header("X-RateLimit-Reset")))
        return reset;
    const auto date = ParseHttpDate(response.header("Date"), QDateTime());
    if (!date)
        return std::nullopt;
    const auto wait = ParseRetryAfter(response.header("Retry-After"), *date);
    if (!wait)
        return std::nullopt;
    return date->toSecsSinceEpoch() + wait->count();
}

SourceAnswer ReadItems(const QJsonObject& answer)
{
    const QJsonValue items = answer.value(QLatin1String("items"));
    if (!items.isArray())
        return SourceAnswer::failed(QStringLiteral("unexpected answer"));
    if (items.toArray().isEmpty())
        return SourceAnswer::notFound();
    const QJsonValue first = items.toArray().first();
    if (!first.isObject())
        return SourceAnswer::failed(QStringLiteral("unexpected answer"));
    const QJsonObject fields = first.toObject();
    ProductAnswer item;
    item.name = CleanField(fields.value(QLatin1String("title")).toString());
    item.brand = CleanField(fields.value(QLatin1String("brand")).toString());
    // "Health & Beauty > Personal Care > Cosmetics": the most specific two.
    item.details.categories =
        LastListPieces(fields.value(QLatin1String("category")).toString(), u'>', 2);
    item.details.imageUrl = JsonTexts(fields.value(QLatin1String("images"))).value(0);
    item.details.thumbnailUrl = item.details.imageUrl;
    return SourceAnswer::found(std::move(item));
}

SourceAnswer ReadAnswer(const SourceResponse& response)
{
    if (!response.failure.isEmpty())
        return SourceAnswer::failed(response.failure);
    const int status = response.status;
    if (status != 200 && status != 404 && status != 429)
        return StatusFailure(status);

    const auto body = JsonObjectBody(response.body);
    const QString* reason = std::get_if<QString>(&body);
    if (status == 429) {
        // Too many in a short while is worth another try soon; the day's allowance is not.
        if (reason || CodeOf(std::get<QJsonObject>(body)) != QLatin1String("EXCEED_LIMIT"))
            return StatusFailure(status);
        SourceAnswer answer = SourceAnswer::failed(QStringLiteral("daily limit reached"));
        answer.pausedUntil = DailyLimitEnd(response);
        return answer;
    }
    if (reason)
        return status == 404 ? StatusFailure(status) : SourceAnswer::failed(*reason);
    const QJsonObject& answer = std::get<QJsonObject>(body);
    if (CodeOf(answer) == QLatin1String("NOT_FOUND"))
        return SourceAnswer::notFound();
    return status == 404 ? StatusFailure(status) : ReadItems(answer);
}

} // namespace

UpcItemDbSource::UpcItemDbSource(QString base, int perMinute)
    : m_base(std::move(base))
    , m_perMinute(perMinute)
{}

SourceRequest UpcItemDbSource::request(const QString& /*typed*/, const CheckedCode& checked) const
{
    if (!checked.isValid())
        return {};
    // It takes a UPC-A or an EAN-13: a product of the US and Canada by its 12 digits, as it keeps
    // them.
    const QString upcA = UpcAOf(checked.gtin);
    return SourceRequest{
        SourceAddress(m_base, QStringLiteral("/prod/trial/lookup"),
                      QStringLiteral("upc=") + (upcA.isEmpty() ? checked.gtin : upcA)),
        0};
}

SourceAnswer UpcItemDbSource::read(const SourceResponse& response, const QString& /*typed*/) const
{
    SourceAnswer answer = ReadAnswer(response);
    if (!answer.pausedUntil && HeaderInteger(response.header("X-RateLimit-Remaining")) == 0)
        answer.pausedUntil = HeaderInteger(response.header("X-RateLimit-Reset"));
    return answer;
}

QStringList UpcItemDbSource::ownHosts() const
{
    return HostsOf({m_base});
}
