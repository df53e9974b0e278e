#include "app/window/ProductDetailsView.h"

#include "common/OperationFailed.h"
#include "common/PublicAddress.h"
#include "gs1/CodeFacts.h"
#include "gs1/IsbnRanges.h"
#include "lookup/ProductCode.h"
#include "platform/Clock.h"
#include "platform/EventLoop.h"
#include "platform/ListControl.h"
#include "platform/PageLoader.h"
#include "platform/PictureStore.h"

#include <QCoreApplication>
#include <QUrl>

#include <chrono>

namespace {

QString LicenceOf(const QString& database)
{
    if (database.startsWith(QLatin1String("Open")) && database.endsWith(QLatin1String("Facts")))
        return QCoreApplication::translate("ProductDetailsView", kLicenceOpenFoodFacts.data());
    if (database == u"Open Library")
        return QCoreApplication::translate("ProductDetailsView", kLicenceOpenLibrary.data());
    if (database == u"UPCitemdb")
        return QCoreApplication::translate("ProductDetailsView", kLicenceUpcItemDb.data());
    return {};
}

// The answer names the page, and the browser would open whatever it names: a file of the user's,
// another program's scheme. Only a web page gets a link.
QString WebPageOrNothing(const QString& url)
{
    const QUrl address(url, QUrl::StrictMode);
    const bool web = address.isValid() && !address.host().isEmpty() &&
                     (address.scheme() == u"http" || address.scheme() == u"https");
    return web ? url : QString();
}

// The label is marked where it is written, and shown in the user's language.
void AddFact(ProductSheet& sheet, const char* label, const QString& value)
{
    if (!value.isEmpty())
        sheet.facts.append({QCoreApplication::translate("ProductDetailsView", label), value});
}

} // namespace

ProductDetailsView::ProductDetailsView(const Platform& platform, const RunOutcomes& outcomes)
    : m_platform(platform)
    , m_outcomes(outcomes)
{}

ProductSheet ProductDetailsView::sheetFor(const QString& rowText, QString* pictureUrl) const
{
    ProductSheet sheet;
    const std::optional<CodeOutcome> known = m_outcomes.ofRow(rowText);
    // A row the lookup did not give (or one since edited) still says what its code says: the
    // code is its text up to the first space.
    const QString code = known ? known->code : rowText.section(u' ', 0, 0);
    const QString gtin = known ? known->gtin : CheckCode(code).gtin;
    const bool found = known && known->status == CodeOutcome::Status::Found;
    sheet.title = found && !known->product.name.isEmpty() ? known->product.name : rowText;
    if (found) {
        const ProductAnswer& product = known->product;
        const ProductDetails& details = product.details;
        // A field another source completed names that source.
        const auto from = [&](const char* field, const QString& value) {
            for (const auto& [filled, source] : known->filledFrom)
                if (filled == QLatin1String(field))
                    return value.isEmpty() ? source : value + QStringLiteral(" (%1)").arg(source);
            return value;
        };
        AddFact(sheet, QT_TRANSLATE_NOOP("ProductDetailsView", "Brand"),
                from("brand", product.brand));
        AddFact(sheet, QT_TRANSLATE_NOOP("ProductDetailsView", "Quantity"),
                from("quantity", product.quantity));
        AddFact(sheet, QT_TRANSLATE_NOOP("ProductDetailsView", "Author"), details.author);
        AddFact(sheet, QT_TRANSLATE_NOOP("ProductDetailsView", "Categories"),
                from("categories", details.categories));
        AddFact(sheet, QT_TRANSLATE_NOOP("ProductDetailsView", "Countries"), details.countries);
        AddFact(sheet, QT_TRANSLATE_NOOP("ProductDetailsView", "Publishers"), details.publishers);
        AddFact(sheet, QT_TRANSLATE_NOOP("ProductDetailsView", "Published"), details.published);
        AddFact(sheet, QT_TRANSLATE_NOOP("ProductDetailsView", "Subjects"), details.subjects);
        AddFact(sheet, QT_TRANSLATE_NOOP("ProductDetailsView", "Description"), details.description);
        // The picture has no text of its own: only where it came from, when another source gave it.
        AddFact(sheet, QT_TRANSLATE_NOOP("ProductDetailsView", "Picture"), from("picture", {}));
        AddFact(sheet, QT_TRANSLATE_NOOP("ProductDetailsView", "Control number"),
                details.controlNumber);
        sheet.pageUrl = WebPageOrNothing(details.pageUrl);
        if (pictureUrl)
            *pictureUrl = details.imageUrl.isEmpty() ? details.thumbnailUrl : details.imageUrl;
    }
    AddFact(sheet, QT_TRANSLATE_NOOP("ProductDetailsView", "Code"), gtin.isEmpty() ? code : gtin);
    if (known)
        AddFact(sheet, QT_TRANSLATE_NOOP("ProductDetailsView", "Case of"), known->innerGtin);
    // The forms people need of it: a shop's UPC, a library's ISBN-10, a hyphenated ISBN, an ISSN.
    AddFact(sheet, QT_TRANSLATE_NOOP("ProductDetailsView", "UPC"), UpcAOf(gtin));
    AddFact(sheet, QT_TRANSLATE_NOOP("ProductDetailsView", "ISBN-10"), Isbn10Of(gtin));
    AddFact(sheet, QT_TRANSLATE_NOOP("ProductDetailsView", "ISBN"),
            HyphenatedIsbn(gtin).value_or(QString()));
    AddFact(sheet, QT_TRANSLATE_NOOP("ProductDetailsView", "ISSN"), IssnOf(gtin));
    // What the code says of itself, in the form it was typed: a UPC-A is no EAN-13 to its user.
    const CodeFacts facts = DescribeCode(code == gtin ? gtin : CheckCode(code).asTyped);
    AddFact(
        sheet, QT_TRANSLATE_NOOP("ProductDetailsView", "Kind of code"),
        // "coupon" and the like are words; "EAN-13" is a name and has no translation.
        QCoreApplication::translate("CodeFacts", CodeKindText(facts.kind).toUtf8().constData()));
    AddFact(sheet, QT_TRANSLATE_NOOP("ProductDetailsView", "GS1 office"), facts.gs1Office);
    if (found) {
        const QString database =
            known->product.database.isEmpty() ? known->source : known->product.database;
        const QString licence = known->licence.isEmpty() ? LicenceOf(database) : known->licence;
        AddFact(sheet, QT_TRANSLATE_NOOP("ProductDetailsView", "Source"),
                licence.isEmpty() ? database : database + QStringLiteral(", ") + licence);
    }
    return sheet;
}

