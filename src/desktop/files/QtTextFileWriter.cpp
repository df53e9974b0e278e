#include "desktop/files/QtTextFileWriter.h"

#include "desktop/files/BlockSaveFile.h"

#include <QStringEncoder>

namespace {
// The system's 8-bit encoding. Qt takes it to be UTF-8 on every Unix whatever the locale says,
// and its UTF-8 encoder writes straight into the block where the general one makes a temporary
// array for every line.
#if defined(Q_OS_WIN)
constexpr QStringConverter::Encoding kSystemEncoding = QStringConverter::System;
#else
constexpr QStringConverter::Encoding kSystemEncoding = QStringConverter::Utf8;
#endif

class QtTextFile final : public TextFile
{
public:
    explicit QtTextFile(const QString& path)
        : m_file(path)
        , m_encoder(kSystemEncoding)
    {}

    void writeLine(const QString& line) override
    {
        QByteArray& block = m_file.block();
        const qsizetype used = block.size();
        block.resize(used + m_encoder.requiredSpace(line.size()) + 2);
        char* end = m_encoder.appendToBuffer(block.data() + used, line);
        *end++ = '\r';
        *end++ = '\n';
        block.truncate(end - block.constData());
        m_file.flushIfFull();
    }

    void close() override { m_file.commit(); }

private:
    BlockSaveFile m_file;
    QStringEncoder m_encoder;
};
} // namespace

std::unique_ptr<TextFile> QtTextFileWriter::create(const QString& path)
{
    return std::make_unique<QtTextFile>(path);
}
