#pragma once

#include "platform/BarcodeScanner.h"

#include <QByteArrayView>
#include <QList>
#include <QSet>
#include <QString>
#include <QStringView>

#include <optional>

// The product code a symbol carries, as the code list takes it: EAN-13, EAN-8, ISBN and UPC-A
// digits as printed, a UPC-E expanded to its UPC-A digits, the GTIN of Application Identifier
// (01) of a GS1 symbol (a GTIN-14 that starts with 0 as the EAN-13 it stands for). Nothing for an
// add-on, a symbol without a GTIN, or digits that are no code at all.
std::optional<QString> GtinOfSymbol(const ScannedSymbol& symbol);

// The 12 digits of the UPC-A that a UPC-E (8 digits: number system, six, check digit) stands
// for; nothing when the digits are no UPC-E.
std::optional<QString> ExpandUpcE(QStringView upcE);

// The 14 digits of Application Identifier (01) in GS1 element strings, the elements run together
// as a scanner gives them (variable-length ones ended by the group separator, 0x1D); nothing
// when there is no (01).
std::optional<QString> GtinOfGs1Elements(QByteArrayView elements);

// The product codes these symbols hold that were read more than once: by two scan lines, or in
// two places. A linear code read once may be noise whose check digit happens to pass.
QSet<QString> CodesReadTwice(const QList<ScannedSymbol>& symbols);

// Sorts symbols into reading order: rows from top to bottom, left to right within a row. Two
// symbols are in one row when the middle of one lies between the top and bottom of the other, so
// labels side by side printed a little askew still read left to right.
void SortInReadingOrder(QList<ScannedSymbol>& symbols);

// Files whose barcodes are read, by their extension (any case).
bool IsPictureFile(const QString& path);
bool IsPdfFile(const QString& path);
inline bool IsBarcodeFile(const QString& path)
{
    return IsPictureFile(path) || IsPdfFile(path);
}
