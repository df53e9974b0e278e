#include "app/batch/BatchCodes.h"

#include "barcodes/BarcodeReader.h"
#include "barcodes/ProductBarcodes.h"
#include "codes/CodeFileLoader.h"
#include "common/OperationFailed.h"
#include "platform/BatchConsole.h"
#include "platform/FileSystem.h"
#include "sheets/CodeColumn.h"
#include "sheets/SheetCodes.h"
#include "sheets/SheetFile.h"

#include <QCoreApplication>

#include <atomic>

namespace {
QString Refused(const QString& name, const QString& why)
{
    //: %1 is an input file (or standard input), %2 why it cannot be used.
    return QCoreApplication::translate("BatchCodes", "%1: %2").arg(name, why);
}

QString ColumnList(const CodeColumnChoice& choice)
{
    QString list;
    for (const SheetColumnSummary& column : choice.columns) {
        list += QStringLiteral("\n  ") + column.letter;
        if (!column.header.isEmpty())
            list += QStringLiteral("  \"") + column.header + u'"';
        if (!column.firstValues.isEmpty())
            list += QStringLiteral("  ") + column.firstValues.join(QStringLiteral(", "));
    }
    return list;
}

// The codes of a spreadsheet's code column as a text of lines, one code each; empty with the
// problem set when they cannot be read.
QString SheetCodesText(const QString& path, SheetFormat format, const FileSystem& files,
                       const BatchSheetReading& reading, QString& problem,
                       std::shared_ptr<const SheetAndColumn>& kept)
{
    Sheet sheet;
    try {
        sheet = ReadSheetFile(path, format, reading.sheet, SheetServices{files, reading.zips});
    } catch (const OperationFailed& failure) {
        problem = Refused(path, failure.description());
        return {};
    }
    CodeColumnChoice choice;
    try {
        if (!reading.column.isEmpty()) {
            if (const std::optional<CodeColumnChoice> named =
                    NamedCodeColumn(sheet, reading.column)) {
                choice = *named;
            } else {
                problem =
                    Refused(path, QCoreApplication::translate(
                                      "BatchCodes", "no column \"%1\"; name one of these with "
                                                    "--column by its header, letter or number:")
                                          .arg(reading.column) +
                                      ColumnList(ChooseCodeColumn(sheet, reading.pace)));
                return {};
            }
        } else {
            choice = ChooseCodeColumn(sheet, reading.pace);
            if (choice.column < 0 && !choice.columns.isEmpty()) {
                problem =
                    Refused(path, QCoreApplication::translate(
                                      "BatchCodes", "which column holds the codes? Name it with "
                                                    "--column by its header, letter or number:") +
                                      ColumnList(choice));
                return {};
            }
        }
    } catch (const OperationFailed& failure) {
        problem = Refused(path, failure.description());
        return {};
    }
    QString text;
    if (choice.column >= 0) {
        for (const SheetCode& code : CodesOfColumn(sheet, choice.column, choice.firstRow)) {
            QString line = code.code;
            line.replace(u'\r', u' ').replace(u'\n', u' ');
            text += line + u'\n';
        }
    }
    if (reading.keepSheet)
        kept = std::make_shared<const SheetAndColumn>(SheetAndColumn{std::move(sheet), choice});
    return text;
}
} // namespace

