#pragma once

#include "lookup/LookupSource.h"

class ProductIndex;

inline constexpr QStringView kNoProductIndex = u"no product index (import one first)";

// The product index imported from the open databases' exports: answers from this machine, at
// once, with no request and no pacing. A code it lacks goes on to the next source, since the
// export is a snapshot and the product may be newer.
class IndexSource final : public LookupSource
{
public:
    // `imagesBase` and `pagesBase` are where Open Food Facts' pictures and product pages are
    // ("https://images.openfoodfacts.org", "https://world.openfoodfacts.org"); empty: no
    // addresses. `language`: the user's ("de"), whose name comes first when the index keeps
    // one; empty for English.
    explicit IndexSource(ProductIndex& index, QString imagesBase = {}, QString pagesBase = {},
                         QString language = {})
        : m_index(index)
        , m_imagesBase(std::move(imagesBase))
        , m_pagesBase(std::move(pagesBase))
        , m_language(std::move(language))
    {}

    // How many of the codes that follow are handed to the index to find ahead, once half of
    // those handed before are asked: enough for the index's thread to stay ahead and to be woken
    // seldom (each wake cost more than a few searches), few enough that a run stopped early
    // wasted little.
    static constexpr int kCodesAhead = 2048;

    QString name() const override { return QStringLiteral("index"); }
    QString displayName() const override { return QStringLiteral("Product index"); }
    QStringList ownHosts() const override;
    bool takes(const CheckedCode& checked) const override { return checked.isValid(); }
    SourceRequest request(const QString&, const CheckedCode&) const override { return {}; }
    SourceAnswer read(const SourceResponse&, const QString&) const override
    {
        return SourceAnswer::failed(QStringLiteral("not asked over the network"));
    }
    bool isLocal() const override { return true; }
    std::optional<SourceAnswer> answerLocally(const CheckedCode& checked) override;
    void lookAhead(const CodesAhead& ahead) override;
    void prepareRun() override;
    int perMinute() const override { return 0; }
    bool remembered() const override { return false; }

private:
    QString pageOf(const QString& database, const QString& gtin);
    // The picture at `path` under the pictures' folder, of that size (".400.jpg").
    QString imageAddress(QStringView path, QStringView size);

    ProductIndex& m_index;
    QString m_imagesBase, m_pagesBase;
    QString m_language;
    bool m_keepsLanguages = false; // the index in use keeps names by language
    bool m_present = false;
    // How many of the codes that follow were handed to the index to find ahead, as this source
    // counts the codes it is asked about.
    int m_aheadLeft = 0;
    QString m_absence = kNoProductIndex.toString(); // the reason a lookup fails without one
    // A product page's address up to its code, for the database it was last made for.
    QString m_pagesOf;
    QString m_pagePrefix;
    QString m_imagePrefix; // the pictures' address up to their folders
};
