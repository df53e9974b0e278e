#pragma once

#include <QByteArray>
#include <QList>
#include <QStringList>
#include <QUrl>

#include <utility>

// One request to send: a GET unless it says otherwise.
struct PageRequest
{
    QUrl url;
    // The User-Agent header; empty: the loader's own ("Quillfen/<version>").
    QByteArray userAgent;
    // How many redirections the loader follows on the way to the answer; a redirection past that
    // arrives as the answer itself (status 3xx), or fails with "too many redirects".
    int maxRedirects = 50;
    // The address came in an answer (a product's picture): it is asked only of a public host,
    // judged by every address its name gives and again at every redirection ("not a public
    // address: ..."), unless its host and port are among `ownHosts` ("host:port"), those the user
    // configured the answering source on.
    bool publicOnly = false;
    QStringList ownHosts = {};
    QByteArray method = {}; // empty: GET
    // Sent as given, after the User-Agent; a redirection to another host drops them, since they
    // may carry a key.
    QList<std::pair<QByteArray, QByteArray>> headers = {};
    QByteArray body = {};
};
