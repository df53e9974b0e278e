#include "OpenDatabases.h"

#include "SamplePictures.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QRegularExpression>

#include <algorithm>

namespace {
const QByteArray kJson = "application/json; charset=utf-8";

struct Sibling
{
    const char* prefix; // the path before /api/..., standing in for the database's host
    const char* type;
    const char* api;
};
constexpr Sibling kSiblings[] = {
    {"", "food", "openfoodfacts"},
    {"/beauty", "beauty", "openbeautyfacts"},
    {"/petfood", "petfood", "openpetfoodfacts"},
    {"/products", "product", "openproductsfacts"},
};

const Sibling* SiblingOfType(const QString& type)
{
    for (const Sibling& sibling : kSiblings)
        if (type == QLatin1String(sibling.type))
            return &sibling;
    return nullptr;
}

QString Decoded(const QByteArray& encoded)
{
    return QString::fromUtf8(QByteArray::fromPercentEncoding(encoded));
}

QByteArray Json(const QJsonObject& object)
{
    return QJsonDocument(object).toJson(QJsonDocument::Compact);
}

HttpReply JsonReply(int status, QJsonObject object, const OpenAnswerStyle& style)
{
    if (style.padTo > 0) {
        // The padding comes first, so that a reader meets the record only at the end.
        const qsizetype plain = Json(object).size();
        object.insert(QStringLiteral("_padding"),
                      QString(std::max<qint64>(0, style.padTo - plain), u' '));
    }
    return HttpReply{status, kJson, {}, Json(object)};
}

void AppendToNames(QJsonObject& object, const QString& afterName, const QStringList& names)
{
    if (afterName.isEmpty())
        return;
    for (auto it = object.begin(); it != object.end(); ++it) {
        const QString key = it.key();
        const bool named = names.contains(key) || key.startsWith(u"product_name");
        if (named && it.value().isString() && !it.value().toString().isEmpty())
            it.value() = QString(it.value().toString() + afterName);
    }
}

QJsonObject Named(const char* id, const char* name)
{
    return QJsonObject{{QStringLiteral("id"), QLatin1String(id)},
                       {QStringLiteral("name"), QLatin1String(name)},
                       {QStringLiteral("lc_name"), QLatin1String(name)}};
}

HttpReply ProductNotFound(const QString& code, const OpenAnswerStyle& style)
{
    if (!style.resultShape)
        return JsonReply(404,
                         {{QStringLiteral("code"), code},
                          {QStringLiteral("status"), 0},
                          {QStringLiteral("status_verbose"), QStringLiteral("product not found")}},
                         style);
    const QJsonObject error{
        {QStringLiteral("field"), QJsonObject{{QStringLiteral("id"), QStringLiteral("code")},
                                              {QStringLiteral("value"), code}}},
        {QStringLiteral("impact"), Named("failure", "Failure")},
        {QStringLiteral("message"), Named("product_not_found", "Product not found")}};
    return JsonReply(404,
                     {{QStringLiteral("code"), code},
                      {QStringLiteral("errors"), QJsonArray{error}},
                      {QStringLiteral("result"), Named("product_not_found", "Product not found")},
                      {QStringLiteral("status"), QStringLiteral("failure")},
                      {QStringLiteral("warnings"), QJsonArray{}}},
                     style);
}

HttpReply ProductFound(const OpenCatalog::Product& product, const HttpRequest& request,
                       const OpenAnswerStyle& style)
{
    QJsonObject fields;
    const QString wanted = request.queryItem(QStringLiteral("fields"));
    if (wanted.isEmpty()) {
        fields = product.fields;
    } else {
        for (const QString& name : wanted.split(u',', Qt::SkipEmptyParts)) {
            const QString field = name.trimmed();
            if (product.fields.contains(field))
                fields.insert(field, product.fields.value(field));
        }
    }
    AppendToNames(fields, style.afterName, {QStringLiteral("generic_name")});
    if (!style.resultShape)
        return JsonReply(200,
                         {{QStringLiteral("code"), product.code},
                          {QStringLiteral("product"), fields},
                          {QStringLiteral("status"), 1},
                          {QStringLiteral("status_verbose"), QStringLiteral("product found")}},
                         style);
    return JsonReply(200,
                     {{QStringLiteral("code"), product.code},
                      {QStringLiteral("errors"), QJsonArray{}},
                      {QStringLiteral("product"), fields},
                      {QStringLiteral("result"), Named("product_found", "Product found")},
                      {QStringLiteral("status"), QStringLiteral("success")},
                      {QStringLiteral("warnings"), QJsonArray{}}},
                     style);
}

HttpReply Redirect(const QByteArray& location)
{
    return HttpReply{302, {}, {{"Location", location}}, {}};
}

HttpReply AnswerProductShaped(const OpenRoute& route, const HttpRequest& request,
                              const OpenCatalog& catalog, const OpenAnswerStyle& style);

// Open Food Facts: a product of another database is found there, through a redirection, when the
// request allows that database's type ("all" allows every one); otherwise it is not found.
HttpReply AnswerProduct(const OpenRoute& route, const HttpRequest& request,
                        const OpenCatalog& catalog, const OpenAnswerStyle& style)
{
    OpenAnswerStyle shaped = style;
    // The current API (v3) always answers in the shape with "result"; the older one only as a
    // fault, for the clients that met it in the middle.
    shaped.resultShape = style.resultShape || route.apiVersion == 3;
    return AnswerProductShaped(route, request, catalog, shaped);
}

HttpReply AnswerProductShaped(const OpenRoute& route, const HttpRequest& request,
                              const OpenCatalog& catalog, const OpenAnswerStyle& style)
{
    const OpenCatalog::Product* product = catalog.product(route.argument);
    QString requested = request.queryItem(QStringLiteral("product_type"));
    if (requested.isEmpty())
        requested = route.productType;
    if (!product || (requested != u"all" && requested != product->type))
        return ProductNotFound(route.argument, style);
    if (product->type == route.productType)
        return ProductFound(*product, request, style);
    // The sibling's host is this one: only loopback addresses are ever asked.
    const Sibling* sibling = SiblingOfType(product->type);
    const QByteArray host = request.header("host");
    QByteArray location = (host.isEmpty() ? QByteArray() : "http://" + host) + sibling->prefix +
                          "/api/v" + QByteArray::number(route.apiVersion) + "/product/" +
                          request.path.mid(request.path.lastIndexOf('/') + 1);
    if (request.hasQuery)
        location += '?' + request.query;
    return Redirect(location);
}

HttpReply OpenLibraryNotFound(const QString& key, const OpenAnswerStyle& style)
{
    return JsonReply(
        404, {{QStringLiteral("error"), QStringLiteral("notfound")}, {QStringLiteral("key"), key}},
        style);
}

HttpReply AnswerLookup(const OpenRoute& route, const OpenCatalog& catalog,
                       const OpenAnswerStyle& style)
{
    if (route.argument.isEmpty())
        return JsonReply(
            400,
            {{QStringLiteral("code"), QStringLiteral("INVALID_QUERY")},
             {QStringLiteral("message"), QStringLiteral("missing required parameters")}},
            style);
    const QJsonObject* found = catalog.item(route.argument);
    if (!found && style.notFoundCode)
        return JsonReply(404,
                         {{QStringLiteral("code"), QStringLiteral("NOT_FOUND")},
                          {QStringLiteral("message"), QStringLiteral("no match was found")}},
                         style);
    QJsonArray items;
    if (found) {
        QJsonObject item = *found;
        AppendToNames(item, style.afterName, {QStringLiteral("title")});
        items.append(item);
    }
    return JsonReply(200,
                     {{QStringLiteral("code"), QStringLiteral("OK")},
                      {QStringLiteral("total"), items.size()},
                      {QStringLiteral("offset"), 0},
                      {QStringLiteral("items"), items}},
                     style);
}

// Open Library's data view of the editions asked for by "ISBN:..." keys; an unknown one is left
// out, as the service does.
HttpReply AnswerBooks(const OpenRoute& route, const OpenCatalog& catalog,
                      const OpenAnswerStyle& style)
{
    QJsonObject books;
    for (const QString& bibkey : route.argument.split(u',', Qt::SkipEmptyParts)) {
        if (!bibkey.startsWith(u"ISBN:"))
            continue;
        const QJsonObject* edition = catalog.editionByIsbn(QStringView(bibkey).sliced(5));
        if (!edition)
            continue;
        const QString key = edition->value(u"key").toString();
        const QString self = QString::fromLatin1(kOwnAddressMark);
        QJsonObject book{{QStringLiteral("key"), key},
                         {QStringLiteral("url"), QString(self + key)},
                         {QStringLiteral("title"), edition->value(u"title")}};
        for (const char* field : {"subtitle", "publish_date"}) {
            if (edition->contains(QLatin1String(field)))
                book.insert(QLatin1String(field), edition->value(QLatin1String(field)));
        }
        QJsonArray publishers;
        for (const QJsonValue& name : edition->value(u"publishers").toArray())
            publishers.append(QJsonObject{{QStringLiteral("name"), name}});
        if (!publishers.isEmpty())
            book.insert(QStringLiteral("publishers"), publishers);
        const QJsonValue cover = edition->value(u"covers").toArray().at(0);
        if (cover.isDouble()) {
            const QString id = QString::number(cover.toInteger());
            QJsonObject sizes;
            for (const char* size : {"small", "medium", "large"})
                sizes.insert(QLatin1String(size),
                             QString(self + QStringLiteral("/b/id/") + id + u'-' +
                                     QChar(size[0]).toUpper() + QStringLiteral(".jpg")));
            book.insert(QStringLiteral("cover"), sizes);
        }
        AppendToNames(book, style.afterName, {QStringLiteral("title")});
        books.insert(bibkey, book);
    }
    return JsonReply(200, books, style);
}

// The ISBN-13 an edition is known by, for faults: its first, else its first ISBN-10's.
QString EditionIsbn(const QJsonObject& edition)
{
    const QString isbn13 = edition.value(u"isbn_13").toArray().at(0).toString();
    if (!isbn13.isEmpty())
        return isbn13;
    return Isbn13FromIsbn10(edition.value(u"isbn_10").toArray().at(0).toString());
}
} // namespace

