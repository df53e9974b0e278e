#include "desktop/window/WaveSound.h"

#include <QtEndian>

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <optional>

namespace {
struct Chunk
{
    qsizetype offset = 0; // of its data
    qsizetype size = 0;
};

// The first chunk of that name after the RIFF header, if its data lies within the bytes.
std::optional<Chunk> FindChunk(const QByteArray& wave, const char (&name)[5])
{
    qsizetype at = 12;
    while (at + 8 <= wave.size()) {
        const quint32 size = qFromLittleEndian<quint32>(wave.constData() + at + 4);
        if (size > quint32(wave.size() - at - 8))
            return std::nullopt;
        if (wave.mid(at, 4) == QByteArrayView(name, 4))
            return Chunk{at + 8, qsizetype(size)};
        // Chunks are padded to an even length.
        at += 8 + qsizetype(size) + qsizetype(size & 1);
    }
    return std::nullopt;
}
} // namespace

QByteArray WaveAtVolume(const QByteArray& wave, float volume)
{
    if (wave.size() < 12 || !wave.startsWith("RIFF") || wave.mid(8, 4) != "WAVE")
        return {};
    const std::optional<Chunk> format = FindChunk(wave, "fmt ");
    const std::optional<Chunk> data = FindChunk(wave, "data");
    if (!format || format->size < 16 || !data)
        return {};
    const char* fmt = wave.constData() + format->offset;
    const quint16 encoding = qFromLittleEndian<quint16>(fmt);
    const quint16 bits = qFromLittleEndian<quint16>(fmt + 14);
    constexpr quint16 kPcm = 1;
    if (encoding != kPcm || bits != 16)
        return {};
    QByteArray scaled = wave;
    char* samples = scaled.data() + data->offset;
    const float factor = std::clamp(volume, 0.0f, 1.0f);
    for (qsizetype i = 0; i + 1 < data->size; i += 2) {
        const auto sample = qFromLittleEndian<qint16>(samples + i);
        const auto quieter = qint16(std::lround(float(sample) * factor));
        qToLittleEndian<qint16>(quieter, samples + i);
    }
    return scaled;
}
