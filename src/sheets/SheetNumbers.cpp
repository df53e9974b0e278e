#include "sheets/SheetNumbers.h"

#include "common/NumberText.h"

#include <QCoreApplication>
#include <QDateTime>

#include <cmath>

namespace {

// No workbook number has an exponent anywhere near this; a larger one is not taken for a number
// rather than spelt out in thousands of zeros.
constexpr int kMaxExponent = 400;

const QDate kEpoch1900(1899, 12, 30);
const QDate kEpoch1904(1904, 1, 1);

// Already the shortest exact form: no sign but a minus, no leading zero, no point without a
// fraction, no trailing zero after it, no exponent.
bool IsExactForm(QStringView text)
{
    qsizetype i = text.startsWith(u'-') ? 1 : 0;
    const qsizetype whole = i;
    while (i < text.size() && IsAsciiDigit(text[i]))
        ++i;
    if (i == whole || (text[whole] == u'0' && i - whole > 1))
        return false;
    if (i == text.size())
        return text != u"-0";
    if (text[i] != u'.' || i + 1 == text.size() || text.back() == u'0')
        return false;
    for (++i; i < text.size(); ++i) {
        if (!IsAsciiDigit(text[i]))
            return false;
    }
    return true;
}
} // namespace

std::optional<QString> ExactDigits(const QString& stored)
{
    if (IsExactForm(stored))
        return stored;
    return ExactDigits(QStringView(stored));
}

std::optional<QString> ExactDigits(QStringView stored)
{
    const QStringView text = stored.trimmed();
    if (IsExactForm(text))
        return text.toString();
    qsizetype i = 0;
    bool negative = false;
    if (i < text.size() && (text[i] == u'-' || text[i] == u'+'))
        negative = text[i++] == u'-';
    QString digits;
    qsizetype point = -1; // digits before the decimal point
    for (; i < text.size(); ++i) {
        if (IsAsciiDigit(text[i]))
            digits += text[i];
        else if (text[i] == u'.' && point < 0)
            point = digits.size();
        else
            break;
    }
    if (digits.isEmpty())
        return std::nullopt;
    if (point < 0)
        point = digits.size();
    if (i < text.size() && (text[i] == u'e' || text[i] == u'E')) {
        ++i;
        bool minus = false;
        if (i < text.size() && (text[i] == u'-' || text[i] == u'+'))
            minus = text[i++] == u'-';
        int exponent = 0;
        const qsizetype start = i;
        for (; i < text.size() && IsAsciiDigit(text[i]); ++i) {
            exponent = exponent * 10 + (text[i].unicode() - u'0');
            if (exponent > kMaxExponent)
                return std::nullopt;
        }
        if (i == start)
            return std::nullopt;
        point += minus ? -exponent : exponent;
    }
    if (i != text.size())
        return std::nullopt;
    // Zeros where the point has moved past the digits.
    if (point < 0) {
        digits.prepend(QString(-point, u'0'));
        point = 0;
    } else if (point > digits.size()) {
        digits.append(QString(point - digits.size(), u'0'));
    }
    QString whole = digits.first(point);
    QString fraction = digits.sliced(point);
    while (whole.size() > 1 && whole.front() == u'0')
        whole.remove(0, 1);
    if (whole.isEmpty())
        whole = QStringLiteral("0");
    while (!fraction.isEmpty() && fraction.back() == u'0')
        fraction.chop(1);
    QString result = whole;
    if (!fraction.isEmpty())
        result += u'.' + fraction;
    if (negative && result != u"0")
        result.prepend(u'-');
    return result;
}

QString DateTextOfSerial(double serial, bool system1904)
{
    if (!std::isfinite(serial) || serial < 0 || serial > 2958466) // 9999-12-31
        return QString::number(serial, 'g', 17);
    const qint64 seconds = std::llround(serial * 86400.0);
    const QDate day = (system1904 ? kEpoch1904 : kEpoch1900).addDays(seconds / 86400);
    const qint64 ofDay = seconds % 86400;
    QString text = day.toString(Qt::ISODate);
    if (ofDay != 0)
        text += u' ' + QTime::fromMSecsSinceStartOfDay(int(ofDay * 1000)).toString(Qt::ISODate);
    return text;
}

std::optional<double> SerialOfIsoDate(QStringView iso)
{
    const QString text = iso.toString();
    QDateTime when = QDateTime::fromString(text, Qt::ISODateWithMs);
    if (!when.isValid()) {
        const QDate day = QDate::fromString(text, Qt::ISODate);
        if (!day.isValid())
            return std::nullopt;
        when = QDateTime(day, QTime(0, 0));
    }
    const double days = double(kEpoch1900.daysTo(when.date()));
    return days + double(when.time().msecsSinceStartOfDay()) / 86400000.0;
}

bool IsDateFormat(QStringView format)
{
    bool quoted = false;
    bool bracket = false;
    for (qsizetype i = 0; i < format.size(); ++i) {
        const QChar c = format[i];
        if (quoted) {
            quoted = c != u'"';
            continue;
        }
        if (bracket) {
            // Elapsed time, [h]:mm, is a time; [Red] and [$-409] are not.
            const QChar lower = c.toLower();
            if (lower == u'h' || lower == u's')
                return true;
            bracket = c != u']';
            continue;
        }
        switch (c.toLower().unicode()) {
        case u'"':
            quoted = true;
            break;
        case u'[':
            bracket = true;
            break;
        case u'\\':
        case u'_':
        case u'*':
            ++i; // the next character is shown as it is, or is padding
            break;
        case u'y':
        case u'd':
        case u'm':
        case u'h':
        case u's':
            return true;
        default:
            break;
        }
    }
    return false;
}

QString SizeText(qint64 bytes)
{
    constexpr qint64 kMB = qint64(1024) * 1024;
    constexpr qint64 kGB = kMB * 1024;
    if (bytes >= kGB && bytes % kGB == 0)
        return QCoreApplication::translate("SheetNumbers", "%1 GB").arg(bytes / kGB);
    if (bytes >= kMB && bytes % kMB == 0)
        return QCoreApplication::translate("SheetNumbers", "%1 MB").arg(bytes / kMB);
    return QCoreApplication::translate("SheetNumbers", "%1 bytes").arg(bytes);
}
