#include "lookup/OpenLibrarySource.h"

#include "lookup/ProductName.h"
#include "lookup/SourceSupport.h"

#include <QJsonArray>
#include <QJsonValue>

OpenLibrarySource::OpenLibrarySource(QString base, int perMinute, QString coversBase)
    : m_base(std::move(base))
    , m_perMinute(perMinute)
    , m_coversBase(std::move(coversBase))
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
    book.details.publishers =
        JsonTexts(edition.value(QLatin1String("publishers"))).join(QStringLiteral(", "));
    book.details.published = CleanField(edition.value(QLatin1String("publish_date")).toString());
    // Its covers answer 404 for a missing picture with default=false, instead of a blank one.
    const QJsonValue cover = edition.value(QLatin1String("covers")).toArray().first();
    if (!m_coversBase.isEmpty() && cover.isDouble() && cover.toDouble() > 0)
        book.details.imageUrl =
            SourceAddress(m_coversBase,
                          QStringLiteral("/b/id/") + QString::number(cover.toInteger()) +
                              QStringLiteral("-M.jpg"),
                          QStringLiteral("default=false"))
                .toString(QUrl::FullyEncoded);
    book.details.thumbnailUrl = book.details.imageUrl;
    // "/books/OL7353617M", the edition's own page.
    const QString key = edition.value(QLatin1String("key")).toString();
    if (key.startsWith(QLatin1String("/books/")))
        book.details.pageUrl = SourceAddress(m_base, key).toString(QUrl::FullyEncoded);
    return SourceAnswer::found(std::move(book));
}

QStringList OpenLibrarySource::ownHosts() const
{
    return HostsOf({m_base, m_coversBase});
}
