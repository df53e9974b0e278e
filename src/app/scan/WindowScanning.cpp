#include "app/scan/WindowScanning.h"

#include "app/LookupSetup.h"
#include "platform/ProductIndex.h"

WindowScanning::WindowScanning(const Platform& platform, const AppConfig& config)
    : m_platform(platform)
    , m_local(LookupServices{m_nothingSent, platform.eventLoop, platform.clock,
                             config.noCache ? nullptr : &platform.answers},
              {}, LookupChainOptions(config))
    , m_online(LookupServices{platform.pageLoader, platform.eventLoop, platform.clock,
                              config.noCache ? nullptr : &platform.answers, &platform.pacing,
                              &platform.catalogue},
               {}, LookupChainOptions(config))
    , m_scan(platform, m_local, m_online)
{}

void WindowScanning::useSources(const AppConfig& config, const SourceChoice& choice,
                                const QString& serviceUrl, bool fillGaps)
{
    // Sources the scan queue is asking now stay until it is done with them.
    if (m_scan.session().answering())
        return;
    ProductIndex& index = m_platform.productIndex;
    for (LookupChain* chain : {&m_local, &m_online}) {
        chain->setFillGaps(fillGaps);
        chain->setSources(
            MakeSources(choice.names, config, serviceUrl, &index, ContentLanguage(config)),
            choice.defaultOrder);
    }
}

std::unique_ptr<ScanFace> MakeWindowScanning(const Platform& platform, const AppConfig& config)
{
    return std::make_unique<WindowScanning>(platform, config);
}
