#pragma once

#include "platform/ZipArchive.h"

// Zip containers read with QuaZip.
class QuaZipArchives final : public ZipArchives
{
public:
    std::unique_ptr<ZipArchive> open(const QString& path) override;
};
