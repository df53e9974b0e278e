#include "app/BatchCodes.h"

#include "codes/CodeFileLoader.h"
#include "common/OperationFailed.h"
#include "platform/BatchConsole.h"
#include "platform/FileSystem.h"

namespace {
QString Refused(const QString& name, const QString& why)
{
    return name + QStringLiteral(": ") + why;
}
} // namespace

BatchCodes BatchCodes::read(const QStringList& inputs, const FileSystem& files,
                            BatchConsole& console, QString& problem)
{
    BatchCodes codes;
    const QStringList named =
        inputs.isEmpty() ? QStringList{kStandardInputName.toString()} : inputs;
    for (const QString& input : named) {
        const bool standardInput = input == kStandardInputName;
        const QString name = standardInput ? QStringLiteral("standard input") : input;
        FileSystem::Contents contents;
        try {
            contents = standardInput ? console.readStandardInput(kMaxCodeFileBytes)
                                     : files.readFile(input, kMaxCodeFileBytes);
        } catch (const OperationFailed& failure) {
            problem = failure.description();
            return {};
        }
        if (contents.overLimit) {
            problem =
                Refused(name, QStringLiteral("larger than 100 MB, too large for a code file"));
            return {};
        }
        std::optional<QString> text = CodeFileText(contents.bytes);
        contents.bytes = QByteArray(); // a large file need not be held twice
        if (!text) {
            problem = Refused(name, QStringLiteral("not a text file"));
            return {};
        }
        codes.m_texts.push_back(std::move(*text));
    }
    Cursor counting = codes.cursor();
    while (counting.next())
        ++codes.m_count;
    return codes;
}

BatchCodes::Cursor::Cursor(const std::vector<QString>& texts)
    : m_texts(&texts)
    , m_rows(texts.empty() ? QStringView() : QStringView(texts.front()))
{}

std::optional<QStringView> BatchCodes::Cursor::next()
{
    for (;;) {
        if (const std::optional<QStringView> row = m_rows.next()) {
            if (!row->trimmed().isEmpty())
                return row;
            continue;
        }
        if (m_text + 1 >= m_texts->size())
            return std::nullopt;
        ++m_text;
        m_rows = CodeFileRowReader((*m_texts)[m_text]);
    }
}

std::optional<QString> BatchCodes::Cursor::ahead(int k) const
{
    Cursor further = *this;
    std::optional<QStringView> code;
    for (int i = 0; i < k; ++i) {
        code = further.next();
        if (!code)
            return std::nullopt;
    }
    return code->toString();
}
