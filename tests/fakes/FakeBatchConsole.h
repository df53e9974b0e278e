#pragma once

#include "fakes/FakeHook.h"
#include "platform/BatchConsole.h"

#include <QByteArray>
#include <QString>

#include <utility>

// Standard input from `input`, standard output into `output`, standard error into `errors`.
// Make an operation fail through the hook ("readStandardInput", "writeStandardOutput").
class FakeBatchConsole final : public BatchConsole
{
public:
    ~FakeBatchConsole() override;
    FileSystem::Contents readStandardInput(qint64 limit) override
    {
        hook(u"readStandardInput");
        ++inputReads;
        if (input.size() > limit)
            return FileSystem::Contents{{}, true};
        // Read once, it is gone: a second read finds the end at once.
        return FileSystem::Contents{std::exchange(input, QByteArray()), false};
    }
    void writeStandardOutput(QByteArrayView bytes) override
    {
        hook(u"writeStandardOutput");
        output += bytes;
        ++outputWrites;
    }
    void writeStandardError(const QString& text) override
    {
        hook(u"writeStandardError");
        errors += text;
    }
    // As a terminal's line is rewritten: "\r", the text, "\x1b[K".
    void rewriteStandardErrorLine(const QString& text) override
    {
        hook(u"writeStandardError");
        errors += u'\r' + text + QStringLiteral("\x1b[K");
    }
    bool standardInputIsTerminal() const override { return inputTerminal; }
    bool standardOutputIsTerminal() const override { return outputTerminal; }
    bool standardErrorIsTerminal() const override { return terminal; }

    QByteArray input;
    QByteArray output;
    QString errors;
    bool terminal = false;       // standard error
    bool inputTerminal = false;  // standard input
    bool outputTerminal = false; // standard output
    int inputReads = 0;
    int outputWrites = 0;
    FakeHook hook{"FakeBatchConsole",
                  {u"readStandardInput", u"writeStandardOutput", u"writeStandardError"}};
};
