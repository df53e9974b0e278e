#include "listings/PictureManifest.h"

#include "listings/PictureKind.h"
#include "results/OutcomeWriter.h"
#include "sheets/DelimitedTextReader.h"

#include <QRegularExpression>

QStringList PictureManifestColumns()
{
    return {QStringLiteral("gtin"),    QStringLiteral("file"),  QStringLiteral("source"),
            QStringLiteral("address"), QStringLiteral("bytes"), QStringLiteral("sha256")};
}

QByteArray PictureManifestBytes(const QList<PictureManifestRow>& rows)
{
    QByteArray out = DelimitedLine(PictureManifestColumns(), ',');
    for (const PictureManifestRow& row : rows) {
        QStringList cells{row.gtin,  row.file, row.source, row.address, QString::number(row.bytes),
                          row.sha256};
        for (QString& cell : cells)
            cell = SpreadsheetSafe(cell);
        out += DelimitedLine(cells, ',');
    }
    return out;
}

std::optional<QList<PictureManifestRow>> ReadPictureManifest(const QByteArray& bytes)
{
    // A manifest of a hundred thousand pictures is some 20 MB; the caller reads no more than it
    // allows.
    Sheet sheet;
    try {
        sheet = DelimitedTextReader::read(QString::fromUtf8(bytes), u',', SheetLimits());
    } catch (...) {
        return std::nullopt;
    }
    if (sheet.rows.empty())
        return std::nullopt;
    const QStringList columns = PictureManifestColumns();
    for (qsizetype c = 0; c < columns.size(); ++c) {
        if (sheet.cell(0, std::size_t(c)).text != columns[c])
            return std::nullopt;
    }
    if (sheet.rows.front().size() != std::size_t(columns.size()))
        return std::nullopt;
    static const QRegularExpression digits(QStringLiteral("^[0-9]{8,14}$"));
    static const QRegularExpression hex(QStringLiteral("^[0-9a-f]{64}$"));
    QList<PictureManifestRow> rows;
    for (std::size_t r = 1; r < sheet.rows.size(); ++r) {
        const auto cell = [&](int c) { return sheet.cell(r, std::size_t(c)).text; };
        PictureManifestRow row{cell(0), cell(1), cell(2), cell(3), 0, cell(5)};
        bool counted = false;
        row.bytes = cell(4).toLongLong(&counted);
        const QString extension = row.file.section(u'.', 1);
        const bool named = row.file == row.gtin + u'.' + extension && IsPictureExtension(extension);
        if (digits.match(row.gtin).hasMatch() && named && counted && row.bytes > 0 &&
            hex.match(row.sha256).hasMatch())
            rows.append(row);
    }
    return rows;
}