std::optional<OpenRoute> MatchOpenRoute(const HttpRequest& request, const OpenCatalog& catalog)
{
    static const QRegularExpression product(QStringLiteral(
        R"(^(|/beauty|/petfood|/products)/api/v([23])/product/([^/]+?)(?:\.json)?$)"));
    static const QRegularExpression isbn(QStringLiteral(R"(^/isbn/([^/]+)\.json$)"));
    static const QRegularExpression edition(QStringLiteral(R"(^/books/(OL\d+M)\.json$)"));

    const QString path = QString::fromUtf8(request.path);
    OpenRoute route;
    if (const QRegularExpressionMatch match = product.match(path); match.hasMatch()) {
        for (const Sibling& sibling : kSiblings)
            if (match.captured(1) == QLatin1String(sibling.prefix)) {
                route.api = QLatin1String(sibling.api);
                route.productType = QLatin1String(sibling.type);
            }
        route.kind = OpenRoute::Kind::Product;
        route.apiVersion = match.captured(2).toInt();
        route.argument = Decoded(match.captured(3).toUtf8());
        route.code = route.argument;
        return route;
    }
    if (const QRegularExpressionMatch match = isbn.match(path); match.hasMatch()) {
        route.kind = OpenRoute::Kind::Isbn;
        route.api = QStringLiteral("openlibrary");
        route.argument = Decoded(match.captured(1).toUtf8());
        QString plain = route.argument;
        plain.remove(u'-');
        const QString isbn13 = plain.size() == 10 ? Isbn13FromIsbn10(plain) : QString();
        route.code = isbn13.isEmpty() ? plain : isbn13;
        return route;
    }
    if (const QRegularExpressionMatch match = edition.match(path); match.hasMatch()) {
        route.kind = OpenRoute::Kind::Edition;
        route.api = QStringLiteral("openlibrary");
        route.argument = QStringLiteral("/books/") + match.captured(1);
        const QJsonObject* record = catalog.editionByKey(route.argument);
        route.code = record ? EditionIsbn(*record) : route.argument;
        return route;
    }
    if (request.path == "/api/books") {
        route.kind = OpenRoute::Kind::Books;
        route.api = QStringLiteral("openlibrary");
        route.argument = request.queryItem(QStringLiteral("bibkeys"));
        // Faults name a batch by its first book.
        const QString first = route.argument.section(u',', 0, 0).section(u':', 1);
        const QString isbn13 = first.size() == 10 ? Isbn13FromIsbn10(first) : QString();
        route.code = isbn13.isEmpty() ? first : isbn13;
        return route;
    }
    if (request.path == "/prod/trial/lookup") {
        route.kind = OpenRoute::Kind::Lookup;
        route.api = QStringLiteral("upcitemdb");
        route.argument = request.queryItem(QStringLiteral("upc")).trimmed();
        route.code = route.argument;
        return route;
    }
    return std::nullopt;
}

