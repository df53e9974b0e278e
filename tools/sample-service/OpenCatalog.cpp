#include "OpenCatalog.h"

#include <QJsonArray>
#include <QJsonDocument>

namespace {
bool AllDigits(QStringView text)
{
    for (const QChar c : text)
        if (c < u'0' || c > u'9')
            return false;
    return !text.isEmpty();
}

QString WithoutHyphens(QStringView text)
{
    QString plain = text.toString();
    plain.remove(u'-');
    return plain;
}

// The ISBN as 13 digits, whichever form it was given in; empty when it is neither.
QString AsIsbn13(QStringView isbn)
{
    const QString plain = WithoutHyphens(isbn);
    if (plain.size() == 10)
        return Isbn13FromIsbn10(plain);
    return plain.size() == 13 && AllDigits(plain) ? plain : QString();
}

bool Fail(QString& error, const QString& message)
{
    error = message;
    return false;
}

bool ReadProducts(const QJsonArray& array, OpenCatalog& catalog, QString& error)
{
    for (const QJsonValue& value : array) {
        QJsonObject fields = value.toObject();
        const QString code = fields.value(u"code").toString();
        if (code.isEmpty())
            return Fail(error, QStringLiteral("an openfoodfacts product without a \"code\""));
        if (!fields.contains(u"product_type"))
            fields.insert(QStringLiteral("product_type"), QStringLiteral("food"));
        const QString type = fields.value(u"product_type").toString();
        if (!kProductTypes.contains(type))
            return Fail(error, QStringLiteral("product ") + code +
                                   QStringLiteral(": product_type is not one of ") +
                                   kProductTypes.join(u", "));
        catalog.products.append({code, type, fields});
    }
    return true;
}

bool ReadEditions(const QJsonArray& array, OpenCatalog& catalog, QString& error)
{
    for (const QJsonValue& value : array) {
        const QJsonObject edition = value.toObject();
        if (!edition.value(u"key").toString().startsWith(u"/books/OL"))
            return Fail(error,
                        QStringLiteral("an openlibrary edition without a \"/books/OL...M\" key"));
        catalog.editions.append(edition);
    }
    return true;
}

bool ReadItems(const QJsonArray& array, OpenCatalog& catalog, QString& error)
{
    for (const QJsonValue& value : array) {
        QJsonObject item = value.toObject();
        const QString ean = item.value(u"ean").toString();
        if (Gtin14(ean).isEmpty())
            return Fail(error, QStringLiteral("a upcitemdb item without a numeric \"ean\""));
        // The API lists every item by its EAN-13, and by its UPC-A when it has one.
        const QString ean13 = Gtin14(ean).mid(1);
        item.insert(QStringLiteral("ean"), ean13);
        if (ean13.startsWith(u'0') && !item.contains(u"upc"))
            item.insert(QStringLiteral("upc"), ean13.mid(1));
        catalog.items.append(item);
    }
    return true;
}
} // namespace

bool HasGs1CheckDigit(QStringView digits)
{
    const qsizetype length = digits.size();
    if ((length != 8 && length != 12 && length != 13 && length != 14) || !AllDigits(digits))
        return false;
    int sum = 0;
    // Weights 3 and 1 alternate from the digit left of the check digit.
    for (qsizetype i = length - 2, weight = 3; i >= 0; --i, weight = 4 - weight)
        sum += digits[i].digitValue() * int(weight);
    return (10 - sum % 10) % 10 == digits[length - 1].digitValue();
}

QString Gtin14(QStringView code)
{
    if (code.size() > 14 || !AllDigits(code))
        return {};
    return QString(14 - code.size(), u'0') + code;
}

QString Isbn13FromIsbn10(QStringView isbn10)
{
    if (isbn10.size() != 10 || !AllDigits(isbn10.first(9)))
        return {};
    const QChar last = isbn10[9].toUpper();
    if (last != u'X' && !last.isDigit())
        return {};
    int sum = 0;
    for (int i = 0; i < 10; ++i)
        sum += (10 - i) * (i == 9 && last == u'X' ? 10 : isbn10[i].digitValue());
    if (sum % 11 != 0)
        return {};
    const QString body = QStringLiteral("978") + isbn10.first(9);
    int weighted = 0;
    for (qsizetype i = 0; i < body.size(); ++i)
        weighted += body[i].digitValue() * (i % 2 == 0 ? 1 : 3);
    return body + QString::number((10 - weighted % 10) % 10);
}

const OpenCatalog::Product* OpenCatalog::product(QStringView code) const
{
    const QString gtin = Gtin14(code);
    if (gtin.isEmpty())
        return nullptr;
    for (const Product& product : products)
        if (Gtin14(product.code) == gtin)
            return &product;
    return nullptr;
}

const QJsonObject* OpenCatalog::editionByIsbn(QStringView isbn) const
{
    const QString wanted = AsIsbn13(isbn);
    if (wanted.isEmpty())
        return nullptr;
    for (const QJsonObject& edition : editions) {
        for (const char* field : {"isbn_13", "isbn_10"}) {
            const QJsonArray listed = edition.value(QLatin1String(field)).toArray();
            for (const QJsonValue& value : listed)
                if (AsIsbn13(value.toString()) == wanted)
                    return &edition;
        }
    }
    return nullptr;
}

const QJsonObject* OpenCatalog::editionByKey(QStringView key) const
{
    for (const QJsonObject& edition : editions)
        if (edition.value(u"key").toString() == key)
            return &edition;
    return nullptr;
}

const QJsonObject* OpenCatalog::item(QStringView code) const
{
    const QString gtin = Gtin14(code);
    if (gtin.isEmpty())
        return nullptr;
    for (const QJsonObject& item : items)
        if (Gtin14(item.value(u"ean").toString()) == gtin)
            return &item;
    return nullptr;
}

std::optional<OpenCatalog> ParseOpenCatalog(const QByteArray& json, QString& error)
{
    QJsonParseError parseError;
    const QJsonDocument document = QJsonDocument::fromJson(json, &parseError);
    if (!document.isObject()) {
        error = parseError.error != QJsonParseError::NoError
                    ? parseError.errorString() + QStringLiteral(" at byte ") +
                          QString::number(parseError.offset)
                    : QStringLiteral("not a JSON object");
        return std::nullopt;
    }
    const QJsonObject root = document.object();
    OpenCatalog catalog;
    if (!ReadProducts(root.value(u"openfoodfacts").toArray(), catalog, error) ||
        !ReadEditions(root.value(u"openlibrary").toArray(), catalog, error) ||
        !ReadItems(root.value(u"upcitemdb").toArray(), catalog, error))
        return std::nullopt;
    return catalog;
}
