#include "lookup/SourceFile.h"

#include "lookup/JsonPointer.h"

#include <QCoreApplication>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonParseError>
#include <QSet>
#include <QUrl>

namespace {

// Why a field is refused; thrown only inside this file, and caught where the file is read.
struct Refusal
{
    QString field, reason;
};

[[noreturn]] void Refuse(const QString& field, const QString& reason)
{
    throw Refusal{field, reason};
}

QString Path(const QString& parent, const QString& key)
{
    return parent.isEmpty() ? key : parent + u'.' + key;
}

void OnlyKnownFields(const QJsonObject& object, const QString& parent,
                     std::initializer_list<QStringView> known)
{
    for (auto it = object.constBegin(); it != object.constEnd(); ++it) {
        if (std::find(known.begin(), known.end(), it.key()) == known.end())
            Refuse(Path(parent, it.key()),
                   QCoreApplication::translate("SourceFile", "unknown field"));
    }
}

bool HasControl(QStringView text)
{
    return std::any_of(text.begin(), text.end(),
                       [](QChar c) { return c.category() == QChar::Other_Control; });
}

QString Text(const QJsonObject& object, const QString& parent, const QString& key, bool required,
             qsizetype longest)
{
    const QJsonValue value = object.value(key);
    if (value.isUndefined()) {
        if (required)
            Refuse(Path(parent, key), QCoreApplication::translate("SourceFile", "missing"));
        return {};
    }
    if (!value.isString())
        Refuse(Path(parent, key), QCoreApplication::translate("SourceFile", "not a text"));
    const QString text = value.toString();
    if (text.size() > longest)
        Refuse(Path(parent, key),
               QCoreApplication::translate("SourceFile", "longer than %1 characters").arg(longest));
    if (HasControl(text))
        Refuse(Path(parent, key),
               QCoreApplication::translate("SourceFile", "holds a control character"));
    if (required && text.trimmed().isEmpty())
        Refuse(Path(parent, key), QCoreApplication::translate("SourceFile", "empty"));
    return text;
}

int Integer(const QJsonObject& object, const QString& parent, const QString& key, int fallback,
            int lowest, int highest)
{
    const QJsonValue value = object.value(key);
    if (value.isUndefined())
        return fallback;
    const double number = value.toDouble(-1);
    // The range first: only a number within it may be converted to see whether it is whole
    // (1e300 is no integer of any size, and converting it is undefined).
    if (!value.isDouble() || !(number >= lowest && number <= highest) ||
        number != double(int(number)))
        Refuse(Path(parent, key),
               QCoreApplication::translate("SourceFile", "not a whole number from %1 to %2")
                   .arg(QString::number(lowest), QString::number(highest)));
    return int(number);
}

SourceDescription::Pointer Pointer(const QJsonObject& object, const QString& parent,
                                   const QString& key)
{
    const QJsonValue value = object.value(key);
    if (value.isUndefined())
        return std::nullopt;
    std::optional<QStringList> tokens;
    if (value.isString() && value.toString().size() <= 1000)
        tokens = ParseJsonPointer(value.toString());
    if (!tokens)
        Refuse(Path(parent, key), QCoreApplication::translate("SourceFile", "not a JSON pointer"));
    return tokens;
}

QJsonObject Object(const QJsonObject& object, const QString& parent, const QString& key,
                   bool required)
{
    const QJsonValue value = object.value(key);
    if (value.isUndefined() && !required)
        return {};
    if (value.isUndefined())
        Refuse(Path(parent, key), QCoreApplication::translate("SourceFile", "missing"));
    if (!value.isObject())
        Refuse(Path(parent, key), QCoreApplication::translate("SourceFile", "not an object"));
    return value.toObject();
}

// A template: every placeholder known, and {key} only where a key is used.
QString Template(const QString& text, const QString& field, QSet<QString>& used)
{
    for (const QString& name : TemplatePlaceholders(text)) {
        if (!SourcePlaceholders().contains(name))
            Refuse(field,
                   QCoreApplication::translate("SourceFile", "unknown placeholder {%1}").arg(name));
        used.insert(name);
    }
    return text;
}

void ReadTakes(const QJsonObject& file, SourceDescription& source)
{
    const QJsonValue takes = file.value(QLatin1String("takes"));
    if (takes.isUndefined() || takes == QJsonValue(QStringLiteral("all")))
        return;
    if (takes == QJsonValue(QStringLiteral("isbn"))) {
        source.takes = SourceDescription::Takes::Isbn;
        return;
    }
    if (!takes.isArray() || takes.toArray().isEmpty())
        Refuse(QStringLiteral("takes"),
               QCoreApplication::translate(
                   "SourceFile", "\"all\", \"isbn\" or a list of kinds (\"EAN-13\", \"UPC-A\")"));
    source.takes = SourceDescription::Takes::Kinds;
    static constexpr CodeKind kKinds[] = {CodeKind::Ean13, CodeKind::Ean8,   CodeKind::UpcA,
                                          CodeKind::UpcE,  CodeKind::Gtin14, CodeKind::Isbn,
                                          CodeKind::Issn,  CodeKind::Ismn};
    for (const QJsonValue& name : takes.toArray()) {
        const auto kind = std::find_if(std::begin(kKinds), std::end(kKinds), [&](CodeKind known) {
            return name.isString() && CodeKindText(known) == name.toString();
        });
        if (kind == std::end(kKinds))
            Refuse(QStringLiteral("takes"),
                   QCoreApplication::translate("SourceFile", "unknown kind %1")
                       .arg(name.isString() ? name.toString() : QStringLiteral("?")));
        source.kinds.append(*kind);
    }
}

void ReadRequest(const QJsonObject& file, SourceDescription& source)
{
    const QString at = QStringLiteral("request");
    const QJsonObject request = Object(file, {}, at, true);
    OnlyKnownFields(request, at, {u"url", u"method", u"headers", u"body", u"key"});
    QSet<QString> used;
    source.url = Template(Text(request, at, QStringLiteral("url"), true, 2000),
                          QStringLiteral("request.url"), used);
    // Checked with every placeholder filled, as it will be sent.
    QString filled = source.url;
    for (const QString& name : SourcePlaceholders())
        filled.replace(u'{' + name + u'}', QStringLiteral("0"));
    const QUrl url(filled, QUrl::StrictMode);
    if (!url.isValid() || (url.scheme() != u"https" && url.scheme() != u"http") ||
        url.host().isEmpty())
        Refuse(QStringLiteral("request.url"),
               QCoreApplication::translate("SourceFile", "not an http:// or https:// address"));
    if (!url.userInfo().isEmpty())
        Refuse(QStringLiteral("request.url"),
               QCoreApplication::translate("SourceFile", "holds a user name or password"));

    const QString method = Text(request, at, QStringLiteral("method"), false, 10);
    if (method == u"POST")
        source.method = QByteArrayLiteral("POST");
    else if (!method.isEmpty() && method != u"GET")
        Refuse(QStringLiteral("request.method"),
               QCoreApplication::translate("SourceFile", "GET or POST"));

    const QJsonObject headers = Object(request, at, QStringLiteral("headers"), false);
    for (auto it = headers.constBegin(); it != headers.constEnd(); ++it) {
        const QString name = it.key();
        const QString field = QStringLiteral("request.headers.") + name;
        const bool token =
            !name.isEmpty() && name.size() <= 100 &&
            std::all_of(name.begin(), name.end(), [](QChar c) {
                return (c.isLetterOrNumber() && c.unicode() < 128) || c == u'-' || c == u'_';
            });
        if (!token)
            Refuse(field, QCoreApplication::translate("SourceFile", "not a header name"));
        if (!it.value().isString() || HasControl(it.value().toString()) ||
            it.value().toString().size() > 2000)
            Refuse(field, QCoreApplication::translate("SourceFile", "not a text of one line"));
        source.headers.append({name.toLatin1(), Template(it.value().toString(), field, used)});
    }

    const QJsonObject body = Object(request, at, QStringLiteral("body"), false);
    OnlyKnownFields(body, QStringLiteral("request.body"), {u"json", u"form"});
    if (!body.isEmpty() && source.method != "POST")
        Refuse(QStringLiteral("request.body"),
               QCoreApplication::translate("SourceFile", "only a POST sends a body"));
    if (body.size() > 1)
        Refuse(QStringLiteral("request.body"),
               QCoreApplication::translate("SourceFile", "either json or form, not both"));
    if (body.contains(QLatin1String("json"))) {
        source.body = SourceDescription::Body::Json;
        source.jsonBody =
            Object(body, QStringLiteral("request.body"), QStringLiteral("json"), true);
        // Its strings are templates; they are looked at through the text the object makes.
        Template(QString::fromUtf8(QJsonDocument(source.jsonBody).toJson(QJsonDocument::Compact)),
                 QStringLiteral("request.body.json"), used);
    } else if (body.contains(QLatin1String("form"))) {
        source.body = SourceDescription::Body::Form;
        const QJsonObject form =
            Object(body, QStringLiteral("request.body"), QStringLiteral("form"), true);
        for (auto it = form.constBegin(); it != form.constEnd(); ++it) {
            const QString field = QStringLiteral("request.body.form.") + it.key();
            if (!it.value().isString())
                Refuse(field, QCoreApplication::translate("SourceFile", "not a text"));
            source.formBody.append({it.key(), Template(it.value().toString(), field, used)});
        }
    } else if (source.method == "POST") {
        Refuse(QStringLiteral("request.body"),
               QCoreApplication::translate("SourceFile", "missing (a POST sends json or form)"));
    }

    const QString key = Text(request, at, QStringLiteral("key"), false, 20);
    const bool named = used.contains(QStringLiteral("key"));
    if (key.isEmpty())
        source.key = named ? SourceDescription::KeyUse::Required : SourceDescription::KeyUse::None;
    else if (key == u"required" || key == u"optional")
        source.key = key == u"required" ? SourceDescription::KeyUse::Required
                                        : SourceDescription::KeyUse::Optional;
    else
        Refuse(QStringLiteral("request.key"),
               QCoreApplication::translate("SourceFile", "\"required\" or \"optional\""));
    if (!named && source.key != SourceDescription::KeyUse::None)
        Refuse(QStringLiteral("request.key"),
               QCoreApplication::translate("SourceFile", "no template names {key}"));
}

void ReadAnswer(const QJsonObject& file, SourceDescription& source)
{
    const QString at = QStringLiteral("answer");
    const QJsonObject answer = Object(file, {}, at, true);
    OnlyKnownFields(answer, at,
                    {u"results", u"match", u"name", u"brand", u"quantity", u"categories",
                     u"picture", u"page", u"description"});
    SourceDescription::Answer& read = source.answer;
    read.results = Pointer(answer, at, QStringLiteral("results"));
    read.match = Pointer(answer, at, QStringLiteral("match"));
    read.name = Pointer(answer, at, QStringLiteral("name"));
    if (!read.name)
        Refuse(QStringLiteral("answer.name"), QCoreApplication::translate("SourceFile", "missing"));
    read.brand = Pointer(answer, at, QStringLiteral("brand"));
    read.quantity = Pointer(answer, at, QStringLiteral("quantity"));
    read.categories = Pointer(answer, at, QStringLiteral("categories"));
    read.picture = Pointer(answer, at, QStringLiteral("picture"));
    read.page = Pointer(answer, at, QStringLiteral("page"));
    read.description = Pointer(answer, at, QStringLiteral("description"));
}

void ReadNotFound(const QJsonObject& file, SourceDescription& source)
{
    const QString at = QStringLiteral("notFound");
    const QJsonObject notFound = Object(file, {}, at, false);
    OnlyKnownFields(notFound, at, {u"statuses", u"emptyResults", u"missing", u"value"});
    SourceDescription::NotFound& read = source.notFound;
    if (const QJsonValue statuses = notFound.value(QLatin1String("statuses"));
        !statuses.isUndefined()) {
        if (!statuses.isArray())
            Refuse(QStringLiteral("notFound.statuses"),
                   QCoreApplication::translate("SourceFile", "not a list"));
        read.statuses.clear();
        for (const QJsonValue& status : statuses.toArray()) {
            const int code = status.toInt(0);
            // A success or a redirection is never "not found"; 429 and 503 mean busy.
            if (code < 400 || code > 599 || code == 429 || code == 503)
                Refuse(QStringLiteral("notFound.statuses"),
                       QCoreApplication::translate(
                           "SourceFile", "not an HTTP error status other than 429 and 503"));
            read.statuses.append(code);
        }
    }
    if (const QJsonValue empty = notFound.value(QLatin1String("emptyResults"));
        !empty.isUndefined()) {
        if (!empty.isBool())
            Refuse(QStringLiteral("notFound.emptyResults"),
                   QCoreApplication::translate("SourceFile", "not true or false"));
        read.emptyResults = empty.toBool();
    }
    read.missing = Pointer(notFound, at, QStringLiteral("missing"));
    const QJsonObject value = Object(notFound, at, QStringLiteral("value"), false);
    if (!value.isEmpty()) {
        const QString valueAt = QStringLiteral("notFound.value");
        OnlyKnownFields(value, valueAt, {u"at", u"equals"});
        read.valueAt = Pointer(value, valueAt, QStringLiteral("at"));
        read.value = value.value(QLatin1String("equals"));
        if (!read.valueAt)
            Refuse(QStringLiteral("notFound.value.at"),
                   QCoreApplication::translate("SourceFile", "missing"));
        if (read.value.isUndefined() || read.value.isArray() || read.value.isObject())
            Refuse(QStringLiteral("notFound.value.equals"),
                   QCoreApplication::translate("SourceFile",
                                               "not a text, number, true, false or null"));
    }
}

// A library catalogue: ISBNs only, asked with a query of its own language; its password is the
// source's key.
void ReadCatalogue(const QJsonObject& file, SourceDescription& source)
{
    const QString at = QStringLiteral("catalogue");
    const QJsonObject catalogue = Object(file, {}, at, true);
    OnlyKnownFields(catalogue, at,
                    {u"protocol", u"host", u"port", u"database", u"https", u"query", u"syntax",
                     u"user", u"password"});
    CatalogueDescription read;
    const QString protocol = Text(catalogue, at, QStringLiteral("protocol"), true, 10);
    if (protocol == u"sru")
        read.protocol = CatalogueSearch::Protocol::Sru;
    else if (protocol != u"z3950")
        Refuse(QStringLiteral("catalogue.protocol"),
               QCoreApplication::translate("SourceFile", "\"z3950\" or \"sru\""));
    read.host = Text(catalogue, at, QStringLiteral("host"), true, 253).trimmed();
    if (read.host.contains(u' ') || read.host.contains(u'/') || read.host.contains(u'@'))
        Refuse(QStringLiteral("catalogue.host"),
               QCoreApplication::translate("SourceFile", "not a host name or address"));
    if (const QJsonValue https = catalogue.value(QLatin1String("https")); !https.isUndefined()) {
        if (!https.isBool() || (https.toBool() && read.protocol != CatalogueSearch::Protocol::Sru))
            Refuse(QStringLiteral("catalogue.https"),
                   QCoreApplication::translate("SourceFile", "true or false, and only for SRU"));
        read.https = https.toBool();
    }
    const bool sru = read.protocol == CatalogueSearch::Protocol::Sru;
    read.port = Integer(catalogue, at, QStringLiteral("port"), sru ? (read.https ? 443 : 80) : 210,
                        1, 65535);
    read.database = Text(catalogue, at, QStringLiteral("database"), !sru, 500).trimmed();
    if (sru && !read.database.isEmpty() && !read.database.startsWith(u'/'))
        read.database.prepend(u'/');
    if (read.database.contains(u' ') || read.database.contains(u'?') ||
        read.database.contains(u'#'))
        Refuse(QStringLiteral("catalogue.database"),
               QCoreApplication::translate("SourceFile", "holds a space, \"?\" or \"#\""));
    read.query = Text(catalogue, at, QStringLiteral("query"), true, 500);
    const QStringList placeholders = TemplatePlaceholders(read.query);
    for (const QString& name : placeholders)
        if (name != u"isbn13" && name != u"isbn10")
            Refuse(QStringLiteral("catalogue.query"),
                   QCoreApplication::translate("SourceFile", "unknown placeholder {%1}").arg(name));
    if (placeholders.isEmpty())
        Refuse(QStringLiteral("catalogue.query"),
               QCoreApplication::translate("SourceFile", "names neither {isbn13} nor {isbn10}"));
    read.recordSyntax = Text(catalogue, at, QStringLiteral("syntax"), false, 50).trimmed();
    if (read.recordSyntax.isEmpty())
        read.recordSyntax = sru ? QStringLiteral("marcxml") : QStringLiteral("usmarc");
    read.user = Text(catalogue, at, QStringLiteral("user"), false, 200);
    const QString password = Text(catalogue, at, QStringLiteral("password"), false, 20);
    if (password == u"required")
        source.key = SourceDescription::KeyUse::Required;
    else if (password == u"optional")
        source.key = SourceDescription::KeyUse::Optional;
    else if (!password.isEmpty())
        Refuse(QStringLiteral("catalogue.password"),
               QCoreApplication::translate("SourceFile", "\"required\" or \"optional\""));
    source.takes = SourceDescription::Takes::Isbn;
    source.catalogue = std::move(read);
}

SourceDescription Read(const QJsonObject& file)
{
    const bool catalogue = file.contains(QLatin1String("catalogue"));
    if (catalogue)
        OnlyKnownFields(
            file, {},
            {u"name", u"displayName", u"catalogue", u"perMinute", u"rememberDays", u"licence"});
    else
        OnlyKnownFields(file, {},
                        {u"name", u"displayName", u"takes", u"request", u"answer", u"notFound",
                         u"perMinute", u"perDay", u"rememberDays", u"licence",
                         u"keylessQuotaMessage"});
    SourceDescription source;
    source.name = Text(file, {}, QStringLiteral("name"), true, 40);
    if (!std::all_of(source.name.begin(), source.name.end(),
                     [](QChar c) { return (c >= u'a' && c <= u'z') || (c >= u'0' && c <= u'9'); }))
        Refuse(QStringLiteral("name"),
               QCoreApplication::translate("SourceFile", "lower-case letters and digits only"));
    source.displayName = Text(file, {}, QStringLiteral("displayName"), true, 100).trimmed();
    if (catalogue) {
        ReadCatalogue(file, source);
    } else {
        ReadTakes(file, source);
        ReadRequest(file, source);
        ReadAnswer(file, source);
        ReadNotFound(file, source);
    }
    source.perMinute = Integer(file, {}, QStringLiteral("perMinute"), 60, 1, 6000);
    source.perDay = Integer(file, {}, QStringLiteral("perDay"), 0, 0, 100'000'000);
    const QJsonObject remember = Object(file, {}, QStringLiteral("rememberDays"), false);
    OnlyKnownFields(remember, QStringLiteral("rememberDays"), {u"found", u"notFound"});
    source.foundDays =
        Integer(remember, QStringLiteral("rememberDays"), QStringLiteral("found"), 30, 0, 365);
    source.notFoundDays =
        Integer(remember, QStringLiteral("rememberDays"), QStringLiteral("notFound"), 7, 0, 365);
    source.licence = Text(file, {}, QStringLiteral("licence"), false, 1000).trimmed();
    source.keylessQuotaMessage =
        Text(file, {}, QStringLiteral("keylessQuotaMessage"), false, 200).trimmed();
    return source;
}

// A message names the file and the field as they are written, which may be anything: it is kept
// to one line of text.
QString OneLine(QString message)
{
    for (QChar& c : message)
        if (c.category() == QChar::Other_Control)
            c = u'?';
    return message;
}

} // namespace

