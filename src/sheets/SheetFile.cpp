#include "sheets/SheetFile.h"

#include "common/OperationFailed.h"
#include "platform/FileSystem.h"
#include "platform/ZipArchive.h"
#include "sheets/DelimitedTextReader.h"
#include "sheets/OdsReader.h"
#include "sheets/SheetNumbers.h"
#include "sheets/XlsxReader.h"

#include <QCoreApplication>
#include <QFileInfo>

#include <algorithm>
#include <functional>
#include <memory>

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
    throw OperationFailed(
        QCoreApplication::translate("SheetFile", "it has no sheet \"%1\"; its sheets are %2")
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
    // An old .xls is taken for a workbook, so that it is refused saying what it is rather than
    // read as a text of codes.
    if (suffix == u"xlsx" || suffix == u"xls")
        return SheetFormat::Xlsx;
    if (suffix == u"ods")
        return SheetFormat::Ods;
    return std::nullopt;
}

namespace {
constexpr QByteArrayView kZipMagic("PK\x03\x04", 4);
// An OLE2 compound file: what Excel 97-2003 saved.
constexpr QByteArrayView kCompoundFileMagic("\xD0\xCF\x11\xE0\xA1\xB1\x1A\xE1", 8);

// The stream an .xlsx saved with a password is kept in, inside a compound file, by its name.
constexpr QByteArrayView kEncryptedPackage("E\0n\0c\0r\0y\0p\0t\0e\0d\0P\0a\0c\0k\0a\0g\0e\0", 32);

void RefuseOldWorkbook(QByteArrayView bytes)
{
    if (!bytes.startsWith(kCompoundFileMagic))
        return;
    if (bytes.indexOf(kEncryptedPackage) >= 0)
        throw OperationFailed(QCoreApplication::translate(
            "SheetFile", "it is encrypted with a password: save it without "
                         "one first"));
    throw OperationFailed(QCoreApplication::translate(
        "SheetFile", "it is an Excel 97-2003 workbook: save it as .xlsx first"));
}

// Whether the bytes read as text: no control characters but tabs and line breaks near the
// start, or a UTF-16 byte-order mark.
bool LooksLikeSheetText(QByteArrayView bytes)
{
    if (bytes.startsWith("\xFF\xFE") || bytes.startsWith("\xFE\xFF"))
        return true;
    for (const char c : bytes.first(std::min<qsizetype>(bytes.size(), 64 * 1024))) {
        const auto byte = static_cast<unsigned char>(c);
        if (byte < 0x20 && byte != '\t' && byte != '\n' && byte != '\r' && byte != '\f')
            return false;
    }
    return true;
}

Sheet ReadText(const QString& path, QByteArray bytes, SheetFormat format, const QString& sheet,
               const SheetLimits& limits)
{
    const QString text = DelimitedTextReader::decode(bytes);
    bytes = QByteArray();
    const QChar separator =
        format == SheetFormat::Tsv ? QChar(u'\t') : DelimitedTextReader::guessSeparator(text);
    Sheet read = DelimitedTextReader::read(text, separator, limits);
    read.name = QFileInfo(path).completeBaseName();
    read.sheetNames = QStringList{read.name};
    if (!sheet.isEmpty())
        SheetIndex(read.sheetNames, sheet);
    return read;
}

// A workbook is told by what its container holds, whatever its name says: an .xlsx renamed
// .ods reads as the .xlsx it is.
Sheet ReadWorkbook(ZipArchive& archive, SheetFormat format, const QString& sheet,
                   const SheetLimits& limits,
                   const std::function<std::unique_ptr<ZipArchive>()>& again)
{
    const QStringList entries = archive.entryNames();
    if (entries.contains(QStringLiteral("content.xml")))
        format = SheetFormat::Ods;
    else if (entries.contains(QStringLiteral("xl/workbook.xml")) ||
             entries.contains(QStringLiteral("[Content_Types].xml")))
        format = SheetFormat::Xlsx;
    if (format == SheetFormat::Xlsx) {
        // The shared strings inflate on a thread of their own, from their own opening of the
        // container: neither is to be used from two threads.
        std::unique_ptr<ZipArchive> strings;
        try {
            strings = again();
        } catch (const OperationFailed&) {
            // Read from the one opening, then.
        }
        XlsxReader reader(archive, limits, strings.get());
        return Choose(reader.sheetNames(), sheet, [&](qsizetype i) { return reader.read(i); });
    }
    const OdsReader reader(archive, limits);
    const Sheet first = reader.read(0);
    return Choose(first.sheetNames, sheet,
                  [&](qsizetype i) { return i == 0 ? first : reader.read(i); });
}
} // namespace

Sheet ReadSheetFile(const QString& path, SheetFormat format, const QString& sheet,
                    const SheetServices& services)
{
    const SheetLimits& limits = services.limits;
    const auto readAll = [&] {
        FileSystem::Contents contents = services.files.readFile(path, limits.maxTextBytes);
        if (contents.overLimit)
            throw OperationFailed(
                QCoreApplication::translate("SheetFile", "it is larger than the limit of %1")
                    .arg(SizeText(limits.maxTextBytes)));
        return std::move(contents.bytes);
    };
    if (format == SheetFormat::Csv || format == SheetFormat::Tsv) {
        QByteArray bytes = readAll();
        RefuseOldWorkbook(bytes);
        if (!bytes.startsWith(kZipMagic))
            return ReadText(path, std::move(bytes), format, sheet, limits);
        // A workbook saved under a text file's name.
        format = SheetFormat::Xlsx;
    }
    std::unique_ptr<ZipArchive> archive;
    try {
        archive = services.zips.open(path);
    } catch (const OperationFailed& notZip) {
        // No container: what the file is, read by its content.
        QByteArray bytes;
        try {
            bytes = readAll();
        } catch (const OperationFailed&) {
            throw notZip;
        }
        RefuseOldWorkbook(bytes);
        if (bytes.isEmpty() || !LooksLikeSheetText(bytes))
            throw;
        // A text file under a workbook's name, as "CSV" exports often are.
        return ReadText(path, std::move(bytes), SheetFormat::Csv, sheet, limits);
    }
    return ReadWorkbook(*archive, format, sheet, limits,
                        [&services, &path] { return services.zips.open(path); });
}
