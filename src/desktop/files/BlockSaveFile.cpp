#include "desktop/files/BlockSaveFile.h"

#include "common/OperationFailed.h"

#include <QDir>

#include <cerrno>

BlockSaveFile::BlockSaveFile(const QString& path)
    : m_file(path)
{
    // Unbuffered: the blocks are gathered here already, and a block that the system refuses (a
    // full disk) must fail its own write. Left in the device's buffer it would fail only when the
    // file is made whole, where QSaveFile misses the error and puts the short file in place of
    // the old one.
    if (!m_file.open(QIODevice::WriteOnly | QIODevice::Unbuffered))
        throw OperationFailed(tr("Cannot create the file %1: %2")
                                  .arg(QDir::toNativeSeparators(path), m_file.errorString()));
    m_block.reserve(2 * kBlockBytes);
}

void BlockSaveFile::commit()
{
    flush();
    if (!m_file.commit())
        fail();
}

void BlockSaveFile::flush()
{
    if (m_block.isEmpty())
        return;
    errno = 0;
    if (m_file.write(m_block) != m_block.size())
        fail(errno);
    m_block.resize(0); // keeps the block's memory for the next one
}

// A write cut short by the system (disk full, file too large) may leave the device without an
// error of its own; the system's reason is then the one to give.
void BlockSaveFile::fail(int systemError)
{
    const QString reason = m_file.error() == QFileDevice::NoError && systemError != 0
                               ? qt_error_string(systemError)
                               : m_file.errorString();
    m_file.cancelWriting();
    throw OperationFailed(tr("Cannot write the file %1: %2")
                              .arg(QDir::toNativeSeparators(m_file.fileName()), reason));
}
