#include "listings/ShopValues.h"

#include "common/NumberText.h"

#include <algorithm>

namespace {

// The characters that group thousands besides the point and the comma: spaces (the no-break and
// the narrow no-break space French uses) and the apostrophes of Swiss numbers.
bool IsGroupingMark(QChar c)
{
    return c == u' ' || c == QChar(0x00A0) || c == QChar(0x202F) || c == u'\'' ||
           c == QChar(0x2019);
}

// A currency sign ("€", "$") or code ("EUR", "CHF") at either end of the text, with the spaces
// beside it.
QStringView WithoutCurrency(QStringView text)
{
    text = text.trimmed();
    const auto isCode = [](QStringView part) {
        return part.size() == 3 && std::all_of(part.begin(), part.end(),
                                               [](QChar c) { return c >= u'A' && c <= u'Z'; });
    };
    if (!text.isEmpty() && text.front().category() == QChar::Symbol_Currency)
        text = text.sliced(1).trimmed();
    else if (text.size() > 3 && isCode(text.first(3)))
        text = text.sliced(3).trimmed();
    if (!text.isEmpty() && text.back().category() == QChar::Symbol_Currency)
        text = text.chopped(1).trimmed();
    else if (text.size() > 3 && isCode(text.last(3)))
        text = text.chopped(3).trimmed();
    return text;
}

// The digits of a whole number written with or without a thousands separator (`mark`), in groups
// of three after the first; empty when it is written otherwise.
QString GroupedDigits(QStringView text, QChar mark)
{
    if (mark.isNull())
        return AllDigits(text) ? text.toString() : QString();
    const QList<QStringView> groups = text.split(mark);
    QString digits;
    for (qsizetype g = 0; g < groups.size(); ++g) {
        const QStringView group = groups[g];
        if (!AllDigits(group) || group.size() > 3 || (g > 0 && group.size() != 3))
            return {};
        digits += group;
    }
    return digits;
}

// The one mark that groups the text's thousands, or none; '?' when more than one kind does.
QChar GroupingMarkOf(QStringView text)
{
    QChar mark;
    for (const QChar c : text) {
        if (IsAsciiDigit(c))
            continue;
        if (!mark.isNull() && c != mark)
            return u'?';
        mark = c;
    }
    return mark;
}

bool IsSeparator(QChar c)
{
    return c == u'.' || c == u',' || IsGroupingMark(c);
}

// The number a text cell writes, "1234.50"; empty when it writes none or could mean two.
QString DecimalOfText(QStringView text, bool whole)
{
    text = WithoutCurrency(text);
    if (text.isEmpty() || !IsAsciiDigit(text.front()) || !IsAsciiDigit(text.back()) ||
        !std::all_of(text.begin(), text.end(),
                     [](QChar c) { return IsAsciiDigit(c) || IsSeparator(c); }))
        return {};
    // The decimal mark, if any: the last point or comma, when the other one groups the thousands
    // before it, or when it stands once and is not followed by exactly three digits.
    const qsizetype lastPoint = text.lastIndexOf(u'.');
    const qsizetype lastComma = text.lastIndexOf(u',');
    const qsizetype last = std::max(lastPoint, lastComma);
    qsizetype decimal = -1;
    if (last >= 0) {
        const QChar mark = text[last];
        const bool once = text.count(mark) == 1;
        // Another mark before it groups the thousands: this one is the decimal mark.
        const bool grouped = (lastPoint >= 0 && lastComma >= 0) ||
                             std::any_of(text.begin(), text.end(), IsGroupingMark);
        if (once && grouped)
            decimal = last;
        else if (once && text.size() - last - 1 == 3)
            return whole ? GroupedDigits(text, mark) : QString(); // a thousand, or one
        else if (once)
            decimal = last;
    }
    const QStringView integral = decimal >= 0 ? text.first(decimal) : text;
    const QStringView fraction = decimal >= 0 ? text.sliced(decimal + 1) : QStringView();
    const QChar mark = GroupingMarkOf(integral);
    if (mark == u'?')
        return {};
    const QString digits = GroupedDigits(integral, mark);
    if (digits.isEmpty() || (decimal >= 0 && !AllDigits(fraction)))
        return {};
    if (decimal < 0)
        return digits;
    return whole ? QString() : digits + u'.' + fraction;
}
} // namespace

std::optional<QString> PriceOfCell(const SheetCell& cell)
{
    switch (cell.kind) {
    case SheetCell::Kind::Empty:
        return QString();
    case SheetCell::Kind::Number:
        if (cell.number < 0 || cell.text.startsWith(u'-'))
            return std::nullopt;
        return cell.text;
    case SheetCell::Kind::Text: {
        if (cell.text.trimmed().isEmpty())
            return QString();
        const QString price = DecimalOfText(cell.text, false);
        return price.isEmpty() ? std::nullopt : std::optional(price);
    }
    case SheetCell::Kind::Boolean:
    case SheetCell::Kind::Date:
        break;
    }
    return std::nullopt;
}

std::optional<QString> StockOfCell(const SheetCell& cell)
{
    switch (cell.kind) {
    case SheetCell::Kind::Empty:
        return QString();
    case SheetCell::Kind::Number:
        if (!AllDigits(cell.text))
            return std::nullopt;
        return cell.text;
    case SheetCell::Kind::Text: {
        if (cell.text.trimmed().isEmpty())
            return QString();
        const QString stock = DecimalOfText(cell.text, true);
        return stock.isEmpty() ? std::nullopt : std::optional(stock);
    }
    case SheetCell::Kind::Boolean:
    case SheetCell::Kind::Date:
        break;
    }
    return std::nullopt;
}

QString SkuOfCell(const SheetCell& cell)
{
    return cell.text.trimmed();
}
