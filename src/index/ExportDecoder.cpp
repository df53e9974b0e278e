#include "index/ExportDecoder.h"

#include <QCoreApplication>

#include <algorithm>
#include <utility>

namespace {
// gzip's magic number.
constexpr char kGzipStart[] = "\x1F\x8B";
// Enough of a header line to see that it is text, yet less than the shortest export's.
constexpr qsizetype kBytesToDecideBy = 64;

// An export's text is UTF-8 with tabs and line breaks: no other control character, and in
// particular no NUL, which every binary format is full of.
bool LooksLikeText(QByteArrayView bytes)
{
    return std::none_of(bytes.begin(), bytes.end(), [](char c) {
        const auto byte = static_cast<unsigned char>(c);
        return (byte < 0x20 && c != '\t' && c != '\n' && c != '\r') || byte == 0x7F;
    });
}
} // namespace

bool ExportDecoder::feed(QByteArrayView bytes, const Sink& sink)
{
    if (!m_problem.isEmpty())
        return false;
    if (m_kind == Kind::Unknown) {
        m_start += bytes;
        if (m_start.size() < kBytesToDecideBy)
            return true;
        const QByteArray first = std::exchange(m_start, QByteArray());
        return decide(first) && feed(first, sink);
    }
    if (m_kind == Kind::Text) {
        m_textBytes += bytes.size();
        sink(bytes);
        return true;
    }
    if (m_inflater->feed(bytes, sink) == GzipInflater::State::Corrupt)
        m_problem = m_inflater->problem();
    m_textBytes = m_inflater->uncompressedBytes();
    return m_problem.isEmpty();
}

bool ExportDecoder::decide(QByteArrayView first)
{
    if (first.startsWith(kGzipStart)) {
        m_kind = Kind::Gzip;
        m_inflater.emplace();
    } else if (LooksLikeText(first)) {
        m_kind = Kind::Text;
    } else {
        m_problem =
            QCoreApplication::translate("ExportDecoder", "not a gzip file or a text export");
    }
    return m_problem.isEmpty();
}

bool ExportDecoder::finish(const Sink& sink)
{
    if (!m_problem.isEmpty())
        return false;
    if (m_kind == Kind::Unknown) {
        if (m_start.isEmpty()) {
            m_problem = QCoreApplication::translate("ExportDecoder", "the file is empty");
            return false;
        }
        // A file shorter than the bytes a decision waits for: decided on what there is.
        const QByteArray first = std::exchange(m_start, QByteArray());
        if (!decide(first) || !feed(first, sink))
            return false;
    }
    if (m_kind == Kind::Gzip && !m_inflater->complete()) {
        m_problem = m_inflater->problem();
        return false;
    }
    return true;
}
