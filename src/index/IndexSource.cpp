#include "index/IndexSource.h"

#include "common/NumberText.h"
#include "lookup/ProductName.h"
#include "lookup/SourceSupport.h"
#include "platform/ProductIndex.h"

#include <algorithm>

void IndexSource::prepareRun()
{
    // An index imported since the last run (by the window or the command line) answers this one.
    m_index.reopenIfReplaced();
    const IndexInfo info = m_index.info();
    m_present = info.exists && info.problem.isEmpty();
    m_keepsLanguages = !info.languages.isEmpty();
    m_aheadLeft = 0;
    // An index that is there but cannot be read says why: "import one first" would send the
    // user looking for an index that exists.
    m_absence = !info.exists
                    ? kNoProductIndex.toString()
                    : QStringLiteral("product index cannot be read (") + info.problem + u')';
}

void IndexSource::lookAhead(const CodesAhead& ahead)
{
    if (!m_present || --m_aheadLeft > kCodesAhead / 2)
        return;
    QStringList gtins;
    const int from = std::max(m_aheadLeft, 0) + 1;
    for (int k = from; k <= kCodesAhead; ++k) {
        const std::optional<QString> typed = ahead(k);
        if (!typed)
            break;
        // Thirteen digits, nearly every code of a list, are their own GTIN and asked as they
        // are: they need no check here (checking each code twice took a twentieth of a run from
        // the index). One with a wrong check digit is never asked, and is passed over.
        if (typed->size() == 13 && AllDigits(*typed)) {
            gtins.append(*typed);
            continue;
        }
        // In the form the code will be asked: a UPC-E as typed, as every source is asked it
        // first. A form never handed is searched directly, after a look along all of those
        // waiting.
        if (const CheckedCode checked = CheckCode(*typed); takes(checked))
            gtins.append(checked.isUpcE() ? checked.asTyped : checked.gtin);
    }
    m_aheadLeft = kCodesAhead;
    m_index.findAhead(gtins);
}

std::optional<SourceAnswer> IndexSource::answerLocally(const CheckedCode& checked)
{
    if (!m_present)
        return SourceAnswer::failed(m_absence);
    QString gtin = checked.gtin;
    std::optional<IndexedProduct> product = m_index.find(gtin);
    if (!product && !checked.paddedGtin.isEmpty()) {
        gtin = checked.paddedGtin;
        product = m_index.find(gtin);
    }
    if (!product)
        return SourceAnswer::notFound();
    // An index that keeps names by language gives the user's first, and never another
    // language's as if it were the user's.
    if (m_keepsLanguages)
        product->fields.localName = product->namesByLanguage.value(m_language);
    ProductAnswer answer = AnswerFromFields(product->fields);
    answer.database = product->database;
    ProductDetails& details = answer.details;
    details.categories = CleanField(product->mainCategory);
    details.countries = LastListPieces(product->countries, u',', 1000);
    if (product->image.contains(u':')) {
        details.imageUrl = product->image; // kept whole: not of the usual shape
    } else if (!product->image.isEmpty() && !m_imagesBase.isEmpty()) {
        const QString path = OpenFoodFactsImageFolderOf<QString>(QStringView(product->code),
                                                                 QStringView(product->image));
        details.imageUrl = imageAddress(path, u".400.jpg");
        details.thumbnailUrl = imageAddress(path, u".200.jpg");
    }
    if (!m_pagesBase.isEmpty())
        // The page of the code as it was typed: every form leads to the product, and this one is
        // the user's own.
        details.pageUrl = pageOf(product->database, gtin == checked.gtin ? checked.asTyped : gtin);
    return SourceAnswer::found(std::move(answer));
}

QString IndexSource::imageAddress(QStringView path, QStringView size)
{
    // A path of characters an address keeps as they are follows the pictures' address as it is,
    // made once (two addresses read and written again for every product found took a twelfth
    // of a lookup from the index). Any other is encoded as the address is made.
    const bool plain = std::all_of(path.cbegin(), path.cend(), [](QChar c) {
        return (c >= u'a' && c <= u'z') || (c >= u'A' && c <= u'Z') || (c >= u'0' && c <= u'9') ||
               c == u'/' || c == u'.' || c == u'_' || c == u'-';
    });
    const QString folder = QStringLiteral("/images/products/");
    const auto encoded = [&] {
        return SourceAddress(m_imagesBase, folder + path + size).toString(QUrl::FullyEncoded);
    };
    if (!plain)
        return encoded();
    if (m_imagePrefix.isEmpty())
        m_imagePrefix = SourceAddress(m_imagesBase, folder).toString(QUrl::FullyEncoded);
    // A base that already holds a query or a path of dots is left to the address's own rules.
    if (!m_imagePrefix.endsWith(folder) || path.contains(QLatin1String("..")))
        return encoded();
    return m_imagePrefix + path + size;
}

QString IndexSource::pageOf(const QString& database, const QString& gtin)
{
    // A code of digits stands in an address as it is: the address up to it is made once for a
    // database, not for each product (reading the same base address again and writing it out
    // took a twentieth of a lookup from the index).
    const bool digits = !gtin.isEmpty() && std::all_of(gtin.cbegin(), gtin.cend(), [](QChar c) {
        return c >= u'0' && c <= u'9';
    });
    if (!digits)
        return OpenFoodFactsPage(m_pagesBase, database, gtin);
    if (m_pagePrefix.isEmpty() || database != m_pagesOf) {
        m_pagesOf = database;
        m_pagePrefix = OpenFoodFactsPage(m_pagesBase, database, {});
    }
    if (!m_pagePrefix.endsWith(u"/product/"))
        return OpenFoodFactsPage(m_pagesBase, database, gtin);
    return m_pagePrefix + gtin;
}

QStringList IndexSource::ownHosts() const
{
    return HostsOf({m_imagesBase, m_pagesBase});
}
