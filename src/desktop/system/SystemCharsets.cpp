#include "desktop/system/SystemCharsets.h"

std::optional<QString> DecodeWithSystemCharsets(QByteArrayView, QByteArrayView)
{
    return std::nullopt;
}
