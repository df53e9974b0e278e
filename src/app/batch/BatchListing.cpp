#include "app/batch/BatchListing.h"

#include "app/BatchOutput.h"
#include "app/batch/BatchCodes.h"
#include "common/OperationFailed.h"
#include "listings/PictureFetch.h"
#include "listings/PictureFolder.h"
#include "listings/ShopColumns.h"
#include "listings/ShopFile.h"
#include "lookup/LookupChain.h"
#include "scanning/LocalAnswersOnly.h"

#include <QLocale>

namespace {
// What a source fails with when --pictures-only asks none, and what the row then says.
constexpr QStringView kNotAsked = u"not asked (--pictures-only)";
constexpr QStringView kNotRemembered = u"no answer remembered (--pictures-only)";

// A run of --pictures-only writes no rows.
class NoRows final : public BatchOutput
{
public:
    void add(const CodeOutcome& /*outcome*/) override {}
    void finish() override {}
};

// "A (Product), B (EAN), C (Price)": the columns to name one of.
QString ColumnsText(const SheetHeaders& headers)
{
    QStringList names;
    for (const SheetColumnSummary& column : headers.columns)
        names.append(column.header.isEmpty()
                         ? column.letter
                         : QStringLiteral("%1 (%2)").arg(column.letter, column.header));
    return names.join(QStringLiteral(", "));
}

// Each role's option, what says it is not settled, and where it goes.
struct Role
{
    QString named;
    const QList<qsizetype>& candidates;
    qsizetype& column;
    QStringView option;
    const char* ambiguous;
};
} // namespace

BatchListing::BatchListing(const AppConfig& config, const BatchServices& services,
                           const BatchCodes& codes, OutcomeFormat format)
    : m_options(config.batch.listing)
    , m_format(format)
    , m_sheet(codes.sheet())
{
    if (IsShopFormat(format)) {
        ShopColumnRoles roles;
        const bool named = !m_options.priceColumn.isEmpty() || !m_options.skuColumn.isEmpty() ||
                           !m_options.stockColumn.isEmpty();
        if (m_sheet) {
            const Sheet& sheet = m_sheet->sheet;
            const ShopColumnCandidates candidates = ShopColumnsByHeader(sheet, m_sheet->choice);
            roles = SettledRoles(candidates);
            const Role each[] = {
                {m_options.priceColumn, candidates.price, roles.price, u"price-column",
                 QT_TR_NOOP("more than one of your columns could be the price: %1. Name one with "
                            "--price-column by its header, letter or number.")},
                {m_options.skuColumn, candidates.sku, roles.sku, u"sku-column",
                 QT_TR_NOOP("more than one of your columns could be the SKU: %1. Name one with "
                            "--sku-column by its header, letter or number.")},
                {m_options.stockColumn, candidates.stock, roles.stock, u"stock-column",
                 QT_TR_NOOP("more than one of your columns could be the stock: %1. Name one with "
                            "--stock-column by its header, letter or number.")},
            };
            const SheetHeaders headers = HeadersOf(sheet, m_sheet->choice);
            for (const Role& role : each) {
                if (!role.named.isEmpty()) {
                    role.column = ShopColumnNamed(sheet, m_sheet->choice, role.named);
                    if (role.column < 0)
                        //: %1 is what --price-column (or another, %2) named, %3 the columns.
                        throw OperationFailed(
                            tr("no column \"%1\" for --%2; name one of these by its header, "
                               "letter or number: %3")
                                .arg(role.named, role.option, ColumnsText(headers)));
                } else if (role.candidates.size() > 1) {
                    SheetHeaders some;
                    for (qsizetype i = 0; i < headers.places.size(); ++i) {
                        if (role.candidates.contains(headers.places[i]))
                            some.columns.append(headers.columns[i]);
                    }
                    throw OperationFailed(tr(role.ambiguous).arg(ColumnsText(some)));
                }
            }
            if (roles.any())
                m_userColumns = std::make_unique<UserShopColumns>(sheet, m_sheet->choice, roles);
        } else if (named) {
            throw OperationFailed(tr("--price-column, --sku-column and --stock-column need a "
                                     "spreadsheet input (.xlsx, .ods, .csv or .tsv)."));
        }
        m_currency = !m_options.currency.isEmpty()
                         ? m_options.currency
                         : QLocale::system().currencySymbol(QLocale::CurrencyIsoCode);
        if (format == OutcomeFormat::Merchant && roles.price >= 0 && m_currency.isEmpty())
            throw OperationFailed(tr("--format merchant writes each price with its currency: "
                                     "name it with --currency, such as EUR."));
    }
    if (m_options.picturesOnly)
        m_nothingSent = std::make_unique<LocalAnswersOnly>(kNotAsked.toString());
    if (!m_options.picturesDir.isEmpty()) {
        if (!services.pictures)
            throw OperationFailed(tr("pictures cannot be saved here."));
        const BatchPictureServices& pictures = *services.pictures;
        m_fetch = std::make_unique<PictureFetch>(
            PictureFetchServices{pictures.loader, services.eventLoop, services.clock,
                                 config.noCache ? nullptr : &pictures.remembered},
            config.perMinute.value(QStringLiteral("pictures"), kPicturesPerMinute));
        m_folder =
            std::make_unique<PictureFolder>(m_options.picturesDir,
                                            PictureFolderServices{services.files, pictures.folder,
                                                                  *m_fetch, &pictures.scaler, true},
                                            m_options.pictureSize);
    }
}

