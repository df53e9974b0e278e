#pragma once

#include "desktop/network/PageLoaderLimits.h"
#include "platform/PageLoader.h"

#include <QNetworkAccessManager>
#include <QNetworkReply>

#include <memory>
#include <vector>

// The few words a user sees when no HTTP answer came back at all ("connection refused", "timed
// out"), or an empty text when one did, whatever its status: what a status means is for the one
// who asked to say.
QString DescribeNetworkFailure(QNetworkReply::NetworkError error, int httpStatus,
                               const QString& errorText);

// Pages over Qt's HTTP client. One access manager serves every request while no more than its
// six connections to a host are busy, so sequential requests share one keep-alive connection;
// more at once (a page service asked in parallel) go through further managers.
class QtPageLoader final : public PageLoader
{
    Q_DISABLE_COPY_MOVE(QtPageLoader)
public:
    using Limits = PageLoaderLimits;

    QtPageLoader();
    explicit QtPageLoader(Limits limits);
    ~QtPageLoader() override;

    std::unique_ptr<PendingPage> start(const PageRequest& request) override;
    QString refusal(const QUrl& url) const override;

private:
    struct Manager
    {
        std::unique_ptr<QNetworkAccessManager> manager;
        // Replies of this manager not yet finished or taken back; shared with the pages, which
        // may outlive a loader that is going away.
        std::shared_ptr<int> busy = std::make_shared<int>(0);
    };
    Manager& leastBusy();

    Limits m_limits;
    std::vector<Manager> m_managers;
};
