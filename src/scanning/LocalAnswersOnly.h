#pragma once

#include "platform/PageLoader.h"

// What a scan session's answer from this machine alone says of a source it did not ask.
inline constexpr QStringView kNeedsNetwork = u"asked online later";

// A page loader that sends nothing: a chain built on it answers from this machine alone (the
// product index, the remembered answers), and any source it would have to ask over the network
// fails at once, without taking a turn.
class LocalAnswersOnly final : public PageLoader
{
public:
    // `failure`: what a source asked over the network fails with.
    explicit LocalAnswersOnly(QString failure = kNeedsNetwork.toString())
        : m_failure(std::move(failure))
    {}

    std::unique_ptr<PendingPage> start(const PageRequest& request) override;
    QString refusal(const QUrl& url) const override;

private:
    QString m_failure;
};
