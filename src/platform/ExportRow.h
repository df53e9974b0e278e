#pragma once

#include <QByteArray>
#include <QByteArrayView>

// One product line of an export, reduced to what the index keeps. The views point into the
// reader's buffers and are valid during the sink's call only; the text is UTF-8 as the export
// has it, untrimmed, except the code, and no text field is longer than kLongestIndexedText.
struct ExportRow
{
    QByteArrayView code; // as given, surrounding spaces dropped
    QByteArrayView key;  // the code as the index is searched by it: see IndexKey()
    QByteArrayView productName;
    QByteArrayView localName; // product_name_<first language asked for>, when present
    QByteArrayView englishName;
    QByteArrayView genericName;
    QByteArrayView brands;
    QByteArrayView quantity;
    QByteArrayView mainCategory; // main_category_en: "Hazelnut spreads"
    QByteArrayView countries;    // countries_en: "France,Germany"
    // The front picture's address (image_url) in the short form of OpenFoodFactsImageName, or
    // whole when it is not of the usual shape.
    QByteArrayView image;
    // product_name_<language> of the further languages asked for, in their order.
    QByteArrayView moreNames[3] = {};
};

// How many languages' names an index keeps at most: the first in `localName`, the others in
// `moreNames`. Each costs only the products that have a name in it.
inline constexpr int kMostIndexLanguages = 4;

// The folder of a product's pictures on Open Food Facts' picture host: a code longer than eight
// digits is cut into three groups of three and the rest ("380/012/340/0018"), a shorter one is
// its own folder.
// As bytes or as text (Text a QByteArray or a QString, View its view), with `then` after it
// behind a slash when there is one: made in one piece, since every product found in the index
// with a picture has its addresses made from it.
template <typename Text, typename View>
Text OpenFoodFactsImageFolderOf(View code, View then = {})
{
    Text folder;
    folder.reserve(code.size() + 4 + then.size());
    if (code.size() <= 8) {
        folder += code;
    } else {
        folder += code.first(3);
        folder += '/';
        folder += code.sliced(3, 3);
        folder += '/';
        folder += code.sliced(6, 3);
        folder += '/';
        folder += code.sliced(9);
    }
    if (!then.isEmpty()) {
        folder += '/';
        folder += then;
    }
    return folder;
}
inline QByteArray OpenFoodFactsImageFolder(QByteArrayView code)
{
    return OpenFoodFactsImageFolderOf<QByteArray>(code);
}

// The usual address of a front picture is its host, /images/products/, the code's folder, then
// "front_en.3" (the language and revision of the picture) and ".400.jpg". The index keeps only
// that name, which is all that is not derived from the code, and makes the address again from it.
inline constexpr QByteArrayView kOpenFoodFactsImageStart =
    "https://images.openfoodfacts.org/images/products/";
inline constexpr QByteArrayView kOpenFoodFactsImageEnd = ".400.jpg";

// The short form of a picture's address: the name alone when the address is of the usual shape
// for this code, else the address as given. A part of the view it is given.
inline QByteArrayView OpenFoodFactsImageName(QByteArrayView url, QByteArrayView code)
{
    if (!url.startsWith(kOpenFoodFactsImageStart) || !url.endsWith(kOpenFoodFactsImageEnd))
        return url;
    const QByteArray folder = OpenFoodFactsImageFolder(code) + '/';
    const QByteArrayView rest = url.sliced(kOpenFoodFactsImageStart.size());
    if (!rest.startsWith(folder))
        return url;
    const QByteArrayView name =
        rest.sliced(folder.size(), rest.size() - folder.size() - kOpenFoodFactsImageEnd.size());
    // A name with a slash or a colon would be read back as something else.
    if (name.isEmpty() || name.contains('/') || name.contains(':'))
        return url;
    return name;
}

// The form of a code the index is keyed by. The exports write codes as digit strings, some with
// the leading zeros of their 13-digit form, some without ("0012345678905", "012345678905" and
// "12345678905" are the same product), so a code of digits is keyed without its leading zeros
// ("0" for a code of zeros only); any other code (a few stores' own codes have letters) is keyed
// as given. Spaces around the code are dropped first. Returns a part of the view it is given.
inline QByteArrayView IndexKey(QByteArrayView code)
{
    code = code.trimmed();
    for (const char c : code) {
        if (c < '0' || c > '9')
            return code;
    }
    qsizetype zeros = 0;
    while (zeros + 1 < code.size() && code[zeros] == '0')
        ++zeros;
    return code.sliced(zeros);
}
