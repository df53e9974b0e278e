#pragma once

#include "lookup/LookupChain.h"
#include "lookup/RequestPacer.h"
#include "platform/DetailsWindow.h"
#include "platform/Platform.h"
#include "results/RunOutcomes.h"

#include <QString>

// Key codes as the details window's key events carry them.
inline constexpr int kKeyCodeEnter = 13;
inline constexpr int kKeyCodeEscape = 27;
inline constexpr int kKeyCodeUp = 38;
inline constexpr int kKeyCodeDown = 40;

// A picture larger than this is not shown: the loader gives up on it ("page too large").
inline constexpr qint64 kLargestPictureBytes = 10 * 1024 * 1024;
// Picture hosts publish no limit; one picture a second stays polite.
inline constexpr int kPicturesPerMinute = 60;

inline constexpr QLatin1StringView kLicenceOpenFoodFacts{
    QT_TRANSLATE_NOOP("ProductDetailsView", "Open Database License (ODbL)")};
inline constexpr QLatin1StringView kLicenceOpenLibrary{
    QT_TRANSLATE_NOOP("ProductDetailsView", "public domain (CC0)")};
inline constexpr QLatin1StringView kLicenceUpcItemDb{
    QT_TRANSLATE_NOOP("ProductDetailsView", "UPCitemdb's terms of use")};

// The product details window's behaviour: what it shows of a results row, the picture it fetches
// for it, and its keys. What became of each row it reads from the run's outcomes, which Save
// Results As reads too, since the results list holds only the rows' texts.
class ProductDetailsView final
{
public:
    ProductDetailsView(const Platform& platform, const RunOutcomes& outcomes);

    // "Lookup -> Product Details...", Enter on a results row: the selected row's details.
    void ShowProductDetails();
    // Esc closes the window, Up and Down show the previous and the next row.
    void DetailsWindow_KeyDown(int keyCode);
    // The window was closed: a picture on its way is no longer waited for.
    void DetailsWindow_Unload();
    // The product's page of the row shown; empty when it has none.
    QString pageUrl() const { return m_sheet.pageUrl; }
    // Why that page is not to be opened, or empty when it may be: it came in an answer, so it
    // must be a web address, and not a written-out address of this machine or the user's
    // network unless the answering source was set up on that host.
    QString pageRefusal() const;

    // What the window shows for a row of that text: the product when it was found, and always
    // what the code says by itself. The picture's address goes to `pictureUrl`.
    ProductSheet sheetFor(const QString& rowText, QString* pictureUrl) const;

private:
    void showRow(int row);
    void fetchPicture(const QString& url, const QStringList& ownHosts, int generation);

    Platform m_platform;
    const RunOutcomes& m_outcomes;
    RequestPacer m_pacer;
    ProductSheet m_sheet;
    QStringList m_sheetHosts; // the hosts of the source that gave the row shown
    int m_row = 0;
    // Goes up with every row shown and with every closing: a fetch started for an older one is
    // dropped.
    int m_generation = 0;
};
