#pragma once

#include "listings/ShopColumns.h"
#include "listings/ShopHandles.h"
#include "results/OutcomeWriter.h"

#include <QByteArray>
#include <QCoreApplication>
#include <QString>
#include <QStringList>

#include <functional>
#include <optional>

struct CodeOutcome;

// Whether the format is a shop's import file: shopify, woocommerce, merchant.
bool IsShopFormat(OutcomeFormat format);

// The columns of a shop's file, in its order, as its importer reads them by name.
// shopify: the product CSV Shopify has long read; woocommerce: among the product CSV importer's
// defaults; merchant: a Google Merchant Center feed, tab-separated.
QStringList ShopFileColumns(OutcomeFormat format);

// What a shop's file is written with beside the outcomes.
struct ShopFileOptions
{
    // Where the saved pictures are published ("https://cdn.example.com/products/"): a product's
    // picture is then this followed by its file's name, and none without a saved one. Empty: the
    // address the answer gave.
    QString picturesBaseUrl;
    // The prices' currency for the merchant feed, as ISO 4217 has it ("EUR"): "12.50 EUR".
    QString currency;
};

// What became of the outcomes: products written, and why the others were left out; the user's
// cells that were not a price or a stock.
struct ShopTally
{
    qsizetype products = 0;
    qsizetype notFound = 0;
    qsizetype failed = 0;
    qsizetype notLookedUp = 0;
    qsizetype withoutName = 0;
    // Later rows of a product already written (CodeOutcome::sameAs): a shop keeps one product per
    // GTIN (WooCommerce refuses a second, a feed a second id).
    qsizetype sameProduct = 0;
    qsizetype notPrices = 0;
    qsizetype notStocks = 0;
};

// "Shop file: 12 products. Left out: 3 not found, 1 failed, ..." and the cells left empty.
QString ShopSummary(const ShopTally& tally);

// A shop's import file, a product at a time: each found product with a name is one row, once
// (a later row of the same product, CodeOutcome::sameAs, is left out), every other outcome is
// left out and counted. Names and descriptions are the answers' plain text;
// where a shop reads HTML (Shopify's Body (HTML), WooCommerce's descriptions) it is escaped as
// HTML, so that no markup of a source's ever reaches the shop. Every cell is made safe from being
// taken for a formula. Shopify's products are drafts and WooCommerce's unpublished, so that
// nothing goes on sale by accident.
class ShopFileWriter final : public OutcomeWriter
{
    Q_DECLARE_TR_FUNCTIONS(ShopFileWriter)

public:
    // The user's own values for a product, by its code as the list holds it; asked once for
    // every outcome, found or not, in the order of the outcomes. Nothing: the code is in no
    // sheet of the user's.
    using UserValues = std::function<std::optional<ShopUserValues>(const QString& code)>;
    // The name of the file a product's picture was saved as, by its GTIN; empty: none.
    using PictureFiles = std::function<QString(const QString& gtin)>;

    ShopFileWriter(OutcomeFormat format, ShopFileOptions options, UserValues userValues = {},
                   PictureFiles pictureFiles = {});

    // The header line.
    QByteArray begin() override;
    // The product's line; nothing for an outcome that is no product.
    QByteArray row(const CodeOutcome& outcome) override;
    QByteArray end() override { return {}; }
    // The same, with the user's values and the picture's file given.
    QByteArray row(const CodeOutcome& outcome, const ShopUserValues& user,
                   const QString& pictureFile);

    const ShopTally& tally() const { return m_tally; }

private:
    QString pictureOf(const CodeOutcome& outcome, const QString& pictureFile) const;
    QStringList cells(const CodeOutcome& outcome, const ShopUserValues& user,
                      const QString& picture);

    OutcomeFormat m_format;
    ShopFileOptions m_options;
    UserValues m_userValues;
    PictureFiles m_pictureFiles;
    UniqueHandles m_handles;
    ShopTally m_tally;
};
