#pragma once

#include <QString>
#include <QStringView>

// 1234567 -> "1,234,567" in English, whatever the user's locale, so that limits and counts read
// the same in every English message; in a translated run the language's own way ("1.234.567").
QString GroupedNumber(qint64 value);

// A count as a plural form's number (translate's n is an int): the forms only tell one from many,
// so a count past the int's range is simply many.
int PluralCount(qint64 count);

// The digits of codes and of the numbers in files: ASCII only, never another script's.
inline bool IsAsciiDigit(QChar c)
{
    return c.unicode() >= u'0' && c.unicode() <= u'9';
}

// Whether the text is one or more ASCII digits.
bool AllDigits(QStringView text);
