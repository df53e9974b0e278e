#pragma once

#include "platform/BatchConsole.h"

#include <QStringDecoder>

// The text as a terminal may be shown it: every control character (C0, DEL, C1) but a tab and a
// line end (LF, or CR right before LF) becomes U+FFFD, so that nothing a source answered or an
// input held can move the cursor, rename the window or write the clipboard (OSC 52).
QString TerminalSafeText(QStringView text);

// A problem as the commands report it on standard error: the program's name first, one line.
QString CommandProblem(const QString& text);

// Standard output and error as batch and scan mode write them: what goes to a terminal is made
// TerminalSafeText on its way, what goes to a file or a pipe stays as the sources' rules left it.
class TerminalSafeConsole final : public BatchConsole
{
public:
    explicit TerminalSafeConsole(BatchConsole& console);

    FileSystem::Contents readStandardInput(qint64 limit) override;
    bool standardInputIsTerminal() const override;
    void writeStandardOutput(QByteArrayView bytes) override;
    bool standardOutputIsTerminal() const override;
    void writeStandardError(const QString& text) override;
    bool standardErrorIsTerminal() const override;
    void rewriteStandardErrorLine(const QString& text) override;

private:
    BatchConsole& m_console;
    bool m_outputTerminal;
    bool m_errorTerminal;
    // Stateful: a character split between two writes is still read whole.
    QStringDecoder m_outputText{QStringDecoder::Utf8};
};
