#pragma once

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
