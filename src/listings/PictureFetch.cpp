#include "listings/PictureFetch.h"

#include "common/OperationFailed.h"
#include "common/PublicAddress.h"
#include "platform/Clock.h"
#include "platform/EventLoop.h"
#include "platform/PageLoader.h"
#include "platform/PictureStore.h"
#include "platform/ProductDetails.h"

#include <QUrl>

#include <algorithm>
#include <chrono>

QString PictureAddressOf(const ProductDetails& details)
{
    return details.imageUrl.isEmpty() ? details.thumbnailUrl : details.imageUrl;
}

PictureFetch::PictureFetch(PictureFetchServices services, int perMinute)
    : m_services(services)
    , m_perMinute(perMinute)
{}

PictureFetch::Result PictureFetch::fetch(const QString& url, const QStringList& ownHosts,
                                         const std::function<bool()>& stop)
{
    const auto stopping = [&stop] { return stop && stop(); };
    Result result;
    if (m_services.remembered) {
        if (std::optional<QByteArray> kept = m_services.remembered->find(url)) {
            result.bytes = std::move(*kept);
            result.remembered = true;
            return result;
        }
    }
    const QUrl address(url);
    // Refused at once (not a web address, a written-out address that is not public, or past this
    // machine when only it may be reached): nothing to wait for, and no turn of the host taken. A
    // name is judged by the loader once it is looked up.
    QString refused = AnswerAddressRefusal(address, ownHosts);
    if (refused.isEmpty())
        refused = m_services.loader.refusal(address);
    if (!refused.isEmpty()) {
        result.failure = refused;
        return result;
    }
    const QString host = address.host();
    m_pacer.setPerMinute(host, m_perMinute);
    Clock& clock = m_services.clock;
    while (const qint64 wait = m_pacer.waitBeforeStart(host, clock.steadyMs())) {
        m_services.eventLoop.waitForEvents(std::chrono::milliseconds(std::min<qint64>(wait, 100)));
        if (stopping()) {
            result.stopped = true;
            return result;
        }
    }
    std::unique_ptr<PendingPage> page;
    try {
        page = m_services.loader.start(PageRequest{address, {}, 5, true, ownHosts});
    } catch (const OperationFailed& failure) {
        result.failure = failure.description();
        return result;
    }
    m_pacer.started(host, clock.steadyMs());
    while (!page->isComplete()) {
        m_services.eventLoop.waitForEvents();
        if (stopping()) {
            m_pacer.finished(host);
            result.stopped = true;
            return result; // the page goes, and with it the request
        }
    }
    m_pacer.finished(host);
    PageResponse response = page->response();
    page.reset();
    if (!response.failure.isEmpty())
        result.failure = response.failure;
    else if (response.status != 200)
        result.failure = QStringLiteral("HTTP %1").arg(response.status);
    else if (response.body.isEmpty())
        result.failure = tr("an empty answer");
    else if (response.body.size() > kLargestPictureBytes)
        result.failure = QStringLiteral("page too large"); // as the loader says it
    else
        result.bytes = std::move(response.body);
    return result;
}
