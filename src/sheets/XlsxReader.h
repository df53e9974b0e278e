#pragma once

#include "sheets/Sheet.h"

#include <QString>
#include <QStringList>

#include <memory>
#include <utility>
#include <vector>

class QIODevice;
class SheetBuilder;
class SheetStrings;
class ZipArchive;

// Reads the sheets of an Office Open XML workbook (.xlsx, as Excel, LibreOffice and online
// spreadsheets write it) from its container: shared and inline strings, numbers by their exact
// digits, booleans, errors as their text, dates by their number formats.
class XlsxReader final
{
public:
    // Reads the list of sheets and the number formats. The shared strings are read with the
    // first sheet: from `strings`, the same container opened a second time, as they inflate, on
    // a thread of their own beside the sheet; without it, from `archive`, inflated whole first.
    // Throws OperationFailed for a damaged or oversized workbook.
    XlsxReader(ZipArchive& archive, const SheetLimits& limits, ZipArchive* strings = nullptr);

    const QStringList& sheetNames() const { return m_names; }
    // The part of each sheet of sheetNames() in the container ("xl/worksheets/sheet1.xml").
    const QStringList& sheetParts() const { return m_sheetParts; }
    // The sheet at the index of sheetNames(). Throws OperationFailed.
    Sheet read(qsizetype index);

private:
    struct Style
    {
        QString format;
        bool date = false;
    };

    // Reads the sheet's part as it inflates, cut between rows into blocks that two threads read
    // while the next is inflated, so that the part is never held whole. False when the part is
    // small (`small` then holds it, read whole) or a block did not read cleanly (a damaged or
    // oversized part, a row without its number, a cut inside a comment, a CDATA section or a
    // processing instruction), and `sheet` is then as it was.
    bool readInBlocks(const QString& path, SheetBuilder& sheet, QByteArray& small) const;
    // Reads the cells of a part, or of a block of it: one that begins with the part's head up to
    // its <sheetData> tag, which the XML reader must find ending at `headEnd` characters, and
    // that ends right after a row, at `end` characters; -1 for the part's own beginning or end.
    // A block whose cuts the reader does not find where they were made throws.
    void readCells(const QByteArray& bytes, const QString& path, SheetBuilder& sheet,
                   qint64 headEnd = -1, qint64 end = -1) const;
    void readWorkbook(const QString& path);
    // Reads the shared strings from the device, on a thread of its own beside the first sheet
    // read. A device that streams the part gives false when it did not read cleanly (a damaged
    // or oversized part), for the part to be read whole; the bytes of a part read whole throw
    // OperationFailed instead.
    bool readSharedStrings(QIODevice& device, bool streamed);
    // The part of the shared strings read whole, as the reasons a part is refused are given.
    void readSharedStringsWhole(ZipArchive& archive);
    // Puts the shared strings in the cells that name them by number.
    void resolveSharedStrings(Sheet& sheet, const QString& path) const;
    void readStyles(const QString& path);

    ZipArchive& m_archive;
    const SheetLimits& m_limits;
    QStringList m_names;
    QStringList m_sheetParts;
    ZipArchive* m_stringsArchive;
    QString m_stringsPath;
    bool m_stringsRead = false;
    std::shared_ptr<SheetStrings> m_strings;
    std::vector<Style> m_styles;
    bool m_1904 = false;
};
