#pragma once

#include <QByteArray>
#include <QJsonObject>
#include <QList>
#include <QString>
#include <QStringList>
#include <QStringView>

#include <optional>

// Whether the last digit of 8, 12, 13 or 14 digits is their GS1 check digit.
bool HasGs1CheckDigit(QStringView digits);
// The code as 14 digits, zeros added in front, so that a UPC-A, its EAN-13 form and its GTIN-14
// form compare equal; empty when the code is not 1 to 14 digits.
QString Gtin14(QStringView code);
// The 978 form of a valid ISBN-10 (its last character may be "X"); empty otherwise.
QString Isbn13FromIsbn10(QStringView isbn10);

// The made-up records the open databases' stand-ins answer from.
struct OpenCatalog
{
    // One Open Food Facts product, of any of its databases.
    struct Product
    {
        QString code;
        // "food", "beauty", "petfood" or "product": which of the sibling databases holds it.
        QString type;
        // Every field the API can hand out, "code" and "product_type" among them.
        QJsonObject fields;
    };

    QList<Product> products;
    // Open Library editions as the API answers them; each has "key" ("/books/OL1M") and lists
    // its ISBNs in "isbn_13" and "isbn_10".
    QList<QJsonObject> editions;
    // UPCitemdb items as the API lists them; each has "ean" (13 digits).
    QList<QJsonObject> items;

    const Product* product(QStringView code) const;
    // By ISBN-13 or ISBN-10, hyphens allowed.
    const QJsonObject* editionByIsbn(QStringView isbn) const;
    // By key: "/books/OL1M".
    const QJsonObject* editionByKey(QStringView key) const;
    const QJsonObject* item(QStringView code) const;
};

inline const QStringList kProductTypes{QStringLiteral("food"), QStringLiteral("beauty"),
                                       QStringLiteral("petfood"), QStringLiteral("product")};

// Reads a catalog: a JSON object with the arrays "openfoodfacts" (products: "code", optionally
// "product_type", which defaults to "food", and any other fields), "openlibrary" (editions:
// "key", "title", ...) and "upcitemdb" (items: "ean", "title", ...). Each array may be missing.
// On a fault, nullopt and `error` says what is wrong.
std::optional<OpenCatalog> ParseOpenCatalog(const QByteArray& json, QString& error);
