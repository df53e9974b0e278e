#pragma once

#include "platform/ZipArchive.h"

// Zip containers read with libzip. Not QuaZip: it exports its own copy of minizip, which
// libxlsxwriter's workbook_close then calls in place of the system's, and every .xlsx written by
// a process that links both crashed.
class LibzipArchives final : public ZipArchives
{
public:
    std::unique_ptr<ZipArchive> open(const QString& path) override;
};
