#pragma once

#include "platform/MarcCodec.h"

// MARC 21 records read and written by YAZ, their MARCXML parsed by libxml2 (YAZ reads MARCXML from
// its tree). A record in MARC-8 is converted by YAZ's converter.
class YazMarcCodec final : public MarcCodec
{
public:
    std::variant<QString, QString> marcXmlOfIso2709(QByteArrayView record) override;
    std::variant<MarcWritten, QString> written(QByteArrayView marcXml) override;
    std::optional<QString> readBack(const QByteArray& iso2709) override;
};
