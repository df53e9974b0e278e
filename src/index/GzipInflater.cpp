#include "index/GzipInflater.h"

#include "index/ImportText.h"

#include <QCoreApplication>

#include <climits>
#include <new>
#include <vector>
#include <zlib.h>

namespace {
// Large enough that the sink is called a few thousand times a second at most, small enough to
// stay in the processor's cache while the next stage reads it.
constexpr std::size_t kOutputChunk = 256 * 1024;
} // namespace

struct GzipInflater::Stream
{
    z_stream z{};
    std::vector<unsigned char> output = std::vector<unsigned char>(kOutputChunk);
};

GzipInflater::GzipInflater()
    : m_stream(std::make_unique<Stream>())
{
    // 16 + MAX_WBITS: a gzip header and trailer around the deflate data, checked by zlib.
    if (inflateInit2(&m_stream->z, 16 + MAX_WBITS) != Z_OK)
        throw std::bad_alloc();
}

GzipInflater::~GzipInflater()
{
    inflateEnd(&m_stream->z);
}

GzipInflater::State GzipInflater::feed(QByteArrayView compressed, const Sink& sink)
{
    if (m_state == State::Corrupt)
        return m_state;
    z_stream& z = m_stream->z;
    const auto* next = reinterpret_cast<const unsigned char*>(compressed.data());
    qsizetype left = compressed.size();
    while (left > 0) {
        // zlib counts in unsigned int; a huge view is fed in slices.
        const uInt slice = left > qsizetype(UINT_MAX) ? UINT_MAX : uInt(left);
        z.next_in = const_cast<unsigned char*>(next);
        z.avail_in = slice;
        if (m_state == State::Complete) {
            // More bytes after a member's end: the next member of a concatenated stream.
            inflateReset(&z);
            m_state = State::InProgress;
        }
        int result = Z_OK;
        for (;;) {
            z.next_out = m_stream->output.data();
            z.avail_out = uInt(m_stream->output.size());
            result = inflate(&z, Z_NO_FLUSH);
            const std::size_t produced = m_stream->output.size() - z.avail_out;
            if (produced > 0) {
                m_uncompressed += qint64(produced);
                sink(QByteArrayView(reinterpret_cast<const char*>(m_stream->output.data()),
                                    qsizetype(produced)));
            }
            if (result == Z_NEED_DICT || result == Z_DATA_ERROR || result == Z_STREAM_ERROR ||
                result == Z_MEM_ERROR) {
                m_zlibMessage =
                    z.msg ? QString::fromLatin1(z.msg)
                          : (result == Z_MEM_ERROR
                                 ? QCoreApplication::translate("GzipInflater", "out of memory")
                                 : QCoreApplication::translate("GzipInflater", "damaged data"));
                m_compressed += qint64(slice - z.avail_in);
                m_state = State::Corrupt;
                return m_state;
            }
            // A member's end has handed over all its output and checked its trailer; no
            // progress means zlib waits for more input; a full output buffer may hide more
            // output still queued inside zlib, so it goes round again even without input.
            if (result == Z_STREAM_END || result == Z_BUF_ERROR ||
                (z.avail_in == 0 && z.avail_out != 0))
                break;
        }
        if (result == Z_STREAM_END)
            m_state = State::Complete;
        const qsizetype used = qsizetype(slice - z.avail_in);
        m_compressed += used;
        next += used;
        left -= used;
        if (used == 0 && result != Z_STREAM_END)
            break; // nothing taken and nothing to give: wait for the next bytes
    }
    return m_state;
}

QString GzipInflater::problem() const
{
    //: Where a compressed file broke: %1 and %2 are numbers of bytes.
    const QString where =
        QCoreApplication::translate("GzipInflater", "after %1 compressed bytes (%2 bytes of text)")
            .arg(GroupedNumber(m_compressed), GroupedNumber(m_uncompressed));
    switch (m_state) {
    case State::Complete:
        return {};
    case State::InProgress:
        if (m_compressed == 0)
            return QCoreApplication::translate("GzipInflater", "the compressed file is empty");
        //: %1 says where: "after 1,024 compressed bytes (4,096 bytes of text)".
        return QCoreApplication::translate("GzipInflater", "the compressed file ends early, %1")
            .arg(where);
    case State::Corrupt:
        //: %1 is zlib's own message, %2 says where.
        return QCoreApplication::translate("GzipInflater", "the compressed file is damaged (%1) %2")
            .arg(m_zlibMessage, where);
    }
    return {};
}
