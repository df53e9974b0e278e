#include "lookup/JsonFileSource.h"

#include "lookup/JsonPointer.h"
#include "lookup/ProductName.h"
#include "lookup/SourceSupport.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QJsonParseError>
#include <QUrlQuery>

namespace {

inline constexpr QStringView kKey = u"key";
inline constexpr QStringView kShownKey = u"***";

// The template with each placeholder replaced by what `value` gives for its name, percent-encoded
// when the text goes into an address.
QString Expand(const QString& text, const std::function<QString(const QString&)>& value,
               bool encode)
{
    QString expanded;
    qsizetype from = 0;
    for (qsizetype open = text.indexOf(u'{'); open >= 0; open = text.indexOf(u'{', open + 1)) {
        const qsizetype close = text.indexOf(u'}', open);
        if (close < 0)
            break;
        const QString name = text.sliced(open + 1, close - open - 1);
        if (!SourcePlaceholders().contains(name))
            continue;
        expanded += QStringView(text).sliced(from, open - from);
        const QString filled = value(name);
        expanded += encode && filled != kShownKey
                        ? QString::fromLatin1(QUrl::toPercentEncoding(filled))
                        : filled;
        from = close + 1;
        open = close;
    }
    return expanded + QStringView(text).sliced(from);
}

// The query parameters of an address template that carry the key dropped: a key that is optional
// and not given is not sent as an empty one.
QString WithoutKeyParameters(const QString& url)
{
    const qsizetype question = url.indexOf(u'?');
    if (question < 0)
        return url;
    QStringList kept;
    for (const QString& pair : url.sliced(question + 1).split(u'&')) {
        if (!TemplatePlaceholders(pair).contains(kKey))
            kept.append(pair);
    }
    return url.first(question) + (kept.isEmpty() ? QString() : u'?' + kept.join(u'&'));
}

QJsonValue ExpandJson(const QJsonValue& value, const std::function<QString(const QString&)>& fill)
{
    if (value.isString())
        return Expand(value.toString(), fill, false);
    if (value.isArray()) {
        QJsonArray array;
        for (const QJsonValue& element : value.toArray())
            array.append(ExpandJson(element, fill));
        return array;
    }
    if (value.isObject()) {
        QJsonObject object;
        const QJsonObject given = value.toObject();
        for (auto it = given.constBegin(); it != given.constEnd(); ++it)
            object.insert(it.key(), ExpandJson(it.value(), fill));
        return object;
    }
    return value;
}

// A field's text: a text as it is, a number written out, the texts of a list joined.
QString FieldText(const std::optional<QJsonValue>& value)
{
    if (!value)
        return {};
    QString text;
    if (value->isString())
        text = value->toString();
    else if (value->isDouble())
        text = QString::number(value->toDouble(), 'g', 15);
    else if (value->isArray())
        text = JsonTexts(*value).join(QStringLiteral(", "));
    return CleanField(text);
}

// A description is read for the details window, and is remembered with the answer: a service
// that sends a whole book's blurb, or megabytes, is cut to a few paragraphs there.
constexpr qsizetype kLongestDescription = 2000;

QString ShownDescription(QString text)
{
    if (text.size() <= kLongestDescription)
        return text;
    qsizetype cut = kLongestDescription;
    // Never between the two halves of a character outside the BMP.
    if (text.at(cut - 1).isHighSurrogate())
        --cut;
    text.truncate(cut);
    return text.trimmed() + QChar(0x2026);
}

// Whether the text is plainly a valid http(s) address with a host, of the plainest form only:
// "http(s)://", a host name of ASCII labels (the last with a letter, none an "xn--" one), and
// then only characters an address may hold as they are. False says nothing: QUrl decides.
bool PlainWebAddress(QStringView text)
{
    qsizetype at = 0;
    if (text.startsWith(u"https://", Qt::CaseInsensitive))
        at = 8;
    else if (text.startsWith(u"http://", Qt::CaseInsensitive))
        at = 7;
    else
        return false;
    const auto isAlnum = [](QChar c) {
        return (c >= u'a' && c <= u'z') || (c >= u'A' && c <= u'Z') || (c >= u'0' && c <= u'9');
    };
    const qsizetype hostStart = at;
    qsizetype labelStart = at;
    bool labelHasLetter = false;
    for (; at < text.size() && text[at] != u'/' && text[at] != u'?' && text[at] != u'#'; ++at) {
        const QChar c = text[at];
        if (c == u'.') {
            if (at == labelStart || text[at - 1] == u'-')
                return false;
            labelStart = at + 1;
            labelHasLetter = false;
        } else if (isAlnum(c) || (c == u'-' && at != labelStart)) {
            labelHasLetter = labelHasLetter || c.isLetter();
            if (at - labelStart >= 63)
                return false;
        } else {
            return false; // a port, a user, a bracket, anything else
        }
        if (at - labelStart == 3 &&
            text.sliced(labelStart, 4).startsWith(u"xn--", Qt::CaseInsensitive))
            return false;
    }
    if (at == labelStart || text[at - 1] == u'-' || !labelHasLetter || at - hostStart > 253)
        return false;
    static constexpr QStringView kPlain = u"-._~!$&'()*+,;=:@/?";
    bool fragment = false;
    for (; at < text.size(); ++at) {
        const QChar c = text[at];
        if (c == u'#' && !fragment)
            fragment = true;
        else if (!isAlnum(c) && !kPlain.contains(c))
            return false;
    }
    return true;
}

QString WebAddress(const std::optional<QJsonValue>& value)
{
    const QString text = FieldText(value);
    if (PlainWebAddress(text))
        return text;
    // Any address starts with its scheme: the others are refused before they are parsed.
    if (!text.startsWith(u"http", Qt::CaseInsensitive))
        return {};
    const QUrl url(text, QUrl::StrictMode);
    if (!url.isValid())
        return {};
    const QString scheme = url.scheme();
    return (scheme == u"https" || scheme == u"http") && !url.host().isEmpty() ? text : QString();
}

// The text without spaces, hyphens and leading zeros (one 0 kept of a text of zeros).
QString Digits(QStringView text)
{
    // Written straight into the characters: this runs on every result of every answer.
    QString digits(text.size(), Qt::Uninitialized);
    QChar* const out = digits.data();
    qsizetype size = 0;
    for (const QChar c : text) {
        if (c == u' ' || c == u'-')
            continue;
        if (size == 1 && out[0] == u'0')
            size = 0;
        out[size++] = c;
    }
    digits.truncate(size);
    return digits;
}

// The code's forms as answers may name it, in Digits(): those of its placeholders ({typed},
// {gtin}, {isbn10}, ...). {gtin13}, {upca} and {isbn13} differ from {gtin} only in leading zeros,
// so only {isbn10} and the code as typed can add one.
QStringList CodeForms(const QString& typed)
{
    const CheckedCode checked = CheckCode(typed);
    QStringList forms;
    const auto add = [&](QString form) {
        if (!form.isEmpty() && !forms.contains(form))
            forms.append(std::move(form));
    };
    // A code that did not pass has no {gtin}; its {gtin13} and {upca} are zeros.
    add(checked.gtin.isEmpty() ? QStringLiteral("0") : Digits(checked.gtin));
    if (typed != checked.gtin) // typed as plain digits, it is the {gtin} already
        add(Digits(typed.trimmed()));
    if (checked.isbn && checked.gtin.startsWith(u"978")) {
        const QStringView nine = QStringView(checked.gtin).sliced(3, 9);
        int sum = 0;
        for (int i = 0; i < 9; ++i)
            sum += (10 - i) * (nine[i].unicode() - u'0');
        const int check = (11 - sum % 11) % 11;
        add(Digits(QString(nine + (check == 10 ? QStringLiteral("X") : QString::number(check)))));
    }
    return forms;
}

// Whether the value names the code in one of its forms: a text or a number, or within a list or
// an object (an answer's list of identifiers, each with its type), not deeper than a few levels.
bool NamesCode(const QJsonValue& value, const QStringList& forms, int depth = 0)
{
    if (value.isString()) {
        const QString text = value.toString();
        if (text.contains(u' ') || text.contains(u'-'))
            return forms.contains(Digits(text));
        // The plain digits an answer mostly holds: their leading zeros skipped, not copied.
        QStringView digits(text);
        while (digits.size() > 1 && digits.front() == u'0')
            digits = digits.sliced(1);
        return std::any_of(forms.begin(), forms.end(),
                           [&](const QString& form) { return form == digits; });
    }
    if (value.isDouble())
        return forms.contains(Digits(QString::number(value.toDouble(), 'f', 0)));
    if (depth == 3)
        return false;
    if (value.isArray()) {
        const QJsonArray array = value.toArray();
        return std::any_of(array.begin(), array.end(), [&](const QJsonValue& element) {
            return NamesCode(element, forms, depth + 1);
        });
    }
    if (value.isObject()) {
        const QJsonObject object = value.toObject();
        return std::any_of(object.begin(), object.end(), [&](const QJsonValue& member) {
            return NamesCode(member, forms, depth + 1);
        });
    }
    return false;
}

} // namespace

