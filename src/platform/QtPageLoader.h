#pragma once

#include "PageLoader.h"

#include <QByteArrayView>
#include <QNetworkAccessManager>
#include <QNetworkReply>

#include <chrono>

// Decodes a page body by the charset it declares: a byte-order mark first, then the charset of
// the Content-Type header, then a <meta> charset near the top of the page; UTF-8 when none is
// declared or the declared one is unknown.
QString DecodePageBody(QByteArrayView body, QByteArrayView contentType);

// The few words a user sees for a page that could not be had, or an empty text when the reply
// carries a page to read. Every status from 400 up fails the lookup ("HTTP 503"), except 404
// and 410, which come with a page that simply holds no record; a redirection that could not be
// followed fails it too ("HTTP 301").
QString DescribeFailedReply(QNetworkReply::NetworkError error, int httpStatus,
                            const QString& errorText);

// Pages over Qt's HTTP client. One access manager serves every request, so sequential requests
// to the service share one keep-alive connection.
class QtPageLoader final : public PageLoader
{
    Q_DISABLE_COPY_MOVE(QtPageLoader)
public:
    struct Limits
    {
        // A page that has not arrived by then fails with "timed out".
        std::chrono::milliseconds timeLimit = std::chrono::seconds(30);
        // A page larger than this fails instead of filling memory; real pages are a few
        // kilobytes.
        qint64 maxPageBytes = 16 * 1024 * 1024;
    };

    QtPageLoader();
    explicit QtPageLoader(Limits limits);
    ~QtPageLoader() override;

    std::unique_ptr<PendingPage> start(const QUrl& address) override;

private:
    Limits m_limits;
    QNetworkAccessManager m_manager;
};
