#include "program/ConnectionMakers.h"

#include "desktop/files/LibzipArchives.h"
#include "desktop/files/QtWorkbookFiles.h"
#include "desktop/network/YazCatalogueConnection.h"
#include "desktop/network/YazMarcCodec.h"
#include "desktop/storage/SystemKeyStore.h"

#if QUILLFEN_CURL_PAGE_LOADER
#include "desktop/network/CurlPageLoader.h"
#endif

const ConnectionMakers& BuiltInConnectionMakers()
{
    static const ConnectionMakers makers
    {
#if QUILLFEN_CURL_PAGE_LOADER
        .curlPageLoader = [](PageLoaderLimits limits) -> std::unique_ptr<PageLoader> {
            return std::make_unique<CurlPageLoader>(limits);
        },
#else
        .curlPageLoader = nullptr,
#endif
        .catalogueConnection = [](bool loopbackOnly) -> std::unique_ptr<CatalogueConnection> {
            return std::make_unique<YazCatalogueConnection>(loopbackOnly);
        },
        .marcCodec = []() -> MarcCodec& {
            static YazMarcCodec codec;
            return codec;
        },
        .keyStore = []() -> std::unique_ptr<KeyStore> {
            return std::make_unique<SystemKeyStore>();
        },
        .zipArchives = []() -> std::unique_ptr<ZipArchives> {
            return std::make_unique<LibzipArchives>();
        },
        .workbookFile = &MakeQtWorkbookFile,
    };
    return makers;
}
