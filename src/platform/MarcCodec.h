#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QString>
#include <QStringView>

#include <optional>
#include <variant>

// ISO 2709 records are at most this long (five digits of length).
inline constexpr qsizetype kLargestIso2709 = 99'999;
// A record in MARCXML longer than this cannot fit ISO 2709 however its markup is written, and is
// not parsed at all.
inline constexpr qsizetype kLargestMarcXml = 2 * 1024 * 1024;

// Refused by the codec and by what reads its records alike: MARC 21 has two indicators of one
// character and subfield codes of one.
inline constexpr QStringView kNotMarc21Record = u"not a MARC 21 record (its leader does not say "
                                                u"two indicators and one-character subfield codes)";

// A MARCXML record as the codec wrote it again: in UTF-8, position 09 of its leader 'a'.
struct MarcWritten
{
    QString marcXml;
    // The same record in ISO 2709; nothing when it cannot be written so.
    std::optional<QByteArray> iso2709;
};

// MARC 21 records as a library that knows them (YAZ) reads and writes them. Every record comes
// from a catalogue, so each call takes whatever it is given and says why it refuses it. Used from
// several threads at once.
class MarcCodec
{
public:
    virtual ~MarcCodec() = default;

    // A record in an ISO 2709 transmission (MARC-8 unless position 09 says UTF-8) written as
    // MARCXML in UTF-8; or why it is refused: "not a MARC record", "not MARC-8 text", the
    // library's own words.
    virtual std::variant<QString, QString> marcXmlOfIso2709(QByteArrayView record) = 0;
    // One MARCXML <record> element read and written again; or why it is refused: "not XML
    // (...)", "not a MARCXML record".
    virtual std::variant<MarcWritten, QString> written(QByteArrayView marcXml) = 0;
    // An ISO 2709 record that written() made, read back as it is and written as MARCXML; nothing
    // when it cannot be.
    virtual std::optional<QString> readBack(const QByteArray& iso2709) = 0;
};
