#pragma once

// Test records of MARC 21: ISO 2709 put together byte by byte, as a catalogue would send it (in
// MARC-8 or UTF-8, with its lengths right unless a test makes them lie), and the made-up MARCXML
// records the SRU stand-in serves.

#include <QByteArray>
#include <QFile>
#include <QList>
#include <QString>

#include <utility>

namespace MarcTest {

// A data field's bytes: two indicators, then each subfield after its delimiter.
inline QByteArray DataField(QByteArray indicators,
                            const QList<std::pair<char, QByteArray>>& subfields)
{
    QByteArray field = std::move(indicators);
    for (const auto& [code, value] : subfields)
        field += '\x1f' + QByteArray(1, code) + value;
    return field;
}

// An ISO 2709 record of these fields (tag, bytes without the field terminator); position 09 of
// the leader as given (' ' for MARC-8, 'a' for UTF-8).
inline QByteArray Iso2709(const QList<std::pair<QByteArray, QByteArray>>& fields, char coding = ' ')
{
    QByteArray directory;
    QByteArray data;
    for (const auto& [tag, value] : fields) {
        const QByteArray stored = value + '\x1e';
        directory += tag + QByteArray::number(stored.size()).rightJustified(4, '0') +
                     QByteArray::number(data.size()).rightJustified(5, '0');
        data += stored;
    }
    directory += '\x1e';
    const qsizetype base = 24 + directory.size();
    const qsizetype total = base + data.size() + 1;
    // Positions 05-08 "nam ", 09 the character set, 10-11 "22", 12-16 where the data starts.
    const QByteArray leader = QByteArray::number(total).rightJustified(5, '0') + "nam " + coding +
                              "22" + QByteArray::number(base).rightJustified(5, '0') + " a 4500";
    return leader + directory + data + '\x1d';
}

// A small book in MARC-8: its title holds a combining acute accent before the letter it goes on
// ("Café"), as MARC-8 writes it.
inline QByteArray Marc8Book()
{
    return Iso2709({{"001", "QF-M8"},
                    {"020", DataField("  ", {{'a', "9783999000046"}})},
                    {"245", DataField("10", {{'a', "Caf\xe2"
                                                   "e society /"},
                                             {'c', "Z. L."}})}});
}

// A made-up record of the SRU stand-in (tools/sample-service/records), as it is stored there.
inline QByteArray StandInRecord(const QString& isbn)
{
    QFile file(QStringLiteral(QUILLFEN_SOURCE_DIR "/tools/sample-service/records/") + isbn +
               QStringLiteral(".xml"));
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

} // namespace MarcTest
