#pragma once

#include "platform/HttpFetcher.h"

#include <QCoreApplication>

#include <chrono>

// Downloads through QNetworkAccessManager, in the calling thread (which needs no event loop of
// its own running: fetch() runs one while it waits).
class QtHttpFetcher final : public HttpFetcher
{
    Q_DECLARE_TR_FUNCTIONS(QtHttpFetcher)
public:
    // A transfer during which nothing arrives for that long fails with "no data for 60 s".
    explicit QtHttpFetcher(std::chrono::milliseconds stallLimit = std::chrono::seconds(60));

    QString fetch(const QUrl& url, const HttpHeaders& headers, const Calls& calls) override;

private:
    std::chrono::milliseconds m_stallLimit;
};
