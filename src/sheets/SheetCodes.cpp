#include "sheets/SheetCodes.h"

#include "common/NumberText.h"
#include "lookup/ProductCode.h"

namespace {
// The shortest code length, EAN-8 or UPC-A, that a shorter run of digits can have lost its
// leading zeros from. Zeros in front change no GS1 check digit, so the longer lengths would
// pass exactly when these do.
QString WithZerosBack(const QString& digits)
{
    if (!AllDigits(digits) || digits.size() >= 12 || CheckCode(digits).isValid())
        return digits;
    const qsizetype length = digits.size() < 8 ? 8 : 12;
    const QString padded = QString(length - digits.size(), u'0') + digits;
    return CheckCode(padded).isValid() ? padded : digits;
}
} // namespace

QString CodeOfCell(const SheetCell& cell)
{
    switch (cell.kind) {
    case SheetCell::Kind::Empty:
        return {};
    case SheetCell::Kind::Number:
    case SheetCell::Kind::Text:
        return WithZerosBack(cell.text.trimmed());
    case SheetCell::Kind::Boolean:
    case SheetCell::Kind::Date:
        break;
    }
    return cell.text;
}

std::vector<SheetCode> CodesOfColumn(const Sheet& sheet, qsizetype column, qsizetype firstRow)
{
    std::vector<SheetCode> codes;
    for (std::size_t row = std::size_t(std::max<qsizetype>(firstRow, 0)); row < sheet.rows.size();
         ++row) {
        QString code = CodeOfCell(sheet.cell(row, std::size_t(column)));
        if (!code.isEmpty())
            codes.push_back(SheetCode{qsizetype(row), std::move(code)});
    }
    return codes;
}
