#pragma once

#include "sheets/Sheet.h"

#include <QByteArray>
#include <QString>
#include <QXmlStreamReader>

class ZipArchive;

// One part of a workbook's container read whole, within the limits, for the XML readers of
// .xlsx and .ods files. Every failure throws OperationFailed with a reason that names the part.
class WorkbookPart final
{
public:
    // Missing parts are empty when `required` is false.
    static QByteArray read(ZipArchive& archive, const QString& name, const SheetLimits& limits,
                           bool required = true);
    // Throws when the reader stopped on an error rather than at the end.
    static void checkEnd(const QXmlStreamReader& xml, const QString& name);
    // An attribute's value by its local name, whatever its prefix ("table:name" for "name").
    static QStringView attribute(const QXmlStreamAttributes& attributes, QLatin1String name);
};
