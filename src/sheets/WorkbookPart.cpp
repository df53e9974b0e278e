#include "sheets/WorkbookPart.h"

#include "common/OperationFailed.h"
#include "platform/ZipArchive.h"
#include "sheets/SheetNumbers.h"

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
        throw OperationFailed(QStringLiteral("it is damaged: the part ") + name +
                              QStringLiteral(" is missing"));
    case ZipArchive::Entry::Refused::TooLarge:
        throw OperationFailed(QStringLiteral("its part ") + name +
                              QStringLiteral(" inflates past the limit of ") +
                              SizeText(limits.maxEntryBytes));
    case ZipArchive::Entry::Refused::TooCompressed:
        throw OperationFailed(QStringLiteral("its part ") + name +
                              QStringLiteral(" inflates past the limit of %1 times its packed size")
                                  .arg(limits.maxEntryRatio));
    }
    return std::move(entry.bytes);
}

void WorkbookPart::checkEnd(const QXmlStreamReader& xml, const QString& name)
{
    if (xml.hasError())
        throw OperationFailed(QStringLiteral("it is damaged: the part %1, line %2: %3")
                                  .arg(name)
                                  .arg(xml.lineNumber())
                                  .arg(xml.errorString()));
}

QStringView WorkbookPart::attribute(const QXmlStreamAttributes& attributes, QLatin1String name)
{
    for (const QXmlStreamAttribute& attribute : attributes) {
        if (attribute.name() == name)
            return attribute.value();
    }
    return {};
}
