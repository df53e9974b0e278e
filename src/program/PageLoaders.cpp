#include "program/PageLoaders.h"

#include "desktop/network/QtPageLoader.h"
#include "program/ConnectionsModule.h"

std::unique_ptr<PageLoader> MakePageLoader(PageLoaderLimits limits,
                                           const ConnectionsModule& connections)
{
#if QUILLFEN_CURL_PAGE_LOADER
    if (qEnvironmentVariable("QUILLFEN_PAGE_LOADER") != u"qt")
        return connections.curlPageLoader(limits);
#else
    Q_UNUSED(connections);
#endif
    return std::make_unique<QtPageLoader>(limits);
}
