#pragma once

#include "lookup/LookupSource.h"

#include <QString>

// UPCitemdb's free trial lookup. Its daily allowance is small; once used up, the answer says
// until when, and the source asks to be left alone until then.
class UpcItemDbSource final : public LookupSource
{
public:
    static constexpr int kDefaultPerMinute = 60;

    // `base` is the service's address ("https://api.upcitemdb.com").
    explicit UpcItemDbSource(QString base, int perMinute = kDefaultPerMinute);

    QString name() const override { return QStringLiteral("upcitemdb"); }
    QString displayName() const override { return QStringLiteral("UPCitemdb"); }
    QStringList ownHosts() const override;
    bool takes(const CheckedCode& checked) const override { return checked.isValid(); }
    // Nothing to send (an empty address) for a code that did not pass its checks.
    SourceRequest request(const QString& typed, const CheckedCode& checked) const override;
    // The first item's title and brand. Any answer whose X-RateLimit-Remaining is 0 carries
    // pausedUntil from X-RateLimit-Reset, found or not.
    SourceAnswer read(const SourceResponse& response, const QString& typed) const override;
    int perMinute() const override { return m_perMinute; }
    bool remembered() const override { return true; }

private:
    QString m_base;
    int m_perMinute;
};
