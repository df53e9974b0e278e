#pragma once

#include <QByteArray>
#include <QCoreApplication>
#include <QSaveFile>

#include <memory>

// A file written whole or not at all, its bytes gathered into blocks: a write per row or line
// would cost a system call each. Failures throw OperationFailed naming the file; a file not
// committed is thrown away, and a file of that name stays as it was.
class BlockSaveFile final
{
    Q_DECLARE_TR_FUNCTIONS(BlockSaveFile)
public:
    // Throws OperationFailed ("Cannot create the file ...") when the file cannot be started.
    explicit BlockSaveFile(const QString& path);
    ~BlockSaveFile();
    BlockSaveFile(const BlockSaveFile&) = delete;
    BlockSaveFile& operator=(const BlockSaveFile&) = delete;

    // The block being gathered, for callers that encode straight into it; flushIfFull() after.
    QByteArray& block() { return m_block; }
    void append(QByteArrayView bytes)
    {
        m_block.append(bytes);
        flushIfFull();
    }
    void flushIfFull()
    {
        if (m_block.size() >= kBlockBytes)
            flush();
    }
    // Writes what is left and puts the file in place.
    void commit();

private:
    static constexpr qsizetype kBlockBytes = 64 * 1024;
    // How much is written between two syncs ahead of the commit.
    static constexpr qint64 kSyncAheadBytes = 1024 * 1024;

    class SyncAhead;

    void flush();
    void syncAhead();
    [[noreturn]] void fail(int systemError = 0);

    QSaveFile m_file;
    QByteArray m_block;
    qint64 m_written = 0;
    qint64 m_syncAheadFrom = 0;
    // Last, so that its thread has let go of the file before the file closes.
    std::unique_ptr<SyncAhead> m_syncAhead;
};
