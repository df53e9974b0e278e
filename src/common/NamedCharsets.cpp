#include "common/NamedCharsets.h"

#include <QByteArray>
#include <QStringDecoder>

#include <atomic>

namespace {
std::atomic<NamedCharsetDecoder> g_fallback{nullptr};
} // namespace

void UseNamedCharsetFallback(NamedCharsetDecoder decoder)
{
    g_fallback.store(decoder);
}

std::optional<QString> DecodeNamedCharset(QByteArrayView charset, QByteArrayView bytes)
{
    const QByteArray name = charset.trimmed().toByteArray();
    if (name.isEmpty())
        return std::nullopt;
    QStringDecoder decoder(name.constData());
    if (decoder.isValid())
        return QString(decoder(bytes));
    if (const NamedCharsetDecoder fallback = g_fallback.load())
        return fallback(name, bytes);
    return std::nullopt;
}
