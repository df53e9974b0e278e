#pragma once

#include "platform/InputFiles.h"

// Files on disk through QFile.
class QtInputFiles final : public InputFiles
{
public:
    std::unique_ptr<InputFile> open(const QString& path) override;
};