HttpReply AnswerOpenRoute(const OpenRoute& route, const HttpRequest& request,
                          const OpenCatalog& catalog, const OpenAnswerStyle& style)
{
    switch (route.kind) {
    case OpenRoute::Kind::Product:
        return AnswerProduct(route, request, catalog, style);
    case OpenRoute::Kind::Isbn: {
        const QJsonObject* edition = catalog.editionByIsbn(route.argument);
        if (!edition)
            return OpenLibraryNotFound(QStringLiteral("/isbn/") + route.argument, style);
        return Redirect(edition->value(u"key").toString().toUtf8() + ".json");
    }
    case OpenRoute::Kind::Edition: {
        const QJsonObject* edition = catalog.editionByKey(route.argument);
        if (!edition)
            return OpenLibraryNotFound(route.argument, style);
        QJsonObject record = *edition;
        AppendToNames(record, style.afterName, {QStringLiteral("title")});
        return JsonReply(200, record, style);
    }
    case OpenRoute::Kind::Books:
        return AnswerBooks(route, catalog, style);
    case OpenRoute::Kind::Lookup:
        return AnswerLookup(route, catalog, style);
    }
    return {};
}

QByteArray UpcitemdbRefusal(bool daily)
{
    return Json(daily ? QJsonObject{{QStringLiteral("code"), QStringLiteral("EXCEED_LIMIT")},
                                    {QStringLiteral("message"),
                                     QStringLiteral("exceeded the daily limit of requests")}}
                      : QJsonObject{{QStringLiteral("code"), QStringLiteral("TOO_FAST")},
                                    {QStringLiteral("message"),
                                     QStringLiteral("the rate limit was exceeded, slow down")}});
}
