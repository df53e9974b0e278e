#include "QtTextFileWriter.h"

#include "common/OperationFailed.h"

#include <QByteArray>
#include <QDir>
#include <QSaveFile>
#include <QStringEncoder>

#include <cerrno>

namespace {
// Lines are gathered and handed to the file in blocks of about this size; a write per line
// would cost a system call per row.
constexpr qsizetype kBlockBytes = 64 * 1024;

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
    {
        // Unbuffered: the lines are gathered into blocks here already, and a block that the
        // system refuses (a full disk) must fail its write. Left in the device's buffer it would
        // fail only when the file is made whole, where QSaveFile misses the error and puts the
        // short file in place of the old one.
        if (!m_file.open(QIODevice::WriteOnly | QIODevice::Unbuffered))
            throw OperationFailed(QStringLiteral("Cannot create the file ") +
                                  QDir::toNativeSeparators(path) + QStringLiteral(": ") +
                                  m_file.errorString());
        m_buffer.reserve(2 * kBlockBytes);
    }

    // QSaveFile throws the temporary file away unless committed.
    ~QtTextFile() override = default;

    void writeLine(const QString& line) override
    {
        const qsizetype used = m_buffer.size();
        m_buffer.resize(used + m_encoder.requiredSpace(line.size()) + 2);
        char* end = m_encoder.appendToBuffer(m_buffer.data() + used, line);
        *end++ = '\r';
        *end++ = '\n';
        m_buffer.truncate(end - m_buffer.constData());
        if (m_buffer.size() >= kBlockBytes)
            flush();
    }

    void close() override
    {
        flush();
        if (!m_file.commit())
            fail();
    }

private:
    void flush()
    {
        if (m_buffer.isEmpty())
            return;
        errno = 0;
        if (m_file.write(m_buffer) != m_buffer.size())
            fail(errno);
        m_buffer.resize(0); // keeps the block's memory for the next one
    }

    // A write cut short by the system (disk full, file too large) may leave the device without
    // an error of its own; the system's reason is then the one to give.
    [[noreturn]] void fail(int systemError = 0)
    {
        const QString reason = m_file.error() == QFileDevice::NoError && systemError != 0
                                   ? qt_error_string(systemError)
                                   : m_file.errorString();
        m_file.cancelWriting();
        throw OperationFailed(QStringLiteral("Cannot write the file ") +
                              QDir::toNativeSeparators(m_file.fileName()) + QStringLiteral(": ") +
                              reason);
    }

    QSaveFile m_file;
    QStringEncoder m_encoder;
    QByteArray m_buffer;
};
} // namespace

std::unique_ptr<TextFile> QtTextFileWriter::create(const QString& path)
{
    return std::make_unique<QtTextFile>(path);
}
