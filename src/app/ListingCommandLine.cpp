#include "app/ListingCommandLine.h"

#include "app/AppConfig.h"
#include "listings/ShopFile.h"

#include <QCommandLineParser>

#include <algorithm>

namespace {
// The largest picture size taken: well past any shop's, well within a decode's memory.
constexpr int kLargestPictureSize = 20000;
constexpr int kSmallestPictureSize = 16;

QString Name(const QCommandLineOption& option)
{
    return option.names().constFirst();
}
} // namespace

ListingCommandLine::ListingCommandLine(QCommandLineParser& parser)
    : m_picturesDir(QStringLiteral("pictures-dir"),
                    tr("With --batch: save the picture of every product found in this folder, one "
                       "file each named by its GTIN (4006381333931.jpg), with a list of them, "
                       "pictures.csv. A picture saved there by an earlier run is not fetched "
                       "again."),
                    QStringLiteral("folder"))
    , m_picturesOnly(QStringLiteral("pictures-only"),
                     tr("With --pictures-dir: ask no source, take the answers remembered, and "
                        "save their pictures alone, without a results file."))
    , m_pictureSize(QStringLiteral("picture-size"),
                    tr("With --pictures-dir: make pictures larger than N pixels on their longer "
                       "side that small, as JPEG."),
                    QStringLiteral("N"))
    , m_picturesBaseUrl(QStringLiteral("pictures-base-url"),
                        tr("With --pictures-dir and a shop's --format: the address the saved "
                           "pictures will be published under; each product's picture is then "
                           "this address followed by its file's name."),
                        QStringLiteral("url"))
    , m_currency(QStringLiteral("currency"),
                 tr("With --format merchant: the prices' currency, such as EUR (default: the "
                    "locale's); with --labels: the symbol put beside every price."),
                 QStringLiteral("code"))
    , m_priceColumn(QStringLiteral("price-column"),
                    tr("With a shop's --format and a spreadsheet input: your column of prices, "
                       "by its header, letter or number (default: the one headed Price, Preis, "
                       "Prix, Precio, ...)."),
                    QStringLiteral("column"))
    , m_skuColumn(QStringLiteral("sku-column"),
                  tr("With a shop's --format and a spreadsheet input: your column of SKUs "
                     "(default: the one headed SKU, Article, Artikel, ...)."),
                  QStringLiteral("column"))
    , m_stockColumn(QStringLiteral("stock-column"),
                    tr("With a shop's --format and a spreadsheet input: your column of stock "
                       "(default: the one headed Stock, Qty, Bestand, ...)."),
                    QStringLiteral("column"))
{
    parser.addOptions({m_picturesDir, m_picturesOnly, m_pictureSize, m_picturesBaseUrl, m_currency,
                       m_priceColumn, m_skuColumn, m_stockColumn});
}

