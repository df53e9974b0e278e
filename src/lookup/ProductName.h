#pragma once

#include "LookupSource.h"

#include <QString>

// The name fields Open Food Facts and its sibling databases keep for a product, in their API
// answers and in their exports alike.
struct ProductFields
{
    QString productName; // product_name
    QString localName;   // product_name_<language of the user's locale>; empty for English
    QString englishName; // product_name_en
    QString genericName; // generic_name
    QString brands;      // brands, as stored: "Ferrero, Nutella"
    QString quantity;    // quantity: "400 g"
};

// The product as shown and written out: the first non-empty of the product name, the local name,
// the English name and the generic name; the first brand of the list; the quantity. Each is
// trimmed.
ProductAnswer AnswerFromFields(const ProductFields& fields);

// What a results row shows for a found product: the name, then the brand unless the name already
// contains it (ignoring case), then the quantity, joined with ", ": "Hazelnut Spread, Ferrero,
// 400 g". Empty when the product has none of them.
QString DisplayName(const ProductAnswer& product);
