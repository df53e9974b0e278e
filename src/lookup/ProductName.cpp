#include "lookup/ProductName.h"

#include <QStringList>

namespace {

QString FirstBrand(const QString& brands)
{
    for (const QStringView piece : QStringView(brands).split(u',')) {
        const QString brand = CleanField(piece.toString());
        if (!brand.isEmpty())
            return brand;
    }
    return {};
}

} // namespace

QString CleanField(const QString& text)
{
    QStringView view(text);
    while (!view.isEmpty() && (view.front().isSpace() || view.front() == QChar(0xFEFF)))
        view = view.sliced(1);
    return view.trimmed().toString();
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
    QStringList pieces;
    if (!product.name.isEmpty())
        pieces.append(product.name);
    if (!product.brand.isEmpty() && !product.name.contains(product.brand, Qt::CaseInsensitive))
        pieces.append(product.brand);
    if (!product.quantity.isEmpty())
        pieces.append(product.quantity);
    return pieces.join(QStringLiteral(", "));
}