QStringList TemplatePlaceholders(QStringView text)
{
    QStringList names;
    for (qsizetype open = text.indexOf(u'{'); open >= 0; open = text.indexOf(u'{', open + 1)) {
        qsizetype end = open + 1;
        while (end < text.size() && text[end].unicode() < 128 && text[end].isLetterOrNumber())
            ++end;
        if (end > open + 1 && end < text.size() && text[end] == u'}')
            names.append(text.sliced(open + 1, end - open - 1).toString());
    }
    return names;
}

std::variant<SourceDescription, QString> ReadSourceFile(const QString& fileName,
                                                        const QByteArray& content)
{
    if (content.size() > kLargestSourceFile)
        return OneLine(QCoreApplication::translate("SourceFile", "%1: larger than %2 KB")
                           .arg(fileName, QString::number(kLargestSourceFile / 1024)));
    QJsonParseError error;
    const QJsonDocument document = QJsonDocument::fromJson(content, &error);
    if (error.error != QJsonParseError::NoError)
        //: %1 is the file's name, %2 what the JSON reader says is wrong, %3 where.
        return OneLine(QCoreApplication::translate("SourceFile", "%1: not JSON (%2 at byte %3)")
                           .arg(fileName, error.errorString(), QString::number(error.offset)));
    if (!document.isObject())
        return OneLine(
            QCoreApplication::translate("SourceFile", "%1: not a JSON object").arg(fileName));
    try {
        SourceDescription source = Read(document.object());
        source.fileName = fileName;
        return source;
    } catch (const Refusal& refusal) {
        return OneLine(fileName + u": " + refusal.field + u": " + refusal.reason);
    }
}