JsonFileSource::JsonFileSource(SourceDescription description, KeyProvider key, QString address)
    : m_description(std::move(description))
    , m_key(std::move(key))
    , m_address(std::move(address))
    , m_notFoundText(m_description.notFound.value.toString())
{
    QStringList templates{m_description.url};
    for (const auto& header : m_description.headers)
        templates.append(header.second);
    for (const auto& field : m_description.formBody)
        templates.append(field.second);
    templates.append(QString::fromUtf8(QJsonDocument(m_description.jsonBody).toJson()));
    for (const QString& text : templates) {
        for (const QString& name : TemplatePlaceholders(text)) {
            if (name != kKey && name != u"typed" && !m_codePlaceholders.contains(name))
                m_codePlaceholders.append(name);
        }
    }
}

QStringList JsonFileSource::ownHosts() const
{
    const QString address = m_address.isEmpty() ? m_description.url : m_address;
    return HostsOf({Expand(
        address, [](const QString&) { return QStringLiteral("0"); }, true)});
}

qint64 JsonFileSource::foundLifetime() const
{
    return m_description.foundDays * kSecondsPerDay;
}

qint64 JsonFileSource::notFoundLifetime() const
{
    return m_description.notFoundDays * kSecondsPerDay;
}

bool JsonFileSource::takes(const CheckedCode& checked) const
{
    if (!checked.isValid())
        return false;
    switch (m_description.takes) {
    case SourceDescription::Takes::All:
        break;
    case SourceDescription::Takes::Isbn:
        if (!checked.isbn)
            return false;
        break;
    case SourceDescription::Takes::Kinds:
        if (!m_description.kinds.contains(DescribeCode(checked.asTyped).kind))
            return false;
        break;
    }
    // A code with no form for a placeholder the request needs cannot be asked.
    return std::all_of(
        m_codePlaceholders.begin(), m_codePlaceholders.end(),
        [&](const QString& name) { return !placeholderValue(name, QString(), checked).isEmpty(); });
}

