#include "sheets/WorkbookPart.h"

#include "common/OperationFailed.h"
#include "platform/ZipArchive.h"
#include "sheets/SheetNumbers.h"

#include <QCoreApplication>

QByteArray WorkbookPart::read(ZipArchive& archive, const QString& name, const SheetLimits& limits,
                              bool required)
{
    ZipArchive::Entry entry = archive.read(name, limits.maxEntryBytes, limits.maxEntryRatio);
    switch (entry.refused) {
    case ZipArchive::Entry::Refused::No:
        break;
    case ZipArchive::Entry::Refused::Missing:
        if (!required)
            return {};
        throw OperationFailed(
            QCoreApplication::translate("WorkbookPart", "it is damaged: the part %1 is missing")
                .arg(name));
    case ZipArchive::Entry::Refused::TooLarge:
        throw OperationFailed(
            QCoreApplication::translate("WorkbookPart", "its part %1 inflates past the limit of %2")
                .arg(name, SizeText(limits.maxEntryBytes)));
    case ZipArchive::Entry::Refused::TooCompressed:
        throw OperationFailed(
            QCoreApplication::translate("WorkbookPart",
                                        "its part %1 inflates past the limit of %2 times its "
                                        "packed size")
                .arg(name, QString::number(limits.maxEntryRatio)));
    }
    return std::move(entry.bytes);
}

void WorkbookPart::checkEnd(const QXmlStreamReader& xml, const QString& name)
{
    if (xml.hasError())
        throw OperationFailed(
            QCoreApplication::translate("WorkbookPart", "it is damaged: the part %1, line %2: %3")
                .arg(name, QString::number(xml.lineNumber()), xml.errorString()));
}

QStringView WorkbookPart::attribute(const QXmlStreamAttributes& attributes, QLatin1String name)
{
    for (const QXmlStreamAttribute& attribute : attributes) {
        if (attribute.name() == name)
            return attribute.value();
    }
    return {};
}
