#include "lookup/OpenLibrarySource.h"

#include "lookup/ProductName.h"
#include "lookup/SourceSupport.h"

#include <QJsonValue>

OpenLibrarySource::OpenLibrarySource(QString base, int perMinute)
    : m_base(std::move(base))
    , m_perMinute(perMinute)
{}

SourceRequest OpenLibrarySource::request(const QString& /*typed*/, const CheckedCode& checked) const
{
    if (!takes(checked))
        return {};
    return SourceRequest{
        SourceAddress(m_base, QStringLiteral("/isbn/") + checked.gtin + QStringLiteral(".json")),
        3};
}

SourceAnswer OpenLibrarySource::read(const SourceResponse& response, const QString& /*typed*/) const
{
    if (!response.failure.isEmpty())
        return SourceAnswer::failed(response.failure);
    // A 404 is its only way of saying it has no such book, whatever page comes with it.
    if (response.status == 404)
        return SourceAnswer::notFound();
    if (response.status != 200)
        return StatusFailure(response.status);

    const auto body = JsonObjectBody(response.body);
    if (const QString* reason = std::get_if<QString>(&body))
        return SourceAnswer::failed(*reason);
    const QJsonObject& edition = std::get<QJsonObject>(body);
    const QJsonValue title = edition.value(QLatin1String("title"));
    if (!title.isString())
        return SourceAnswer::failed(QStringLiteral("no title in answer"));

    ProductAnswer book;
    book.name = CleanField(title.toString());
    const QString subtitle = CleanField(edition.value(QLatin1String("subtitle")).toString());
    if (!subtitle.isEmpty())
        book.name = book.name.isEmpty() ? subtitle : book.name + QStringLiteral(": ") + subtitle;
    return SourceAnswer::found(std::move(book));
}