QString JsonFileSource::placeholderValue(const QString& name, const QString& typed,
                                         const CheckedCode& checked) const
{
    if (name == u"typed")
        return typed.trimmed();
    const QString& gtin = checked.gtin;
    if (name == u"gtin")
        return gtin;
    QString gtin13 = gtin;
    if (gtin13.size() == 14 && gtin13.front() == u'0')
        gtin13.remove(0, 1);
    else if (gtin13.size() < 13)
        gtin13 = QString(13 - gtin13.size(), u'0') + gtin13;
    if (gtin13.size() != 13)
        gtin13.clear();
    if (name == u"gtin13")
        return gtin13;
    if (name == u"upca")
        return gtin13.startsWith(u'0') && gtin.size() != 8 ? gtin13.sliced(1) : QString();
    const QString isbn13 = checked.isbn ? gtin13 : QString();
    if (name == u"isbn13")
        return isbn13;
    if (name == u"isbn10" && isbn13.startsWith(u"978")) {
        const QString nine = isbn13.sliced(3, 9);
        int sum = 0;
        for (int i = 0; i < 9; ++i)
            sum += (10 - i) * (nine[i].unicode() - u'0');
        const int check = (11 - sum % 11) % 11;
        return nine + (check == 10 ? QStringLiteral("X") : QString::number(check));
    }
    return {};
}

