#include "common/CellText.h"

QString WithinCellLimit(const QString& text)
{
    if (text.size() <= kMostCellCharacters)
        return text;
    qsizetype kept = kMostCellCharacters - 1;
    if (text[kept - 1].isHighSurrogate())
        --kept;
    return text.first(kept) + QChar(0x2026);
}
