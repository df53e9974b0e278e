#pragma once

#include "platform/PageLoader.h"

// A page loader that sends nothing: a chain built on it answers from this machine alone (the
// product index, the remembered answers), and any source it would have to ask over the network
// fails with kNeedsNetwork at once, without taking a turn.
class LocalAnswersOnly final : public PageLoader
{
public:
    std::unique_ptr<PendingPage> start(const PageRequest& request) override;
    QString refusal(const QUrl& url) const override;
};

inline constexpr QStringView kNeedsNetwork = u"asked online later";
