#pragma once

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <QString>

// A workbook as Debian's openpyxl reads it, an independent reader: "rows", every row's values
// (null for an empty cell), every value's type ("s" for text), and "widths", the fitted widths
// by column letter. Empty when it cannot be read.
inline QJsonObject WorkbookCells(const QString& path)
{
    static const char script[] = R"(
import json, sys, openpyxl
book = openpyxl.load_workbook(sys.argv[1])
sheet = book.active
rows = [[c.value for c in row] for row in sheet.iter_rows()]
types = sorted({c.data_type for row in sheet.iter_rows() for c in row if c.value is not None})
widths = {key: dim.width for key, dim in sheet.column_dimensions.items() if dim.customWidth}
print(json.dumps({"sheets": book.sheetnames, "rows": rows, "types": types, "widths": widths}))
)";
    QProcess python;
    python.start(QStringLiteral("/usr/bin/python3"),
                 {QStringLiteral("-c"), QString::fromUtf8(script), path});
    if (!python.waitForFinished(60000) || python.exitCode() != 0) {
        qWarning("openpyxl could not read the workbook (scripts/setup installs "
                 "python3-openpyxl): %s",
                 python.readAllStandardError().constData());
        return {};
    }
    return QJsonDocument::fromJson(python.readAllStandardOutput()).object();
}
