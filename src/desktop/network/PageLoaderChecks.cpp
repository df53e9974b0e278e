#include "desktop/network/PageLoaderChecks.h"

#include "common/Loopback.h"
#include "common/OperationFailed.h"
#include "common/PublicAddress.h"

#include <QHostAddress>

namespace {
// A request refused before anything was sent: complete from the start.
class RefusedPage final : public PendingPage
{
public:
    explicit RefusedPage(QString failure) { m_response.failure = std::move(failure); }
    bool isComplete() const override { return true; }
    PageResponse response() const override { return m_response; }

private:
    PageResponse m_response;
};
} // namespace

std::unique_ptr<PendingPage> RefusedBeforeSending(const PageLoaderLimits& limits, const QUrl& url)
{
    const QString scheme = url.scheme();
    if (!url.isValid() || url.host().isEmpty() || (scheme != u"http" && scheme != u"https"))
        throw OperationFailed(QStringLiteral("Not a web address: ") + url.toDisplayString());
    if (QString refused = LoopbackRefusal(limits, url); !refused.isEmpty())
        return std::make_unique<RefusedPage>(std::move(refused));
    return nullptr;
}

QString LoopbackRefusal(const PageLoaderLimits& limits, const QUrl& url)
{
    if (limits.loopbackOnly && !IsLoopbackUrl(url))
        return NotLoopbackFailure(url.host());
    return {};
}

std::optional<QString> WrittenAddressRefusal(const QString& host)
{
    QHostAddress written;
    if (!written.setAddress(host))
        return std::nullopt;
    const AddressScope scope = ScopeOfAddress(written);
    return scope == AddressScope::Public ? QString() : NotPublicFailure(host, scope);
}

QString LookedUpRefusal(const QString& host, const QHostInfo& found)
{
    if (found.error() != QHostInfo::NoError || found.addresses().isEmpty())
        return QStringLiteral("host not found");
    for (const QHostAddress& address : found.addresses()) {
        if (const AddressScope scope = ScopeOfAddress(address); scope != AddressScope::Public)
            return NotPublicFailure(host, scope);
    }
    return {};
}

QByteArray PinnedResolveEntry(const QString& host, int port, const QList<QHostAddress>& addresses)
{
    QByteArray entry = '+' + host.toUtf8() + ':' + QByteArray::number(port) + ':';
    bool first = true;
    for (const QHostAddress& address : addresses) {
        if (!first)
            entry += ',';
        first = false;
        const QByteArray written = address.toString().toLatin1();
        entry +=
            address.protocol() == QAbstractSocket::IPv6Protocol ? '[' + written + ']' : written;
    }
    return entry;
}
