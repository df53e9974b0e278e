#include "desktop/network/QtHttpFetcher.h"

#include "desktop/network/QtPageLoader.h"

#include <QCoreApplication>
#include <QEventLoop>
#include <QNetworkAccessManager>
#include <QNetworkReply>
#include <QNetworkRequest>
#include <QTimer>

#include <exception>

QtHttpFetcher::QtHttpFetcher(std::chrono::milliseconds stallLimit)
    : m_stallLimit(stallLimit)
{}

QString QtHttpFetcher::fetch(const QUrl& url, const HttpHeaders& headers, const Calls& calls)
{
    if (calls.allowed && !calls.allowed(url))
        return tr("not a loopback address");
    QNetworkAccessManager manager;
    QNetworkRequest request(url);
    for (const auto& [name, value] : headers)
        request.setRawHeader(name, value);
    // Each redirection is put to `allowed` before it is followed.
    request.setAttribute(QNetworkRequest::RedirectPolicyAttribute,
                         QNetworkRequest::UserVerifiedRedirectPolicy);
    request.setMaximumRedirectsAllowed(10);
    QNetworkReply* reply = manager.get(request);
    // Unread bytes stay small: everything is handed over as soon as it arrives.
    reply->setReadBufferSize(4 * 1024 * 1024);

    QString failure;
    bool headSeen = false;
    // Something a call threw. It waits until the event loop has returned, and is thrown on from
    // there: Qt does not carry exceptions out of its event handlers.
    std::exception_ptr thrown;
    const auto stop = [&](const QString& why) {
        if (failure.isEmpty())
            failure = why;
        reply->abort();
    };
    const auto guarded = [&](const auto& body) {
        try {
            body();
        } catch (...) {
            thrown = std::current_exception();
            stop(tr("stopped"));
        }
    };
    // Our own stall limit rather than Qt's transfer timeout, which ends the reply as if it had
    // been cancelled and leaves no way to tell the two apart.
    QTimer stall;
    stall.setSingleShot(true);
    stall.callOnTimeout([&] {
        //: %1 is a number of seconds.
        stop(tr("no data for %1 s")
                 .arg(QString::number(std::chrono::duration<double>(m_stallLimit).count())));
    });
    stall.start(m_stallLimit);
    const bool secure = url.scheme() == u"https";
    const auto takeHead = [&] {
        if (headSeen || !reply->attribute(QNetworkRequest::HttpStatusCodeAttribute).isValid())
            return;
        const int status = reply->attribute(QNetworkRequest::HttpStatusCodeAttribute).toInt();
        if (status >= 300 && status < 400)
            return; // a redirection on its way
        headSeen = true;
        HttpHead head;
        head.status = status;
        for (const auto& pair : reply->rawHeaderPairs())
            head.headers.append({pair.first, pair.second});
        if (calls.onHead && !calls.onHead(head))
            stop(tr("stopped"));
    };
    QObject::connect(reply, &QNetworkReply::redirected, reply, [&](const QUrl& target) {
        guarded([&] {
            // As the page loader does: a download asked for over TLS never goes on in the clear.
            if (secure && target.scheme() != u"https")
                stop(tr("insecure redirect"));
            else if (calls.allowed && !calls.allowed(target))
                stop(tr("not a loopback address"));
            else
                Q_EMIT reply->redirectAllowed();
        });
    });
    QObject::connect(reply, &QNetworkReply::metaDataChanged, reply, [&] {
        stall.start(m_stallLimit);
        guarded(takeHead);
    });
    QObject::connect(reply, &QNetworkReply::readyRead, reply, [&] {
        stall.start(m_stallLimit);
        guarded([&] {
            takeHead();
            while (failure.isEmpty() && reply->bytesAvailable() > 0) {
                const QByteArray piece = reply->read(1024 * 1024);
                if (calls.onData && !calls.onData(piece))
                    stop(tr("stopped"));
            }
        });
    });
    QTimer poll;
    poll.callOnTimeout([&] {
        guarded([&] {
            if (calls.keepGoing && !calls.keepGoing())
                stop(tr("stopped"));
        });
    });
    poll.start(100);

    QEventLoop loop;
    QObject::connect(reply, &QNetworkReply::finished, &loop, &QEventLoop::quit);
    if (!reply->isFinished())
        loop.exec();
    poll.stop();
    stall.stop();
    if (thrown) {
        delete reply;
        std::rethrow_exception(thrown);
    }
    if (failure.isEmpty()) {
        takeHead();
        if (reply->bytesAvailable() > 0 && calls.onData && !calls.onData(reply->readAll()))
            failure = tr("stopped");
    }
    if (failure.isEmpty() && reply->error() != QNetworkReply::NoError) {
        const int status = reply->attribute(QNetworkRequest::HttpStatusCodeAttribute).toInt();
        // An HTTP error status is the logic's to judge, from the head it was given.
        if (!(headSeen && status >= 400))
            failure = QCoreApplication::translate(
                "QtPageLoader", DescribeNetworkFailure(reply->error(), status, reply->errorString())
                                    .toUtf8()
                                    .constData());
        if (failure.isEmpty() && !headSeen)
            failure = tr("no answer");
    }
    delete reply;
    return failure;
}
