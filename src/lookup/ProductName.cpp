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
    QStringList parts;
    if (!product.name.isEmpty())
        parts.append(product.name);
    if (!product.brand.isEmpty() && !product.name.contains(product.brand, Qt::CaseInsensitive))
        parts.append(product.brand);
    if (!product.quantity.isEmpty())
        parts.append(product.quantity);
    return parts.join(QStringLiteral(", "));
}
