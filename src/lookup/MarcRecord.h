#pragma once

#include "platform/MarcCodec.h"

#include <QByteArray>
#include <QByteArrayView>
#include <QList>
#include <QString>
#include <QStringList>

#include <optional>
#include <variant>

// One subfield of a data field: its code ("a") and its text.
struct MarcSubfield
{
    QString code;
    QString value;

    friend bool operator==(const MarcSubfield&, const MarcSubfield&) = default;
};

// One field of a record: a control field (001 to 009) holds a text, a data field two indicators
// and its subfields.
struct MarcField
{
    QString tag;
    bool control = false;
    QString value;      // a control field's text
    QString indicators; // a data field's two indicators, as written (blanks included)
    QList<MarcSubfield> subfields;

    friend bool operator==(const MarcField&, const MarcField&) = default;
};

// The leader and the fields of a record in the order it holds them.
struct MarcContents
{
    QString leader;
    QList<MarcField> fields;

    // The texts of that subfield in every field of that tag, in order.
    QStringList subfields(QStringView tag, QStringView code) const;
    // The text of the first control field of that tag; empty when there is none.
    QString controlField(QStringView tag) const;
};

// The leader with the positions ISO 2709 computes as it writes a record (its length, 00-04, and
// where its data starts, 12-16) blanked: two forms of one record agree on everything else.
QString ComparableLeader(const QString& leader);

// A MARC 21 record from a library catalogue, read by the codec UseMarcCodec() gave (YAZ) and kept
// in one form whatever the catalogue sent: MARCXML in UTF-8, position 09 of the leader 'a'. A
// record in MARC-8 is converted. What is kept is exactly what the catalogue sent besides: no field
// is added, dropped or changed, and a record that cannot be kept so is refused.
class MarcRecord final
{
public:
    static constexpr qsizetype kLargestIso2709 = ::kLargestIso2709;
    static constexpr qsizetype kLargestMarcXml = ::kLargestMarcXml;

    // The record in an ISO 2709 transmission (MARC-8 unless position 09 says UTF-8), or why it
    // is refused: "not a MARC record", "the leader says 500 bytes, the record has 366", "not
    // MARC-8 text", "Directory offset 36: Data out of bounds 100171 >= 366" (YAZ's own words).
    static std::variant<MarcRecord, QString> fromIso2709(QByteArrayView bytes);
    // The record in one MARCXML <record> element, or why it is refused: "not XML (...)", "not a
    // MARCXML record", "it does not fit an ISO 2709 record".
    static std::variant<MarcRecord, QString> fromMarcXml(QByteArrayView xml);

    // The MARCXML of the record alone (one <record> in the MARC 21 slim namespace), as YAZ
    // writes it.
    const QString& marcXml() const { return m_marcXml; }
    // The record in ISO 2709, UTF-8, as YAZ writes it.
    QByteArray iso2709() const;
    const MarcContents& contents() const { return m_contents; }

private:
    MarcRecord() = default;

    QString m_marcXml;
    QByteArray m_iso2709;
    MarcContents m_contents;
};

// The leader and fields a MARCXML record holds, read as text; nothing for what is no MARCXML
// record. For the records' own forms and for tests alike.
std::optional<MarcContents> ReadMarcXmlContents(const QString& xml);

// The codec every record is read and written by, from then on: set once by the program as it
// starts (the codec may be a stand-in that loads its library at the first record), and by the
// tests that read records. Until it is set, every record is refused.
void UseMarcCodec(MarcCodec* codec);
