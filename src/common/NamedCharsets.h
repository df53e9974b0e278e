#pragma once

#include <QByteArrayView>
#include <QString>

#include <optional>

// Text in a character set its sender names (a page's "charset"). Qt reads the sets beyond UTF-8,
// UTF-16, UTF-32 and Latin-1 through ICU; a Qt built without it (the Windows build's) has the
// system read them instead, through the decoder the composition root gives
// (desktop/system/SystemCharsets.h). Nothing when neither knows the set.
using NamedCharsetDecoder = std::optional<QString> (*)(QByteArrayView charset,
                                                       QByteArrayView bytes);

// Set once, before the first lookup.
void UseNamedCharsetFallback(NamedCharsetDecoder decoder);

std::optional<QString> DecodeNamedCharset(QByteArrayView charset, QByteArrayView bytes);
