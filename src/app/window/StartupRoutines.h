#pragma once

#include <QString>

class ChanceSource;

inline constexpr int kShortTitleLength = 40;
// The draw out of 1 to 100 on which the web site opens.
inline constexpr int kWebSiteDraw = 7;

// Drops words from the end until the title is 40 characters or shorter, always at least one. A
// name without any space has no word to drop and stays whole.
QString ShortenTitle(const QString& productName);

// Seeds from the time of day and draws a whole number from 1 to 100.
int DrawOneToHundred(ChanceSource& chance);
