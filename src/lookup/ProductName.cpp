#include "ProductName.h"

#include <QStringList>

namespace {

QString FirstBrand(const QString& brands)
{
    for (const QStringView piece : QStringView(brands).split(u',')) {
        const QStringView brand = piece.trimmed();
        if (!brand.isEmpty())
            return brand.toString();
    }
    return {};
}

} // namespace

ProductAnswer AnswerFromFields(const ProductFields& fields)
{
    ProductAnswer product;
    for (const QString* candidate :
         {&fields.productName, &fields.localName, &fields.englishName, &fields.genericName}) {
        product.name = candidate->trimmed();
        if (!product.name.isEmpty())
            break;
    }
    product.brand = FirstBrand(fields.brands);
    product.quantity = fields.quantity.trimmed();
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
