#include "program/PageLoaders.h"

#include "desktop/network/CurlPageLoader.h"
#include "desktop/network/QtPageLoader.h"

std::unique_ptr<PageLoader> MakePageLoader(PageLoaderLimits limits)
{
    if (qEnvironmentVariable("QUILLFEN_PAGE_LOADER") == u"qt")
        return std::make_unique<QtPageLoader>(limits);
    return std::make_unique<CurlPageLoader>(limits);
}
