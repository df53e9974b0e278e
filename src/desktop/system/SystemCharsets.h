#pragma once

#include <QByteArrayView>
#include <QString>

#include <optional>

// The system's own reading of a named character set, for those Qt cannot read itself
// (common/NamedCharsets.h): Windows' code pages (SystemCharsets_win.cpp). On Linux Qt reads them
// all through ICU, and this knows none (SystemCharsets.cpp).
std::optional<QString> DecodeWithSystemCharsets(QByteArrayView charset, QByteArrayView bytes);
