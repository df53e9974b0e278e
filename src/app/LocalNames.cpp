#include "app/LocalNames.h"

#include "app/LookupSetup.h"
#include "common/OperationFailed.h"

namespace {
ChainOptions Options(const AppConfig& config, bool booksFirst)
{
    ChainOptions options = LookupChainOptions(config);
    options.booksFirst = booksFirst;
    options.parallel = 1;
    return options;
}
} // namespace

LocalNames::LocalNames(const AppConfig& config, const SettingsStore& settings, ProductIndex& index,
                       AnswerStore* answers, EventLoop& eventLoop, Clock& clock)
    : m_chain(LookupServices{m_nothingSent, eventLoop, clock, config.noCache ? nullptr : answers},
              {}, Options(config, false))
{
    bool defaultOrder = false;
    m_chain.setSources(ChooseBatchSources(config, settings, index, defaultOrder), defaultOrder);
    m_chain.startRun();
}

QString LocalNames::nameOf(const QString& code)
{
    try {
        const std::optional<CodeOutcome> outcome = m_chain.lookUp(code);
        if (outcome && outcome->status == CodeOutcome::Status::Found)
            return outcome->product.name;
    } catch (const OperationFailed&) {
        // A store that cannot be read knows no name.
    }
    return {};
}
