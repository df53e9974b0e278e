#include "app/TerminalSafeConsole.h"

namespace {
constexpr QChar kReplacement = u'\ufffd';

bool IsControl(char16_t c)
{
    return c < 0x20 || (c >= 0x7f && c <= 0x9f);
}
} // namespace

QString TerminalSafeText(QStringView text)
{
    QString safe;
    safe.reserve(text.size());
    for (qsizetype i = 0; i < text.size(); ++i) {
        const char16_t c = text[i].unicode();
        const bool lineEnd =
            c == u'\n' || (c == u'\r' && i + 1 < text.size() && text[i + 1] == u'\n');
        safe.append(IsControl(c) && c != u'\t' && !lineEnd ? kReplacement : QChar(c));
    }
    return safe;
}

TerminalSafeConsole::TerminalSafeConsole(BatchConsole& console)
    : m_console(console)
    , m_outputTerminal(console.standardOutputIsTerminal())
    , m_errorTerminal(console.standardErrorIsTerminal())
{}

FileSystem::Contents TerminalSafeConsole::readStandardInput(qint64 limit)
{
    return m_console.readStandardInput(limit);
}

bool TerminalSafeConsole::standardInputIsTerminal() const
{
    return m_console.standardInputIsTerminal();
}

void TerminalSafeConsole::writeStandardOutput(QByteArrayView bytes)
{
    if (!m_outputTerminal) {
        m_console.writeStandardOutput(bytes);
        return;
    }
    // Rows come whole, each with its CR LF in the same write: a CR is judged by what follows it.
    const QString text = m_outputText.decode(bytes);
    m_console.writeStandardOutput(TerminalSafeText(text).toUtf8());
}

bool TerminalSafeConsole::standardOutputIsTerminal() const
{
    return m_outputTerminal;
}

void TerminalSafeConsole::writeStandardError(const QString& text)
{
    m_console.writeStandardError(m_errorTerminal ? TerminalSafeText(text) : text);
}

bool TerminalSafeConsole::standardErrorIsTerminal() const
{
    return m_errorTerminal;
}

void TerminalSafeConsole::rewriteStandardErrorLine(const QString& text)
{
    m_console.rewriteStandardErrorLine(m_errorTerminal ? TerminalSafeText(text) : text);
}

QString CommandProblem(const QString& text)
{
    return QStringLiteral("quillfen: ") + text + u'\n';
}
