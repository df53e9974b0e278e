#pragma once

#include <QByteArrayView>
#include <QString>

#include <functional>
#include <memory>

// Streaming gzip decompression: compressed bytes go in as they come (from a file or the
// network), the text comes out in chunks, and memory stays the same whatever the size of the
// stream. Several gzip members one after the other (as `cat a.gz b.gz` makes) read as one stream.
class GzipInflater final
{
public:
    enum class State {
        InProgress, // more input is expected
        Complete,   // the input so far ends exactly at the end of a gzip member
        Corrupt,    // the input is not a gzip stream, or is damaged
    };

    // Receives each chunk of decompressed bytes; the view is valid during the call only.
    using Sink = std::function<void(QByteArrayView chunk)>;

    GzipInflater();
    ~GzipInflater();
    GzipInflater(const GzipInflater&) = delete;
    GzipInflater& operator=(const GzipInflater&) = delete;

    // Decompresses the bytes and hands the text to the sink. Does nothing once corrupt.
    // Returns the state after these bytes.
    State feed(QByteArrayView compressed, const Sink& sink);

    State state() const { return m_state; }
    // Once the input has ended: true when the stream ended where a gzip member ends.
    bool complete() const { return m_state == State::Complete; }
    // True when the input ended in the middle of a member (or held no byte at all).
    bool truncated() const { return m_state == State::InProgress; }

    qint64 compressedBytes() const { return m_compressed; }
    qint64 uncompressedBytes() const { return m_uncompressed; }

    // Why the stream cannot be read, for a message: "not a gzip stream (invalid block type) after
    // 1,234 compressed bytes (56,789 bytes of text)", or for a stream that ended early "the
    // compressed file ends early, after ...". Empty for a complete stream.
    QString problem() const;

private:
    struct Stream;
    std::unique_ptr<Stream> m_stream;
    State m_state = State::InProgress;
    qint64 m_compressed = 0;   // consumed by the inflater
    qint64 m_uncompressed = 0; // handed to sinks
    QString m_zlibMessage;
};
