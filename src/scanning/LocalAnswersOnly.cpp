#include "scanning/LocalAnswersOnly.h"

#include "common/OperationFailed.h"

std::unique_ptr<PendingPage> LocalAnswersOnly::start(const PageRequest& /*request*/)
{
    // The chain asks refusal() first and never gets here; should it, nothing leaves either.
    throw OperationFailed(m_failure);
}

QString LocalAnswersOnly::refusal(const QUrl& /*url*/) const
{
    return m_failure;
}
