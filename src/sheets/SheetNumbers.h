#pragma once

#include <QString>
#include <QStringView>

#include <optional>

// The exact decimal digits of a number as a workbook stores it ("4.006381333931E+12" gives
// "4006381333931", "-0.50" gives "-0.5"); nothing when the text is not a number. A workbook keeps
// a number's shortest exact text, so its digits are read from that text, never through a double
// that would print a code as 4.00638e+12.
std::optional<QString> ExactDigits(QStringView stored);
// The same, giving back the stored text itself, uncopied, when it is already in that form (as
// nearly every number a workbook stores is).
std::optional<QString> ExactDigits(const QString& stored);

// A date as workbooks store it, days from 1899-12-30 (from 1904-01-01 in the 1904 system), as
// ISO 8601 text: "2024-03-01", with " 08:30:00" when there is a time of day.
QString DateTextOfSerial(double serial, bool system1904);
// The other way, for a date an .ods file gives as text ("2024-03-01T08:30:00"); nothing when it
// is not one.
std::optional<double> SerialOfIsoDate(QStringView iso);

// Whether a number format shows a date or a time: day, month, year, hour or second fields
// outside quoted text, escapes and colours.
bool IsDateFormat(QStringView format);

// A size limit as a message gives it: "1 GB", "100 MB", "4096 bytes".
QString SizeText(qint64 bytes);
