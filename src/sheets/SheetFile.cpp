#include "sheets/SheetFile.h"

#include "common/OperationFailed.h"
#include "platform/FileSystem.h"
#include "platform/ZipArchive.h"
#include "sheets/DelimitedTextReader.h"
#include "sheets/OdsReader.h"
#include "sheets/SheetNumbers.h"
#include "sheets/XlsxReader.h"

#include <QFileInfo>

namespace {
// The index of the sheet asked for among the names; throws when there is none such.
qsizetype SheetIndex(const QStringList& names, const QString& sheet)
{
    const qsizetype named = names.indexOf(sheet);
    if (named >= 0)
        return named;
    bool isNumber = false;
    const qsizetype number = sheet.toLongLong(&isNumber);
    if (isNumber && number >= 1 && number <= names.size())
        return number - 1;
    QStringList quoted;
    for (const QString& name : names)
        quoted.append(u'"' + name + u'"');
    throw OperationFailed(QStringLiteral("it has no sheet \"%1\"; its sheets are %2")
                              .arg(sheet, quoted.join(QStringLiteral(", "))));
}

template <typename ReadAt>
Sheet Choose(const QStringList& names, const QString& sheet, ReadAt&& readAt)
{
    if (!sheet.isEmpty())
        return readAt(SheetIndex(names, sheet));
    Sheet first;
    for (qsizetype i = 0; i < names.size(); ++i) {
        Sheet read = readAt(i);
        if (read.hasData())
            return read;
        if (i == 0)
            first = std::move(read);
    }
    return first;
}
} // namespace

std::optional<SheetFormat> SheetFormatOfFile(const QString& path)
{
    const QString suffix = QFileInfo(path).suffix().toLower();
    if (suffix == u"csv")
        return SheetFormat::Csv;
    if (suffix == u"tsv")
        return SheetFormat::Tsv;
    if (suffix == u"xlsx")
        return SheetFormat::Xlsx;
    if (suffix == u"ods")
        return SheetFormat::Ods;
    return std::nullopt;
}

Sheet ReadSheetFile(const QString& path, SheetFormat format, const QString& sheet,
                    const SheetServices& services)
{
    const SheetLimits& limits = services.limits;
    if (format == SheetFormat::Csv || format == SheetFormat::Tsv) {
        FileSystem::Contents contents = services.files.readFile(path, limits.maxTextBytes);
        if (contents.overLimit)
            throw OperationFailed(QStringLiteral("it is larger than the limit of ") +
                                  SizeText(limits.maxTextBytes));
        const QString text = DelimitedTextReader::decode(contents.bytes);
        contents.bytes = QByteArray();
        const QChar separator =
            format == SheetFormat::Tsv ? QChar(u'\t') : DelimitedTextReader::guessSeparator(text);
        Sheet read = DelimitedTextReader::read(text, separator, limits);
        read.name = QFileInfo(path).completeBaseName();
        read.sheetNames = QStringList{read.name};
        if (!sheet.isEmpty())
            SheetIndex(read.sheetNames, sheet);
        return read;
    }
    const std::unique_ptr<ZipArchive> archive = services.zips.open(path);
    if (format == SheetFormat::Xlsx) {
        XlsxReader reader(*archive, limits);
        return Choose(reader.sheetNames(), sheet, [&](qsizetype i) { return reader.read(i); });
    }
    const OdsReader reader(*archive, limits);
    const Sheet first = reader.read(0);
    return Choose(first.sheetNames, sheet,
                  [&](qsizetype i) { return i == 0 ? first : reader.read(i); });
}
