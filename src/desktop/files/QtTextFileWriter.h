#pragma once

#include "platform/TextFileWriter.h"

// Text files through QSaveFile, in the locale's 8-bit encoding (UTF-8 on Linux), no byte-order
// mark, CR LF line ends.
class QtTextFileWriter final : public TextFileWriter
{
public:
    std::unique_ptr<TextFile> create(const QString& path) override;
};
