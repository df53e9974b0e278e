#pragma once

// gzip-compressed bytes for tests: the exports and downloads the index reads are gzip streams.

#include <QByteArray>
#include <QByteArrayView>

#include <stdexcept>
#include <zlib.h>

inline QByteArray GzipBytes(QByteArrayView text, int level = Z_DEFAULT_COMPRESSION)
{
    z_stream z{};
    if (deflateInit2(&z, level, Z_DEFLATED, 16 + MAX_WBITS, 8, Z_DEFAULT_STRATEGY) != Z_OK)
        throw std::runtime_error("deflateInit2 failed");
    QByteArray out(qsizetype(deflateBound(&z, uLong(text.size()))), Qt::Uninitialized);
    z.next_in = reinterpret_cast<Bytef*>(const_cast<char*>(text.data()));
    z.avail_in = uInt(text.size());
    z.next_out = reinterpret_cast<Bytef*>(out.data());
    z.avail_out = uInt(out.size());
    const int result = deflate(&z, Z_FINISH);
    out.resize(qsizetype(z.total_out));
    deflateEnd(&z);
    if (result != Z_STREAM_END)
        throw std::runtime_error("deflate did not finish");
    return out;
}
