#include "PresetStandIns.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

namespace {

const QString kBook = QStringLiteral("9780306406157");
const QString kProduct = QStringLiteral("036000291452");

HttpReply Json(int status, const QJsonObject& body)
{
    return HttpReply{status,
                     "application/json; charset=utf-8",
                     {},
                     QJsonDocument(body).toJson(QJsonDocument::Compact)};
}

HttpReply Busy()
{
    return HttpReply{429,
                     "application/json; charset=utf-8",
                     {{"Retry-After", "0"}},
                     R"({"message": "Limit Exceeded"})"};
}

// Which code the stand-in answers about, or nothing for not found; "busy" for a busy one.
QString Answered(QString code)
{
    code.remove(u'-');
    if (code.size() == 13 && code.startsWith(u'0'))
        code.remove(0, 1);
    if (code == kBook || code == u"9781861972712")
        return kBook;
    if (code == kProduct || code == u"4006381333931")
        return kProduct;
    if (code == u"9780140328721" || code == u"5449000000996")
        return QStringLiteral("busy");
    return {};
}

QJsonObject Product()
{
    return {{QStringLiteral("name"), QStringLiteral("Ballpoint Pen, Blue")},
            {QStringLiteral("brand"), QStringLiteral("Wirex")},
            {QStringLiteral("category"), QStringLiteral("Office Supplies")},
            {QStringLiteral("size"), QStringLiteral("10 pieces")}};
}

HttpReply GoogleBooks(const HttpRequest& request)
{
    const QString asked = request.queryItem(QStringLiteral("q")).section(u':', 1);
    const QString answered = Answered(asked);
    if (answered == u"busy") {
        HttpReply busy = Json(
            429, {{QStringLiteral("error"),
                   QJsonObject{{QStringLiteral("code"), 429},
                               {QStringLiteral("message"), QStringLiteral("Quota exceeded")}}}});
        busy.headers.append({QByteArrayLiteral("Retry-After"), QByteArrayLiteral("0")});
        return busy;
    }
    if (answered != kBook)
        return Json(200, {{QStringLiteral("kind"), QStringLiteral("books#volumes")},
                          {QStringLiteral("totalItems"), 0}});
    const QJsonObject volume{
        {QStringLiteral("title"), QStringLiteral("Surreal Numbers")},
        {QStringLiteral("authors"), QJsonArray{QStringLiteral("Donald Knuth")}},
        {QStringLiteral("categories"), QJsonArray{QStringLiteral("Mathematics")}},
        {QStringLiteral("industryIdentifiers"),
         QJsonArray{QJsonObject{{QStringLiteral("type"), QStringLiteral("ISBN_10")},
                                {QStringLiteral("identifier"), QStringLiteral("0306406152")}},
                    QJsonObject{{QStringLiteral("type"), QStringLiteral("ISBN_13")},
                                {QStringLiteral("identifier"), kBook}}}}};
    return Json(200, {{QStringLiteral("totalItems"), 1},
                      {QStringLiteral("items"),
                       QJsonArray{QJsonObject{{QStringLiteral("volumeInfo"), volume}}}}});
}

HttpReply Isbndb(const QString& asked)
{
    const QString answered = Answered(asked);
    if (answered == u"busy")
        return Busy();
    if (answered != kBook)
        return Json(404, {{QStringLiteral("errorMessage"), QStringLiteral("Not Found")}});
    return Json(
        200,
        {{QStringLiteral("book"),
          QJsonObject{{QStringLiteral("title"), QStringLiteral("Surreal Numbers")},
                      {QStringLiteral("isbn13"), kBook},
                      {QStringLiteral("authors"), QJsonArray{QStringLiteral("Donald Knuth")}}}}});
}

HttpReply GoUpc(const QString& asked)
{
    const QString answered = Answered(asked);
    if (answered == u"busy")
        return Busy();
    if (answered != kProduct)
        return Json(404, {{QStringLiteral("error"), QStringLiteral("Product not found")}});
    return Json(200, {{QStringLiteral("code"), kProduct},
                      {QStringLiteral("codeType"), QStringLiteral("UPC")},
                      {QStringLiteral("product"), Product()}});
}

HttpReply BarcodeLookup(const QString& asked)
{
    const QString answered = Answered(asked);
    if (answered == u"busy")
        return Busy();
    if (answered != kProduct)
        return HttpReply{404, "text/plain", {}, "Not Found"};
    QJsonObject product = Product();
    product.insert(QStringLiteral("title"), QJsonValue(product.take(QStringLiteral("name"))));
    product.insert(QStringLiteral("barcode_number"), QString(u'0' + kProduct));
    return Json(200, {{QStringLiteral("products"), QJsonArray{product}}});
}

HttpReply UpcItemDbPaid(const QString& asked)
{
    const QString answered = Answered(asked);
    if (answered == u"busy")
        return HttpReply{429,
                         "application/json; charset=utf-8",
                         {{"Retry-After", "0"}},
                         R"({"code": "TOO_FAST", "message": "slow down"})"};
    if (answered != kProduct)
        return Json(404, {{QStringLiteral("code"), QStringLiteral("NOT_FOUND")}});
    QJsonObject item = Product();
    item.insert(QStringLiteral("title"), QJsonValue(item.take(QStringLiteral("name"))));
    item.insert(QStringLiteral("ean"), QString(u'0' + kProduct));
    return Json(200, {{QStringLiteral("code"), QStringLiteral("OK")},
                      {QStringLiteral("items"), QJsonArray{item}}});
}

} // namespace

std::optional<HttpReply> AnswerPresetRoute(const HttpRequest& request)
{
    const QString path = QString::fromUtf8(request.path);
    const auto keyless = [&](QByteArrayView header) { return request.header(header).isEmpty(); };
    const HttpReply unauthorised =
        Json(401, {{QStringLiteral("message"), QStringLiteral("no key")}});
    if (path == u"/books/v1/volumes")
        return GoogleBooks(request);
    if (path.startsWith(u"/book/"))
        return keyless("authorization") ? unauthorised : Isbndb(path.sliced(6));
    if (path.startsWith(u"/api/v1/code/"))
        return keyless("authorization") ? unauthorised : GoUpc(path.sliced(13));
    if (path == u"/v3/products")
        return request.queryItem(QStringLiteral("key")).isEmpty()
                   ? unauthorised
                   : BarcodeLookup(request.queryItem(QStringLiteral("barcode")));
    if (path == u"/prod/v1/lookup")
        return keyless("user_key") ? unauthorised
                                   : UpcItemDbPaid(request.queryItem(QStringLiteral("upc")));
    return std::nullopt;
}
