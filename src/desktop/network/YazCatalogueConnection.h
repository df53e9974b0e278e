#pragma once

#include "platform/CatalogueConnection.h"

#include <QString>

#include <memory>

// Library catalogues through YAZ's ZOOM, over Z39.50 or SRU (HTTP GET, version 1.1). Each search
// runs on a thread of its own, which drives ZOOM's asynchronous connection itself: it counts the
// bytes as they arrive and gives up past the search's limit, keeps the search's time limit to the
// millisecond, and lets go as soon as the pending answer is dropped. The answer comes back to the
// thread that started the search as an event.
//
// YAZ does not check the certificate of an https catalogue: such a connection is private from
// onlookers but not from one who stands in for the server.
class YazCatalogueConnection final : public CatalogueConnection
{
public:
    // loopbackOnly: every search of a host that is not a loopback address written out is refused
    // before YAZ is given the host, so that not even a name lookup leaves the machine
    // (QUILLFEN_LOOPBACK_ONLY).
    explicit YazCatalogueConnection(bool loopbackOnly = false);
    ~YazCatalogueConnection() override;
    YazCatalogueConnection(const YazCatalogueConnection&) = delete;
    YazCatalogueConnection& operator=(const YazCatalogueConnection&) = delete;

    std::unique_ptr<PendingCatalogueAnswer> search(const CatalogueSearch& search) override;
    QString refusal(const CatalogueSearch& search) const override;

private:
    struct Threads;

    bool m_loopbackOnly;
    std::unique_ptr<Threads> m_threads;
};
