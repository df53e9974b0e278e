#pragma once

#include "sheets/Sheet.h"

#include <QString>
#include <QStringList>

#include <memory>
#include <optional>
#include <utility>
#include <vector>

class SheetBuilder;
class SheetStrings;
class ZipArchive;

// A sheet's part cut in two between rows, each half a part of its own.
struct SheetHalves
{
    QByteArray first;
    QByteArray second;
    // Where the XML reader must find the cut, in its characters: the first half's end, and the
    // end of the second half's head.
    qint64 firstEnd = 0;
    qint64 headEnd = 0;
};

// Reads the sheets of an Office Open XML workbook (.xlsx, as Excel, LibreOffice and online
// spreadsheets write it) from its container: shared and inline strings, numbers by their exact
// digits, booleans, errors as their text, dates by their number formats.
class XlsxReader final
{
public:
    // Reads the list of sheets, the shared strings and the number formats. Throws
    // OperationFailed for a damaged or oversized workbook.
    XlsxReader(ZipArchive& archive, const SheetLimits& limits);

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

    enum class Piece { Whole, First, Second };

    // Reads a large sheet's halves at once on two threads; false when the part is small, cannot
    // be cut, or a half did not read cleanly, and `sheet` is then as it was.
    bool readInHalves(const QByteArray& bytes, const QString& path, SheetBuilder& sheet) const;
    // A half whose cut the reader does not find where it was made throws.
    void readCells(const QByteArray& bytes, const QString& path, SheetBuilder& sheet, Piece piece,
                   qint64 cutAt = -1) const;
    void readWorkbook(const QString& path);
    // Reads the shared strings inflated by the constructor; on a thread of its own, beside the
    // first sheet read.
    void readSharedStrings();
    // Puts the shared strings in the cells that name them by number.
    void resolveSharedStrings(Sheet& sheet, const QString& path) const;
    void readStyles(const QString& path);

    ZipArchive& m_archive;
    const SheetLimits& m_limits;
    QStringList m_names;
    QStringList m_sheetParts;
    QString m_stringsPath;
    QByteArray m_stringBytes;
    bool m_stringsRead = false;
    std::shared_ptr<SheetStrings> m_strings;
    std::vector<Style> m_styles;
    bool m_1904 = false;
};
