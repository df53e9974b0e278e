#include "SruStandIn.h"

#include <QFile>
#include <QList>

#include <algorithm>

namespace {

// The records the search finds, in the order they are sent.
QList<QByteArray> Found(const QString& isbn)
{
    if (isbn == u"9783999000039")
        return {SruRecord(QStringLiteral("9783999000015"))};
    if (isbn == u"9783999000060")
        return {SruRecord(QStringLiteral("9783999000015")), SruRecord(isbn)};
    const QByteArray own = SruRecord(isbn);
    return own.isEmpty() ? QList<QByteArray>() : QList<QByteArray>{own};
}

} // namespace

QByteArray SruRecord(const QString& isbn)
{
    // Only names made of digits are looked for among the built-in files.
    if (isbn.isEmpty() ||
        !std::all_of(isbn.begin(), isbn.end(), [](QChar c) { return c.isDigit(); }))
        return {};
    QFile file(QStringLiteral(":/sample-service/records/") + isbn + QStringLiteral(".xml"));
    if (!file.open(QIODevice::ReadOnly))
        return {};
    return file.readAll().trimmed();
}

std::optional<SruSearch> MatchSruRoute(const HttpRequest& request)
{
    if (!request.path.startsWith("/sru/") ||
        request.queryItem(QStringLiteral("operation")) != u"searchRetrieve")
        return std::nullopt;
    SruSearch search;
    const QString query = request.queryItem(QStringLiteral("query")).trimmed();
    QString tail = query.section(u'=', -1).trimmed();
    tail.remove(u'"');
    tail.remove(u'-');
    search.isbn = tail;
    bool ok = false;
    const int most = request.queryItem(QStringLiteral("maximumRecords")).toInt(&ok);
    if (ok && most >= 0)
        search.maximumRecords = most;
    return search;
}

HttpReply SruReply(const SruSearch& search)
{
    const QList<QByteArray> found = Found(search.isbn);
    QByteArray body = "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n"
                      "<zs:searchRetrieveResponse xmlns:zs=\"http://www.loc.gov/zing/srw/\">"
                      "<zs:version>1.1</zs:version><zs:numberOfRecords>" +
                      QByteArray::number(found.size()) + "</zs:numberOfRecords>";
    const qsizetype sent = std::min<qsizetype>(found.size(), search.maximumRecords);
    if (sent > 0) {
        body += "<zs:records>";
        for (qsizetype i = 0; i < sent; ++i)
            body += "<zs:record><zs:recordSchema>marcxml</zs:recordSchema>"
                    "<zs:recordPacking>xml</zs:recordPacking><zs:recordData>" +
                    found[i] + "</zs:recordData><zs:recordPosition>" + QByteArray::number(i + 1) +
                    "</zs:recordPosition></zs:record>";
        body += "</zs:records>";
    }
    body += "</zs:searchRetrieveResponse>\n";
    return HttpReply{200, "text/xml; charset=utf-8", {}, body};
}
