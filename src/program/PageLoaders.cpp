#include "program/PageLoaders.h"

#include "desktop/network/QtPageLoader.h"

#if QUILLFEN_CURL_PAGE_LOADER
#include "desktop/network/CurlPageLoader.h"
#endif

std::unique_ptr<PageLoader> MakePageLoader(PageLoaderLimits limits)
{
#if QUILLFEN_CURL_PAGE_LOADER
    if (qEnvironmentVariable("QUILLFEN_PAGE_LOADER") != u"qt")
        return std::make_unique<CurlPageLoader>(limits);
#endif
    return std::make_unique<QtPageLoader>(limits);
}
