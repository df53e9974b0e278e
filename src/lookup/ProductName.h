#pragma once

#include "lookup/LookupSource.h"
#include "platform/ProductFields.h"

#include <QString>

// A field as a name is shown: without white space or byte-order marks before it and without white
// space after it. A leading byte-order mark is a leftover of how the text was stored, invisible,
// and Qt's JSON reader drops it from some strings and keeps it in others.
QString CleanField(const QString& text);
// The same, as a view into the text.
QStringView CleanView(QStringView text);

// The product as shown and written out: the first non-empty of the name in the user's language,
// the product's own name (in its main language), the English name and the generic name; the
// first brand of the list; the quantity. Each is cleaned (CleanField).
ProductAnswer AnswerFromFields(const ProductFields& fields);

// What a results row shows for a found product: the name, then the brand unless the name already
// contains it (ignoring case), then the quantity, joined with ", ": "Hazelnut Spread, Ferrero,
// 400 g". Empty when the product has none of them.
QString DisplayName(const ProductAnswer& product);
