#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QList>
#include <QString>

#include <utility>

// What came back for a request.
struct PageResponse
{
    // Non-empty when no HTTP answer arrived at all, in a few words for the user: "timed out",
    // "connection refused", "host not found", "page too large", "too many redirects", "not a
    // loopback address", "not a public address: 10.0.0.1 (a private address)". status, headers
    // and body are then empty.
    QString failure;
    int status = 0;
    QList<std::pair<QByteArray, QByteArray>> headers; // as received, names in any case
    QByteArray body;

    // The value of the first header of that name (compared without regard to case), or an empty
    // array.
    QByteArray header(QByteArrayView name) const
    {
        for (const auto& [key, value] : headers)
            if (QByteArrayView(key).compare(name, Qt::CaseInsensitive) == 0)
                return value;
        return {};
    }
};
