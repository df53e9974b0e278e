#pragma once

#include "desktop/network/PageLoaderLimits.h"
#include "platform/PageLoader.h"

#include <memory>

class CurlTransfers;

// Pages over libcurl's multi interface, driven by the calling thread's Qt event loop: curl's
// sockets are watched by socket notifiers and its timer by a QTimer, so no thread of its own
// wakes per request. Qt's HTTP client reads an answer's head a byte per system call; curl reads
// it in one. Connections stay open between requests and are reused, as are the transfer
// handles. Everything else is as QtPageLoader does it: the same failures in the same words, the
// same caps, redirections looked at one by one, the same guards.
class CurlPageLoader final : public PageLoader
{
    Q_DISABLE_COPY_MOVE(CurlPageLoader)
public:
    using Limits = PageLoaderLimits;

    CurlPageLoader();
    explicit CurlPageLoader(Limits limits);
    ~CurlPageLoader() override;

    std::unique_ptr<PendingPage> start(const PageRequest& request) override;
    QString refusal(const QUrl& url) const override;

private:
    Limits m_limits;
    // Shared with the pages, which may outlive a loader that is going away.
    std::shared_ptr<CurlTransfers> m_transfers;
};