QString ListingCommandLine::read(const QCommandLineParser& parser,
                                 const QProcessEnvironment& environment, AppConfig& config) const
{
    const QString perMinute = environment.value(QStringLiteral("QUILLFEN_PICTURES_PER_MINUTE"));
    if (!perMinute.isEmpty()) {
        bool ok = false;
        const int pictures = perMinute.toInt(&ok);
        if (!ok || pictures < 1)
            return QCoreApplication::translate("AppConfig",
                                               "%1 wants a whole number of requests a minute, 1 "
                                               "or more, not \"%2\".")
                .arg(QStringLiteral("QUILLFEN_PICTURES_PER_MINUTE"), perMinute);
        config.perMinute.insert(QStringLiteral("pictures"), pictures);
    }
    const QCommandLineOption* const options[] = {
        &m_picturesDir, &m_picturesOnly, &m_pictureSize, &m_picturesBaseUrl,
        &m_currency,    &m_priceColumn,  &m_skuColumn,   &m_stockColumn};
    BatchOptions& batch = config.batch;
    const std::optional<OutcomeFormat> format = OutcomeFormatNamed(batch.format);
    const bool shop = format && IsShopFormat(*format);
    if (config.mode != RunMode::Batch) {
        const bool labels = parser.isSet(QStringLiteral("labels"));
        for (const QCommandLineOption* option : options) {
            if (parser.isSet(*option) && !(labels && option == &m_currency))
                return QCoreApplication::translate("AppConfig", "--%1 goes with --batch.")
                    .arg(Name(*option));
        }
        return {};
    }
    if (batch.keepColumns && shop)
        return tr("--keep-columns writes csv, tsv, xlsx or ods, not a shop's file.");

    ListingOptions& listing = batch.listing;
    listing.picturesDir = parser.value(m_picturesDir);
    if (parser.isSet(m_picturesDir) && listing.picturesDir.isEmpty())
        return tr("--pictures-dir needs a folder.");
    const bool pictures = !listing.picturesDir.isEmpty();
    for (const QCommandLineOption* option : {&m_picturesOnly, &m_pictureSize, &m_picturesBaseUrl}) {
        if (parser.isSet(*option) && !pictures)
            //: %1 is an option's name.
            return tr("--%1 goes with --pictures-dir.").arg(Name(*option));
    }
    listing.picturesOnly = parser.isSet(m_picturesOnly);
    if (listing.picturesOnly) {
        for (const QString& results : {QStringLiteral("output"), QStringLiteral("format"),
                                       QStringLiteral("columns"), QStringLiteral("keep-columns")}) {
            if (parser.isSet(results))
                return tr("--pictures-only writes no results: leave out --%1.").arg(results);
        }
        if (config.noCache || parser.isSet(QStringLiteral("no-cache")))
            return tr("--pictures-only takes the answers remembered: leave out --no-cache.");
    }
    if (parser.isSet(m_pictureSize)) {
        bool ok = false;
        listing.pictureSize = parser.value(m_pictureSize).toInt(&ok);
        if (!ok || listing.pictureSize < kSmallestPictureSize ||
            listing.pictureSize > kLargestPictureSize)
            return tr("--picture-size wants a number of pixels from %1 to %2, not \"%3\".")
                .arg(QString::number(kSmallestPictureSize), QString::number(kLargestPictureSize),
                     parser.value(m_pictureSize));
    }
    if (parser.isSet(m_picturesBaseUrl)) {
        listing.picturesBaseUrl = parser.value(m_picturesBaseUrl);
        if (!shop)
            return tr("--pictures-base-url goes with a shop's --format (shopify, woocommerce, "
                      "merchant).");
        if (!IsServiceUrl(listing.picturesBaseUrl))
            return tr("Not a usable address in --pictures-base-url: \"%1\"; give it as "
                      "https://host/folder/.")
                .arg(listing.picturesBaseUrl);
    }
    // With --labels the currency is a symbol printed beside the prices, read by the labels.
    if (parser.isSet(m_currency) && !parser.isSet(QStringLiteral("labels"))) {
        listing.currency = parser.value(m_currency).trimmed().toUpper();
        if (format != OutcomeFormat::Merchant)
            return tr("--currency goes with --format merchant.");
        if (listing.currency.size() != 3 ||
            !std::all_of(listing.currency.cbegin(), listing.currency.cend(),
                         [](QChar c) { return c >= u'A' && c <= u'Z'; }))
            return tr("--currency wants a currency's three-letter code, such as EUR, not \"%1\".")
                .arg(parser.value(m_currency));
    }
    for (const QCommandLineOption* option : {&m_priceColumn, &m_skuColumn, &m_stockColumn}) {
        if (parser.isSet(*option) && !shop)
            return tr("--%1 goes with a shop's --format (shopify, woocommerce, merchant).")
                .arg(Name(*option));
    }
    listing.priceColumn = parser.value(m_priceColumn);
    listing.skuColumn = parser.value(m_skuColumn);
    listing.stockColumn = parser.value(m_stockColumn);
    return {};
}
