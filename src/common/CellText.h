#pragma once

#include <QString>

// Excel's limit on the characters of one cell; libxlsxwriter refuses a longer text, and with it
// the whole workbook.
inline constexpr qsizetype kMostCellCharacters = 32767;

// The text cut to the limit, ending in "…" (the limit in all, a character outside the Basic
// Multilingual Plane never split); the text itself when it fits.
QString WithinCellLimit(const QString& text);