BatchCodes BatchCodes::read(const QStringList& inputs, const FileSystem& files,
                            BatchConsole& console, QString& problem,
                            const BatchSheetReading* sheets, const BarcodeServices* barcodes)
{
    BatchCodes codes;
    const QStringList named =
        inputs.isEmpty() ? QStringList{kStandardInputName.toString()} : inputs;
    const auto formatOf = [sheets](const QString& input) -> std::optional<SheetFormat> {
        if (input == kStandardInputName || !sheets)
            return std::nullopt;
        return SheetFormatOfFile(input);
    };
    // Every picture and PDF read first, several at once, and taken in their turn below. A
    // missing picture goes the way of a missing text file, to be reported the same.
    QStringList barcodeInputs;
    std::vector<bool> fromBarcodes;
    for (const QString& input : named) {
        fromBarcodes.push_back(barcodes && input != kStandardInputName && !formatOf(input) &&
                               IsBarcodeFile(input) && files.fileFound(input));
        if (fromBarcodes.back())
            barcodeInputs.append(input);
    }
    std::vector<BarcodeFileResult> barcodeReads;
    if (!barcodeInputs.isEmpty()) {
        const std::atomic<bool> never{false};
        barcodeReads = BarcodeReader(*barcodes).readFiles(barcodeInputs, never, {});
    }
    auto nextBarcodeRead = barcodeReads.cbegin();
    for (qsizetype i = 0; i < named.size(); ++i) {
        const QString& input = named[i];
        const bool standardInput = input == kStandardInputName;
        const QString name = standardInput ? tr("standard input") : input;
        const std::optional<SheetFormat> format = formatOf(input);
        if (format) {
            QString text = SheetCodesText(input, *format, files, *sheets, problem, codes.m_sheet);
            if (!problem.isEmpty())
                return {};
            codes.m_texts.push_back(Text{{}, std::move(text)});
            codes.m_origins.emplace_back();
            continue;
        }
        if (fromBarcodes[size_t(i)]) {
            const BarcodeFileResult& read = *nextBarcodeRead++;
            if (!read.problem.isEmpty()) {
                problem = Refused(name, read.problem);
                return {};
            }
            for (const QString& page : read.pageProblems)
                console.writeStandardError(
                    QStringLiteral("quillfen: ") +
                    tr("%1: %2; the codes of its other pages are looked up").arg(name, page) +
                    u'\n');
            codes.m_unreadPages += read.pageProblems.size();
            if (read.codes.isEmpty())
                console.writeStandardError(QStringLiteral("quillfen: ") +
                                           tr("no barcodes found in %1").arg(name) + u'\n');
            QString text;
            QStringList origins;
            for (const FoundCode& code : read.codes) {
                text += code.code + u'\n';
                origins.append(BarcodeOrigin(input, code.page));
            }
            codes.m_texts.push_back(Text{{}, std::move(text)});
            codes.m_origins.push_back(std::move(origins));
            continue;
        }
        FileSystem::Contents contents;
        try {
            contents = standardInput ? console.readStandardInput(kMaxCodeFileBytes)
                                     : files.readFile(input, kMaxCodeFileBytes);
        } catch (const OperationFailed& failure) {
            problem = failure.description();
            return {};
        }
        if (contents.overLimit) {
            problem = Refused(name, tr("larger than 100 MB, too large for a code file"));
            return {};
        }
        codes.m_origins.emplace_back();
        // Kept as it came when it is UTF-8: decoding a file of 100,000 codes whole took a
        // fifteenth of a run answered from the index, and twice its size.
        if (std::optional<QByteArray> utf8 = Utf8CodeFileBytes(contents.bytes)) {
            codes.m_texts.push_back(Text{std::move(*utf8), {}});
            continue;
        }
        std::optional<QString> text = CodeFileText(contents.bytes);
        contents.bytes = QByteArray(); // a large file need not be held twice
        if (!text) {
            problem = Refused(name, tr("not a text file"));
            return {};
        }
        codes.m_texts.push_back(Text{{}, std::move(*text)});
    }
    Cursor counting = codes.cursor();
    while (counting.advance())
        ++codes.m_count;
    return codes;
}

BatchCodes::Cursor::Cursor(const std::vector<Text>& texts, const std::vector<QStringList>& origins)
    : m_texts(&texts)
    , m_origins(&origins)
    , m_rows(texts.empty() ? QStringView() : QStringView(texts.front().text))
    , m_utf8Rows(texts.empty() ? QByteArrayView() : QByteArrayView(texts.front().utf8))
{}

namespace {
// Whether a row holds nothing but white space, as QString::trimmed() tells it; bytes past ASCII
// are decoded for it.
bool BlankUtf8Row(QByteArrayView row)
{
    for (const char c : row) {
        if (uchar(c) >= 0x80)
            return CodeFileUtf8Row(row).trimmed().isEmpty();
        if (c != ' ' && (c < '\t' || c > '\r'))
            return false;
    }
    return true;
}
} // namespace

bool BatchCodes::Cursor::advance()
{
    for (;;) {
        if (m_text < m_texts->size() && !(*m_texts)[m_text].utf8.isEmpty()) {
            if (const std::optional<QByteArrayView> row = m_utf8Rows.next()) {
                if (BlankUtf8Row(*row))
                    continue;
                m_currentUtf8 = *row;
                m_current = {};
                break;
            }
        } else if (const std::optional<QStringView> row = m_rows.next()) {
            if (row->trimmed().isEmpty())
                continue;
            m_current = *row;
            m_currentUtf8 = {};
            break;
        }
        if (m_text + 1 >= m_texts->size())
            return false;
        ++m_text;
        m_row = -1;
        m_rows = CodeFileRowReader((*m_texts)[m_text].text);
        m_utf8Rows = Utf8CodeFileRowReader((*m_texts)[m_text].utf8);
    }
    ++m_row;
    if (m_scout.cursor)
        --m_scout.at;
    return true;
}

QString BatchCodes::Cursor::code() const
{
    return m_currentUtf8.isNull() ? m_current.toString() : CodeFileUtf8Row(m_currentUtf8);
}

std::optional<QString> BatchCodes::Cursor::next()
{
    if (!advance())
        return std::nullopt;
    return code();
}

std::optional<QString> BatchCodes::Cursor::ahead(int k) const
{
    if (k < 1)
        return std::nullopt;
    // Asked for the codes that follow one after another (the index finds hundreds ahead), the
    // scout reads on from where the last one stood instead of from this cursor every time.
    if (!m_scout.cursor || m_scout.at < 0 || m_scout.at > k) {
        m_scout.cursor = std::make_unique<Cursor>(*this);
        m_scout.at = 0;
    }
    bool moved = false;
    while (m_scout.at < k) {
        if (!m_scout.cursor->advance())
            return std::nullopt;
        ++m_scout.at;
        moved = true;
    }
    if (moved)
        m_scout.code = m_scout.cursor->code();
    return m_scout.code;
}

QString BatchCodes::Cursor::origin() const
{
    if (m_text >= m_origins->size())
        return {};
    return (*m_origins)[m_text].value(m_row);
}
