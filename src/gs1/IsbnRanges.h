#pragma once

#include <QByteArrayView>
#include <QList>
#include <QString>
#include <QStringView>

#include <optional>
#include <variant>

// Where an ISBN's parts end: for each prefix (978, 979) the lengths of its registration groups,
// and for each group the lengths of its publishers' numbers, as the International ISBN Agency
// assigns them. The program keeps a copy (made from Debian's python3-stdnum when it is built);
// QUILLFEN_ISBN_RANGES names a newer RangeMessage.xml from the agency.
class IsbnRanges final
{
public:
    // The copy built in.
    static const IsbnRanges& builtIn();
    // The ranges of an agency's RangeMessage.xml, or why they cannot be used.
    static std::variant<IsbnRanges, QString> fromRangeMessage(QByteArrayView xml);

    // "978-0-306-40615-7" for 9780306406157: 13 digits with a right check digit whose group and
    // publisher lie in known ranges. Nothing for anything else: a hyphen in the wrong place would
    // be a wrong ISBN, so none is guessed.
    std::optional<QString> hyphenate(QStringView isbn13) const;
    // When the agency made the ranges ("Sun, 13 Nov 2022 16:58:20 GMT").
    const QString& date() const { return m_date; }

private:
    struct Range
    {
        QString low; // as many digits as high
        QString high;
    };
    // The ranges of one element: the groups of a prefix (group empty), the publishers of a group.
    struct Element
    {
        QString prefix;
        QString group;
        QList<Range> ranges;
    };
    // The part of `digits` that starts it and lies in one of the ranges.
    static std::optional<QStringView> partIn(const QList<Range>& ranges, QStringView digits);
    const Element* element(QStringView prefix, QStringView group) const;

    QList<Element> m_elements;
    QString m_date;
};

// The ISBN hyphenated by the ranges in use (the built-in ones, or those UseIsbnRanges set).
std::optional<QString> HyphenatedIsbn(QStringView isbn13);
// Start-up: the ranges to use from now on instead of the built-in ones.
void UseIsbnRanges(IsbnRanges ranges);
