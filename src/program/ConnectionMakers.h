#pragma once

#include "desktop/network/PageLoaderLimits.h"
#include "platform/CatalogueConnection.h"
#include "platform/KeyStore.h"
#include "platform/MarcCodec.h"
#include "platform/OutputFiles.h"
#include "platform/PageLoader.h"
#include "platform/ZipArchive.h"

#include <memory>

// What makes the implementations in quillfen_connections. The program that carries the window
// links them in; the program a user starts finds the same table in a module of their own,
// exported under kConnectionMakersSymbol, and loads it the first time a run needs one of them
// (ConnectionsModule.h).
struct ConnectionMakers
{
    // libcurl's; null where the build has none (Windows, where Qt's client serves).
    std::unique_ptr<PageLoader> (*curlPageLoader)(PageLoaderLimits limits);
    std::unique_ptr<CatalogueConnection> (*catalogueConnection)(bool loopbackOnly);
    // One for the whole process, used from several threads at once.
    MarcCodec& (*marcCodec)();
    std::unique_ptr<KeyStore> (*keyStore)();
    std::unique_ptr<ZipArchives> (*zipArchives)();
    std::unique_ptr<WorkbookFile> (*workbookFile)(const QString& path, WorkbookFormat format);
};

// extern "C" const ConnectionMakers* quillfen_connection_makers(void);
inline constexpr char kConnectionMakersSymbol[] = "quillfen_connection_makers";

// libcurl, YAZ, QtKeychain (or the Credential Manager), libzip and libxlsxwriter.
const ConnectionMakers& BuiltInConnectionMakers();
