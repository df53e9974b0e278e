#pragma once

#include <QByteArray>
#include <QString>

#include <optional>

// The pictures fetched for the details window, remembered on disk by their address so that a
// product seen again shows at once. The store keeps at most a fixed number of bytes, and makes
// room by letting the pictures used longest ago go first.
//
// Nothing here throws: a picture that cannot be kept is simply fetched again next time.
class PictureStore
{
public:
    virtual ~PictureStore() = default;

    // The picture remembered for the address, which counts as using it.
    virtual std::optional<QByteArray> find(const QString& url) = 0;
    virtual void store(const QString& url, const QByteArray& bytes) = 0;
};
