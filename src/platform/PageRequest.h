#pragma once

#include <QByteArray>
#include <QUrl>

// One GET to send.
struct PageRequest
{
    QUrl url;
    // The User-Agent header; empty: the loader's own ("Quillfen/<version>").
    QByteArray userAgent;
    // How many redirections the loader follows on the way to the answer; a redirection past that
    // arrives as the answer itself (status 3xx), or fails with "too many redirects".
    int maxRedirects = 50;
};
