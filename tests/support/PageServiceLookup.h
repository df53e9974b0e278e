#pragma once

#include "lookup/LookupChain.h"
#include "lookup/LookupRun.h"
#include "lookup/PageServiceSource.h"

// A lookup run that asks the page service alone, as the program does when only its address is
// named.
struct PageServiceLookup
{
    PageServiceLookup(const Platform& platform, const QString& serviceBase, int parallel = 1)
        : chain(LookupServices{platform.pageLoader, platform.eventLoop, platform.clock, nullptr,
                               nullptr},
                sources(serviceBase), options(parallel))
        , run(platform, chain)
    {}

    static std::vector<std::unique_ptr<LookupSource>> sources(const QString& serviceBase)
    {
        std::vector<std::unique_ptr<LookupSource>> all;
        all.push_back(std::make_unique<PageServiceSource>(serviceBase));
        return all;
    }
    static ChainOptions options(int parallel)
    {
        ChainOptions options;
        options.parallel = parallel;
        return options;
    }

    LookupChain chain;
    LookupRun run;
};
