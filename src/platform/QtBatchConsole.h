#pragma once

#include "BatchConsole.h"

// The process's own standard input, output and error.
class QtBatchConsole final : public BatchConsole
{
public:
    QtBatchConsole();

    FileSystem::Contents readStandardInput(qint64 limit) override;
    void writeStandardOutput(QByteArrayView bytes) override;
    void writeStandardError(const QString& text) override;
    bool standardErrorIsTerminal() const override;
};