void ProductDetailsView::ShowProductDetails()
{
    const int row = m_platform.listView2.selectedIndex();
    if (row > 0 && row <= m_platform.listView2.count())
        showRow(row);
}

void ProductDetailsView::DetailsWindow_KeyDown(int keyCode)
{
    if (keyCode == kKeyCodeEscape) {
        m_platform.detailsWindow.close();
        DetailsWindow_Unload();
        return;
    }
    const int step = keyCode == kKeyCodeUp ? -1 : keyCode == kKeyCodeDown ? 1 : 0;
    const int row = m_row + step;
    if (step != 0 && row >= 1 && row <= m_platform.listView2.count())
        showRow(row);
}

void ProductDetailsView::DetailsWindow_Unload()
{
    ++m_generation;
    m_row = 0;
}

void ProductDetailsView::showRow(int row)
{
    m_row = row;
    const int generation = ++m_generation;
    QString picture;
    const QString rowText = m_platform.listView2.text(row);
    m_sheet = sheetFor(rowText, &picture);
    const std::optional<CodeOutcome> known = m_outcomes.ofRow(rowText);
    // The page link is the finding source's; the picture may have come from a later one, whose
    // own hosts are the only ones exempt for it.
    m_sheetHosts = known ? known->sourceHosts : QStringList();
    m_platform.detailsWindow.show(m_sheet);
    fetchPicture(picture, known ? known->pictureHosts : QStringList(), generation);
}

QString ProductDetailsView::pageRefusal() const
{
    return AnswerAddressRefusal(QUrl(m_sheet.pageUrl), m_sheetHosts);
}

void ProductDetailsView::fetchPicture(const QString& url, const QStringList& ownHosts,
                                      int generation)
{
    DetailsWindow& window = m_platform.detailsWindow;
    if (url.isEmpty()) {
        window.showNoPicture();
        return;
    }
    if (const std::optional<QByteArray> remembered = m_platform.pictures.find(url)) {
        window.showPicture(*remembered);
        return;
    }
    const QUrl address(url);
    // Refused at once (not a web address, a written-out address that is not public, or past
    // this machine when only it may be reached): nothing to wait for, and no turn of the host
    // taken. A name is judged by the loader once it is looked up.
    if (!AnswerAddressRefusal(address, ownHosts).isEmpty() ||
        !m_platform.pictureLoader.refusal(address).isEmpty()) {
        window.showNoPicture();
        return;
    }
    // Pictures are fetched one after the other as rows are shown; the wait for a host's turn, and
    // for the picture, lets the window go on meanwhile, and another row or a closing ends it.
    const QString host = address.host();
    m_pacer.setPerMinute(host, kPicturesPerMinute);
    Clock& clock = m_platform.clock;
    while (const qint64 wait = m_pacer.waitBeforeStart(host, clock.steadyMs())) {
        m_platform.eventLoop.waitForEvents(std::chrono::milliseconds(std::min<qint64>(wait, 100)));
        if (generation != m_generation)
            return;
    }
    std::unique_ptr<PendingPage> page;
    try {
        page = m_platform.pictureLoader.start(PageRequest{address, {}, 5, true, ownHosts});
    } catch (const OperationFailed&) {
        window.showNoPicture();
        return;
    }
    m_pacer.started(host, clock.steadyMs());
    while (!page->isComplete()) {
        m_platform.eventLoop.waitForEvents();
        if (generation != m_generation) {
            m_pacer.finished(host);
            return; // the page goes, and with it the request
        }
    }
    m_pacer.finished(host);
    const PageResponse response = page->response();
    // Whatever went wrong, the window says "no picture" and nothing more: a picture is a nicety.
    if (!response.failure.isEmpty() || response.status != 200 || response.body.isEmpty() ||
        response.body.size() > kLargestPictureBytes) {
        window.showNoPicture();
        return;
    }
    if (window.showPicture(response.body))
        m_platform.pictures.store(url, response.body);
}
