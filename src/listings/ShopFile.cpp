#include "listings/ShopFile.h"

#include "listings/PictureFetch.h"
#include "lookup/LookupChain.h"

#include <QUrl>

namespace {
// Google's limits for a feed's title and description.
constexpr qsizetype kLongestMerchantTitle = 150;
constexpr qsizetype kLongestMerchantDescription = 5000;

// Plain text as a shop's HTML field shows it: escaped, its lines kept as lines.
QString HtmlOf(QString text)
{
    text.remove(u'\r');
    return text.toHtmlEscaped().replace(u'\n', QStringLiteral("<br>"));
}

// One line of a tab-separated feed: a value holds no tab or line break.
QString FeedValue(QString text)
{
    return text.replace(u'\t', u' ').replace(u'\r', u' ').replace(u'\n', u' ');
}

// At most `most` characters, a character outside the Basic Multilingual Plane never split.
QString Cut(const QString& text, qsizetype most)
{
    if (text.size() <= most)
        return text;
    qsizetype size = most;
    if (text[size - 1].isHighSurrogate())
        --size;
    return text.left(size);
}

// The most specific category: the database lists them from the general to the particular.
QString LastCategory(const QString& categories)
{
    return categories.section(u',', -1).trimmed();
}

bool IsWebAddress(const QString& url)
{
    const QUrl address(url, QUrl::StrictMode);
    return address.isValid() && !address.host().isEmpty() &&
           (address.scheme() == u"http" || address.scheme() == u"https");
}
} // namespace

bool IsShopFormat(OutcomeFormat format)
{
    return format == OutcomeFormat::Shopify || format == OutcomeFormat::WooCommerce ||
           format == OutcomeFormat::Merchant;
}

QStringList ShopFileColumns(OutcomeFormat format)
{
    switch (format) {
    case OutcomeFormat::Shopify:
        return {QStringLiteral("Handle"),
                QStringLiteral("Title"),
                QStringLiteral("Body (HTML)"),
                QStringLiteral("Vendor"),
                QStringLiteral("Product Category"),
                QStringLiteral("Type"),
                QStringLiteral("Tags"),
                QStringLiteral("Published"),
                QStringLiteral("Variant SKU"),
                QStringLiteral("Variant Price"),
                QStringLiteral("Variant Inventory Qty"),
                QStringLiteral("Variant Barcode"),
                QStringLiteral("Image Src"),
                QStringLiteral("Image Alt Text"),
                QStringLiteral("Status")};
    case OutcomeFormat::WooCommerce:
        return {QStringLiteral("Type"),
                QStringLiteral("SKU"),
                QStringLiteral("GTIN, UPC, EAN, or ISBN"),
                QStringLiteral("Name"),
                QStringLiteral("Published"),
                QStringLiteral("Short description"),
                QStringLiteral("Regular price"),
                QStringLiteral("Stock"),
                QStringLiteral("Categories"),
                QStringLiteral("Images"),
                QStringLiteral("Brands")};
    case OutcomeFormat::Merchant:
        return {QStringLiteral("id"),          QStringLiteral("title"),
                QStringLiteral("description"), QStringLiteral("link"),
                QStringLiteral("image_link"),  QStringLiteral("availability"),
                QStringLiteral("price"),       QStringLiteral("brand"),
                QStringLiteral("gtin"),        QStringLiteral("condition")};
    case OutcomeFormat::Csv:
    case OutcomeFormat::Tsv:
    case OutcomeFormat::Json:
    case OutcomeFormat::Jsonl:
    case OutcomeFormat::Xlsx:
    case OutcomeFormat::Ods:
    case OutcomeFormat::Marc:
    case OutcomeFormat::MarcXml:
        break;
    }
    return {};
}

QString ShopSummary(const ShopTally& tally)
{
    //: The products a shop's import file holds, and how many outcomes were left out, by why.
    QString text = QCoreApplication::translate("ShopFileWriter",
                                               "Shop file: %1 products. Left out: %2 not found, %3 "
                                               "failed, %4 not looked up, %5 without a name.")
                       .arg(QString::number(tally.products), QString::number(tally.notFound),
                            QString::number(tally.failed), QString::number(tally.notLookedUp),
                            QString::number(tally.withoutName));
    if (tally.sameProduct > 0)
        //: Rows whose code is that of a product an earlier row already made (another form of the
        //: same GTIN, or the same code again).
        text += u' ' + QCoreApplication::translate(
                           "ShopFileWriter", "Rows of a product already in the file, left out: %1.")
                           .arg(QString::number(tally.sameProduct));
    if (tally.notPrices > 0)
        text += u' ' + QCoreApplication::translate(
                           "ShopFileWriter",
                           "Cells of your price column that held no price, left empty: %1.")
                           .arg(QString::number(tally.notPrices));
    if (tally.notStocks > 0)
        text += u' ' + QCoreApplication::translate("ShopFileWriter",
                                                   "Cells of your stock column that held no "
                                                   "whole number, left empty: %1.")
                           .arg(QString::number(tally.notStocks));
    return text;
}

