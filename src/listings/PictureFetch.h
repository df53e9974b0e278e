#pragma once

#include "lookup/RequestPacer.h"

#include <QByteArray>
#include <QCoreApplication>
#include <QString>
#include <QStringList>

#include <functional>

class Clock;
class EventLoop;
class PageLoader;
class PictureStore;
struct ProductDetails;

// A picture larger than this is no picture: its loader gives up on it as the bytes arrive ("page
// too large").
inline constexpr qint64 kLargestPictureBytes = 10 * 1024 * 1024;
// Picture hosts publish no limit; one picture a second stays polite.
inline constexpr int kPicturesPerMinute = 60;

// The address of a product's picture: the large one, else the small one; empty when it has none.
QString PictureAddressOf(const ProductDetails& details);

// What fetching a picture works with.
struct PictureFetchServices
{
    // The pictures' own loader, which refuses a body over kLargestPictureBytes as it arrives.
    PageLoader& loader;
    EventLoop& eventLoop;
    Clock& clock;
    // The pictures remembered on disk, asked first; null: none are (--no-cache).
    PictureStore* remembered = nullptr;
};

// Fetches the pictures an answer names, by every rule for them: a picture remembered is taken as
// it is; an address is asked only when it is a public one (or on the answering source's own host
// and port, for that source's pictures alone), judged before anything is sent and again by the
// loader at every redirection; one picture at a time on each host, a host's pictures paced; an
// answer that is not 200, or empty, is no picture.
class PictureFetch final
{
    Q_DECLARE_TR_FUNCTIONS(PictureFetch)

public:
    // `perMinute`: the pictures a host is asked for in a minute at most; 0 leaves them unpaced.
    explicit PictureFetch(PictureFetchServices services, int perMinute = kPicturesPerMinute);

    struct Result
    {
        QByteArray bytes;        // empty when there is no picture
        QString failure;         // why not, in a few words
        bool remembered = false; // taken from the remembered pictures, nothing asked
        bool stopped = false;    // `stop` said so before the picture came
    };

    // The picture at the address; `ownHosts` are those of the source that gave it (host:port).
    // `stop` is asked while waiting for the host's turn and for the picture; true drops it.
    Result fetch(const QString& url, const QStringList& ownHosts,
                 const std::function<bool()>& stop = {});

private:
    PictureFetchServices m_services;
    int m_perMinute;
    RequestPacer m_pacer;
};
