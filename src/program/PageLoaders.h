#pragma once

#include "desktop/network/PageLoaderLimits.h"
#include "platform/PageLoader.h"

#include <memory>

class ConnectionsModule;

// The page loader the program uses: libcurl's unless QUILLFEN_PAGE_LOADER=qt asks for Qt's HTTP
// client (the benchmark measures both; a user with a proxy only Qt understands keeps a way back).
// A build without libcurl (Windows) has Qt's alone.
std::unique_ptr<PageLoader> MakePageLoader(PageLoaderLimits limits,
                                           const ConnectionsModule& connections);