ShopFileWriter::ShopFileWriter(OutcomeFormat format, ShopFileOptions options, UserValues userValues,
                               PictureFiles pictureFiles)
    : m_format(format)
    , m_options(std::move(options))
    , m_userValues(std::move(userValues))
    , m_pictureFiles(std::move(pictureFiles))
{}

QByteArray ShopFileWriter::row(const CodeOutcome& outcome)
{
    // Every outcome takes its row of the user's sheet, so that the rows after it are found in turn.
    const std::optional<ShopUserValues> user =
        m_userValues ? m_userValues(outcome.code) : std::nullopt;
    const QString pictureFile = m_pictureFiles && outcome.status == CodeOutcome::Status::Found
                                    ? m_pictureFiles(outcome.gtin)
                                    : QString();
    return row(outcome, user.value_or(ShopUserValues()), pictureFile);
}

QByteArray ShopFileWriter::begin()
{
    const QStringList columns = ShopFileColumns(m_format);
    if (m_format == OutcomeFormat::Merchant)
        return columns.join(u'\t').toUtf8() + '\n';
    return DelimitedLine(columns, ',');
}

QString ShopFileWriter::pictureOf(const CodeOutcome& outcome, const QString& pictureFile) const
{
    if (!m_options.picturesBaseUrl.isEmpty()) {
        if (pictureFile.isEmpty())
            return {};
        QString base = m_options.picturesBaseUrl;
        if (!base.endsWith(u'/'))
            base += u'/';
        return base + pictureFile;
    }
    const QString address = PictureAddressOf(outcome.product.details);
    // A shop fetches it: only a web address is one to give it.
    return IsWebAddress(address) ? address : QString();
}

QStringList ShopFileWriter::cells(const CodeOutcome& outcome, const ShopUserValues& user,
                                  const QString& picture)
{
    const ProductAnswer& product = outcome.product;
    const QString name = product.name.trimmed();
    const QString& categories = product.details.categories;
    const QString& description = product.details.description;
    switch (m_format) {
    case OutcomeFormat::Shopify: {
        QString handle = ShopHandleOf(name);
        if (handle.isEmpty())
            handle = outcome.gtin.isEmpty() ? QStringLiteral("product") : outcome.gtin;
        return {m_handles.take(handle),
                name,
                HtmlOf(description),
                product.brand,
                QString(), // Shopify's own taxonomy, which no database's categories are in
                LastCategory(categories),
                categories,
                QStringLiteral("FALSE"),
                user.sku,
                user.price,
                user.stock,
                outcome.gtin,
                picture,
                name,
                QStringLiteral("draft")};
    }
    case OutcomeFormat::WooCommerce:
        return {QStringLiteral("simple"),
                user.sku,
                outcome.gtin,
                name,
                QStringLiteral("0"),
                HtmlOf(description),
                user.price,
                user.stock,
                categories,
                picture,
                product.brand};
    case OutcomeFormat::Merchant: {
        const bool inStock = !user.stock.isEmpty() && user.stock.toLongLong() > 0;
        QString price = user.price;
        if (!price.isEmpty() && !m_options.currency.isEmpty())
            price += u' ' + m_options.currency;
        return {user.sku.isEmpty() ? outcome.gtin : user.sku,
                Cut(name, kLongestMerchantTitle),
                Cut(description.isEmpty() ? name : description, kLongestMerchantDescription),
                QString(), // the product's page in the user's own shop, which only they know
                picture,
                inStock ? QStringLiteral("in_stock") : QStringLiteral("out_of_stock"),
                price,
                product.brand,
                outcome.gtin,
                QStringLiteral("new")};
    }
    case OutcomeFormat::Csv:
    case OutcomeFormat::Tsv:
    case OutcomeFormat::Json:
    case OutcomeFormat::Jsonl:
    case OutcomeFormat::Xlsx:
    case OutcomeFormat::Ods:
    case OutcomeFormat::Marc:
    case OutcomeFormat::MarcXml:
        break;
    }
    return {};
}

QByteArray ShopFileWriter::row(const CodeOutcome& outcome, const ShopUserValues& user,
                               const QString& pictureFile)
{
    switch (outcome.status) {
    case CodeOutcome::Status::NotFound:
        ++m_tally.notFound;
        return {};
    case CodeOutcome::Status::Failed:
        ++m_tally.failed;
        return {};
    case CodeOutcome::Status::NotLookedUp:
        ++m_tally.notLookedUp;
        return {};
    case CodeOutcome::Status::Found:
        break;
    }
    if (outcome.product.name.trimmed().isEmpty()) {
        ++m_tally.withoutName;
        return {};
    }
    if (outcome.sameAs > 0) {
        ++m_tally.sameProduct;
        return {};
    }
    ++m_tally.products;
    m_tally.notPrices += user.priceRefused ? 1 : 0;
    m_tally.notStocks += user.stockRefused ? 1 : 0;
    QStringList values = cells(outcome, user, pictureOf(outcome, pictureFile));
    const bool feed = m_format == OutcomeFormat::Merchant;
    for (QString& value : values)
        value = SpreadsheetSafe(feed ? FeedValue(value) : value);
    if (!feed)
        return DelimitedLine(values, ',');
    return values.join(u'\t').toUtf8() + '\n';
}