BatchListing::~BatchListing() = default;

PageLoader& BatchListing::lookupPages(PageLoader& pages)
{
    return m_nothingSent ? *m_nothingSent : pages;
}

std::unique_ptr<BatchOutput> BatchListing::openOutput(const BatchServices& services,
                                                      BatchConsole& console,
                                                      const BatchOptions& options)
{
    if (m_options.picturesOnly)
        return std::make_unique<NoRows>();
    if (!IsShopFormat(m_format))
        return nullptr;
    auto writer = std::make_unique<ShopFileWriter>(
        m_format, ShopFileOptions{m_options.picturesBaseUrl, m_currency},
        [this](const QString& code) -> std::optional<ShopUserValues> {
            return m_userColumns ? m_userColumns->valuesFor(code) : std::nullopt;
        },
        [this](const QString& gtin) { return m_folder ? m_folder->fileOf(gtin) : QString(); });
    m_shop = writer.get();
    return BatchOutput::openWithWriter(std::move(writer), options, services.outputs, console,
                                       services.clock);
}

void BatchListing::add(CodeOutcome& outcome, const std::function<bool()>& stop,
                       const std::function<void(const QString&)>& note)
{
    if (m_nothingSent && outcome.status == CodeOutcome::Status::Failed &&
        outcome.detail.contains(kNotAsked)) {
        outcome.status = CodeOutcome::Status::NotLookedUp;
        outcome.detail = kNotRemembered.toString();
    }
    if (!m_folder || !m_folderWritable)
        return;
    try {
        m_folder->save(outcome, stop);
    } catch (const OperationFailed& failure) {
        m_folderWritable = false;
        //: %1 says why a picture could not be written.
        note(tr("%1; no more pictures are saved.").arg(failure.description()));
    }
}

QString BatchListing::progressText() const
{
    if (!m_folder)
        return {};
    //: On the progress line, after the counts of the codes.
    return tr("pictures saved: %1").arg(QString::number(m_folder->tally().saved));
}

QStringList BatchListing::finish(const std::function<void(const QString&)>& note)
{
    QStringList lines;
    if (m_folder) {
        try {
            m_folder->finish();
        } catch (const OperationFailed& failure) {
            note(failure.description());
        }
        lines.append(m_folder->summary());
    }
    if (m_shop)
        lines.append(ShopSummary(m_shop->tally()));
    return lines;
}
