#include "lookup/ProductName.h"

#include <QStringList>

namespace {

QString FirstBrand(const QString& brands)
{
    for (const QStringView piece : QStringView(brands).tokenize(u',')) {
        const QStringView brand = CleanView(piece);
        if (!brand.isEmpty())
            return brand.size() == brands.size() ? brands : brand.toString();
    }
    return {};
}

} // namespace

QStringView CleanView(QStringView text)
{
    while (!text.isEmpty() && (text.front().isSpace() || text.front() == QChar(0xFEFF)))
        text = text.sliced(1);
    return text.trimmed();
}

QString CleanField(const QString& text)
{
    // A field with nothing to clean, as most are, is the same text and no copy of it.
    const QStringView clean = CleanView(text);
    return clean.size() == text.size() ? text : clean.toString();
}

ProductAnswer AnswerFromFields(const ProductFields& fields)
{
    ProductAnswer product;
    for (const QString* candidate :
         {&fields.localName, &fields.productName, &fields.englishName, &fields.genericName}) {
        product.name = CleanField(*candidate);
        if (!product.name.isEmpty())
            break;
    }
    product.brand = FirstBrand(fields.brands);
    product.quantity = CleanField(fields.quantity);
    return product;
}

QString DisplayName(const ProductAnswer& product)
{
    // Joined in place: every found row of a run is named by it.
    const bool brand =
        !product.brand.isEmpty() && !product.name.contains(product.brand, Qt::CaseInsensitive);
    if (!brand && product.quantity.isEmpty())
        return product.name;
    QString shown;
    shown.reserve(product.name.size() + product.brand.size() + product.quantity.size() + 4);
    for (const QString* piece :
         {&product.name, brand ? &product.brand : nullptr, &product.quantity}) {
        if (!piece || piece->isEmpty())
            continue;
        if (!shown.isEmpty())
            shown += QLatin1StringView(", ");
        shown += *piece;
    }
    return shown;
}
