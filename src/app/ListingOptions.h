#pragma once

#include <QString>

// What batch mode does for listings besides the results: the pictures saved to a folder, and a
// shop's import file made with the user's own columns.
struct ListingOptions
{
    // --pictures-dir: the folder the found products' pictures are saved in; empty: none are.
    QString picturesDir;
    // --pictures-only: the answers remembered alone, no source asked, and only the pictures saved.
    bool picturesOnly = false;
    // --picture-size: the longest side larger pictures are made; 0: as they come.
    int pictureSize = 0;
    // --pictures-base-url: where the saved pictures will be published, for a shop's file.
    QString picturesBaseUrl;
    // --currency: the merchant feed's prices' currency (ISO 4217); empty: the locale's.
    QString currency;
    // --price-column, --sku-column, --stock-column: the user's columns, as --column names one;
    // empty: found by their headers.
    QString priceColumn;
    QString skuColumn;
    QString stockColumn;
};