SourceRequest JsonFileSource::request(const QString& typed, const CheckedCode& checked) const
{
    if (!takes(checked))
        return {};
    SourceKey given;
    if (m_description.key != SourceDescription::KeyUse::None && m_key)
        given = m_key();
    std::optional<QString>& key = given.key;
    if (key && key->isEmpty())
        key.reset();
    SourceRequest request;
    if (m_description.key == SourceDescription::KeyUse::Required && !key) {
        request.refusal =
            !given.problem.isEmpty()
                ? given.problem
                : QStringLiteral("no key given (Lookup > Sources > Set Key, QUILLFEN_KEY_%1 or "
                                 "--key-file %2=PATH)")
                      .arg(m_description.name.toUpper(), m_description.name);
        return request;
    }
    if (key && std::any_of(key->begin(), key->end(),
                           [](QChar c) { return c.unicode() < 0x20 || c.unicode() >= 0x7F; })) {
        request.refusal = QStringLiteral("the key holds characters other than printable ASCII");
        return request;
    }
    const auto fill = [&](const QString& name) {
        return name == kKey ? key.value_or(QString()) : placeholderValue(name, typed, checked);
    };
    QUrl url(Expand(key ? m_description.url : WithoutKeyParameters(m_description.url), fill, true));
    if (!m_address.isEmpty()) {
        const QUrl replacement(m_address);
        url.setScheme(replacement.scheme());
        url.setHost(replacement.host());
        url.setPort(replacement.port());
    }
    request.url = url;
    request.maxRedirects = 3;
    if (m_description.method != "GET")
        request.method = m_description.method;
    for (const auto& [name, value] : m_description.headers) {
        if (!key && TemplatePlaceholders(value).contains(kKey))
            continue;
        request.headers.append({name, Expand(value, fill, false).toUtf8()});
    }
    const auto hasHeader = [&](QByteArrayView name) {
        return std::any_of(request.headers.begin(), request.headers.end(), [&](const auto& h) {
            return QByteArrayView(h.first).compare(name, Qt::CaseInsensitive) == 0;
        });
    };
    if (m_description.body == SourceDescription::Body::Json) {
        request.body = QJsonDocument(ExpandJson(m_description.jsonBody, fill).toObject())
                           .toJson(QJsonDocument::Compact);
        if (!hasHeader("Content-Type"))
            request.headers.append(
                {QByteArrayLiteral("Content-Type"), QByteArrayLiteral("application/json")});
    } else if (m_description.body == SourceDescription::Body::Form) {
        QStringList pairs;
        for (const auto& [name, value] : m_description.formBody)
            pairs.append(QString::fromLatin1(QUrl::toPercentEncoding(name) + '=' +
                                             QUrl::toPercentEncoding(Expand(value, fill, false))));
        request.body = pairs.join(u'&').toLatin1();
        if (!hasHeader("Content-Type"))
            request.headers.append({QByteArrayLiteral("Content-Type"),
                                    QByteArrayLiteral("application/x-www-form-urlencoded")});
    }
    return request;
}

QString JsonFileSource::answerAddress(const QString& /*typed*/,
                                      const CheckedCode& /*checked*/) const
{
    QUrl url(Expand(
        m_description.url, [](const QString&) { return QStringLiteral("0"); }, true));
    if (!m_address.isEmpty()) {
        const QUrl replacement(m_address);
        url.setScheme(replacement.scheme());
        url.setHost(replacement.host());
        url.setPort(replacement.port());
    }
    return AnswerAddressOf(url);
}

QString JsonFileSource::shownAddress(const QString& typed, const CheckedCode& checked) const
{
    const SourceRequest asked = request(typed, checked);
    QString shown = asked.url.toString(QUrl::FullyEncoded);
    if (m_key && m_description.key != SourceDescription::KeyUse::None) {
        if (const std::optional<QString> key = m_key().key; key && !key->isEmpty())
            shown = RedactKey(shown, *key);
    }
    return shown;
}

