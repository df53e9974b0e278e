#pragma once

#include "sheets/Sheet.h"

#include <QString>

#include <optional>

// The user's own values a shop's import file takes from a cell of their spreadsheet. Each is the
// cell's as it stands: a value that is not one is never guessed at, and the caller counts it.

// A price: digits, and a point before the decimals. A number cell by its exact digits ("12.5"); a
// text cell by its text with its thousands separators dropped and a decimal comma made a point
// ("1.234,50" and "1,234.50" are "1234.50", "12" is "12"), a currency sign or code before or
// after it allowed ("12,50 €", "EUR 12.50"). Nothing for anything else: words, an amount below
// zero, and "1,234" or "1.234", which could be a thousand or one. An empty cell gives an empty
// text.
std::optional<QString> PriceOfCell(const SheetCell& cell);

// A stock: a whole number from 0, its thousands separators dropped ("1.200" is "1200"). Nothing
// for anything else; an empty cell gives an empty text.
std::optional<QString> StockOfCell(const SheetCell& cell);

// A SKU: a text cell's text trimmed, a number cell's digits, a date or a boolean as the cell reads.
QString SkuOfCell(const SheetCell& cell);
