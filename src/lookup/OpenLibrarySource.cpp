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

namespace {

// "ISBN:9780306406157", the key a book is asked and answered by.
QString BibKey(const CheckedCode& code)
{
    return QStringLiteral("ISBN:") + code.gtin;
}

// The names of a list of publishers as the data view gives them: [{"name": "..."}].
QString PublisherNames(const QJsonValue& publishers)
{
    QStringList names;
    for (const QJsonValue& publisher : publishers.toArray()) {
        QString name = CleanField(publisher.toObject().value(QLatin1String("name")).toString());
        if (!name.isEmpty())
            names.append(std::move(name));
    }
    return names.join(QStringLiteral(", "));
}

// The cover's id in an address such as "https://covers.openlibrary.org/b/id/8739161-M.jpg".
qint64 CoverId(const QJsonValue& cover)
{
    const QString address = cover.toObject().value(QLatin1String("medium")).toString();
    const qsizetype at = address.lastIndexOf(QLatin1String("/b/id/"));
    const qsizetype dash = address.lastIndexOf(u'-');
    if (at < 0 || dash <= at + 6)
        return 0;
    bool ok = false;
    const qint64 id = QStringView(address).sliced(at + 6, dash - at - 6).toLongLong(&ok);
    return ok ? id : 0;
}

} // namespace

SourceRequest OpenLibrarySource::request(const QString& /*typed*/, const CheckedCode& checked) const
{
    if (!takes(checked))
        return {};
    return batchRequest({checked});
}

SourceRequest OpenLibrarySource::batchRequest(const QList<CheckedCode>& codes) const
{
    QStringList keys;
    for (const CheckedCode& code : codes)
        keys.append(BibKey(code));
    // Its maintainers ask for many ISBNs a request rather than one request a book.
    return SourceRequest{SourceAddress(m_base, QStringLiteral("/api/books"),
                                       QStringLiteral("bibkeys=") + keys.join(u',') +
                                           QStringLiteral("&jscmd=data&format=json")),
                         3};
}

SourceAnswer OpenLibrarySource::read(const SourceResponse& response, const QString& typed) const
{
    return readBatch(response, {CheckCode(typed)}).value(0);
}

QList<SourceAnswer> OpenLibrarySource::readBatch(const SourceResponse& response,
                                                 const QList<CheckedCode>& codes) const
{
    const auto every = [&codes](const SourceAnswer& answer) {
        return QList<SourceAnswer>(codes.size(), answer);
    };
    if (!response.failure.isEmpty())
        return every(SourceAnswer::failed(response.failure));
    if (response.status != 200)
        return every(StatusFailure(response.status));
    const auto body = JsonObjectBody(response.body);
    if (const QString* reason = std::get_if<QString>(&body))
        return every(SourceAnswer::failed(*reason));
    // A book it does not know is simply left out of the answer.
    const QJsonObject& books = std::get<QJsonObject>(body);
    QList<SourceAnswer> answers;
    answers.reserve(codes.size());
    for (const CheckedCode& code : codes) {
        const QJsonValue book = books.value(BibKey(code));
        answers.append(book.isObject() ? readBook(book.toObject())
                       : book.isUndefined()
                           ? SourceAnswer::notFound()
                           : SourceAnswer::failed(QStringLiteral("unexpected answer")));
    }
    return answers;
}

SourceAnswer OpenLibrarySource::readBook(const QJsonObject& edition) const
{
    const QJsonValue title = edition.value(QLatin1String("title"));
    if (!title.isString())
        return SourceAnswer::failed(QStringLiteral("no title in answer"));

    ProductAnswer book;
    book.name = CleanField(title.toString());
    const QString subtitle = CleanField(edition.value(QLatin1String("subtitle")).toString());
    if (!subtitle.isEmpty())
        book.name = book.name.isEmpty() ? subtitle : book.name + QStringLiteral(": ") + subtitle;
    book.details.publishers = PublisherNames(edition.value(QLatin1String("publishers")));
    book.details.published = CleanField(edition.value(QLatin1String("publish_date")).toString());
    // Its covers answer 404 for a missing picture with default=false, instead of a blank one.
    const qint64 cover = CoverId(edition.value(QLatin1String("cover")));
    if (!m_coversBase.isEmpty() && cover > 0)
        book.details.imageUrl = SourceAddress(m_coversBase,
                                              QStringLiteral("/b/id/") + QString::number(cover) +
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