SourceAnswer JsonFileSource::read(const SourceResponse& response, const QString& typed) const
{
    if (!response.failure.isEmpty())
        return SourceAnswer::failed(response.failure);
    const SourceDescription& file = m_description;
    if (file.notFound.statuses.contains(response.status))
        return SourceAnswer::notFound();
    if (response.status == 429 && !file.keylessQuotaMessage.isEmpty() &&
        (!m_key || m_key().key.value_or(QString()).isEmpty()))
        return SourceAnswer::failed(file.keylessQuotaMessage);
    // The status alone would leave the user guessing which of their keys to check.
    if ((response.status == 401 || response.status == 403) &&
        file.key != SourceDescription::KeyUse::None && m_key &&
        !m_key().key.value_or(QString()).isEmpty())
        return SourceAnswer::failed(
            QStringLiteral("the key for %1 was refused").arg(displayName()));
    if (response.status != 200)
        return StatusFailure(response.status);

    const QByteArray body = response.body.trimmed();
    if (body.isEmpty())
        return SourceAnswer::failed(QStringLiteral("empty answer"));
    if (!body.startsWith('{') && !body.startsWith('['))
        return SourceAnswer::failed(QStringLiteral("not JSON"));
    QJsonParseError error;
    const QJsonDocument document = QJsonDocument::fromJson(body, &error);
    if (error.error != QJsonParseError::NoError)
        return SourceAnswer::failed(QStringLiteral("malformed JSON (%1)").arg(error.errorString()));
    const QJsonObject rootObject = document.object(); // empty when the answer is a list
    const QJsonValue root = document.isArray() ? QJsonValue(document.array()) : rootObject;
    const auto fromRoot = [&](const QStringList& pointer) {
        return document.isArray() ? ResolveJsonPointer(root, pointer)
                                  : ResolveJsonPointer(rootObject, pointer);
    };

    if (file.notFound.valueAt) {
        if (const auto value = fromRoot(*file.notFound.valueAt);
            value && value->type() == file.notFound.value.type() &&
            (value->isString() ? value->toString() == m_notFoundText
                               : *value == file.notFound.value))
            return SourceAnswer::notFound();
    }
    if (file.notFound.missing && !fromRoot(*file.notFound.missing))
        return SourceAnswer::notFound();

    // An answer about another code (a service that guesses) is no answer about this one.
    // The code's forms, worked out once, when the first result is compared.
    std::optional<QStringList> forms;
    const auto aboutThisCode = [&](const QJsonValue& item) {
        if (!file.answer.match)
            return true;
        if (!forms)
            forms = CodeForms(typed);
        const auto named = ResolveJsonPointer(item, *file.answer.match);
        return named && NamesCode(*named, *forms);
    };
    QJsonValue product = root;
    if (file.answer.results) {
        const std::optional<QJsonValue> results = fromRoot(*file.answer.results);
        if (!results || !results->isArray()) {
            // A missing list is how many services say "nothing"; one that is there but is no
            // list is an answer this file does not describe.
            if (!results && file.notFound.emptyResults)
                return SourceAnswer::notFound();
            return SourceAnswer::failed(QStringLiteral("unexpected answer: no list of results"));
        }
        const QJsonArray items = results->toArray();
        if (items.isEmpty())
            return file.notFound.emptyResults
                       ? SourceAnswer::notFound()
                       : SourceAnswer::failed(QStringLiteral("unexpected answer: no results"));
        const auto match = std::find_if(items.begin(), items.end(), aboutThisCode);
        if (match == items.end())
            return SourceAnswer::notFound();
        product = *match;
    } else if (!aboutThisCode(root)) {
        return SourceAnswer::notFound();
    }

    const QJsonObject productObject = product.toObject();
    const auto at = [&](const SourceDescription::Pointer& pointer) {
        if (!pointer)
            return std::optional<QJsonValue>();
        return product.isObject() ? ResolveJsonPointer(productObject, *pointer)
                                  : ResolveJsonPointer(product, *pointer);
    };
    ProductAnswer found;
    found.name = FieldText(at(file.answer.name));
    found.brand = FieldText(at(file.answer.brand));
    found.quantity = FieldText(at(file.answer.quantity));
    found.details.categories = FieldText(at(file.answer.categories));
    found.details.imageUrl = WebAddress(at(file.answer.picture));
    found.details.thumbnailUrl = found.details.imageUrl;
    found.details.pageUrl = WebAddress(at(file.answer.page));
    found.details.description = ShownDescription(FieldText(at(file.answer.description)));
    return SourceAnswer::found(std::move(found));
}
