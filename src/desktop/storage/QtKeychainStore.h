#pragma once

#include "platform/KeyStore.h"

#include <QProcessEnvironment>

// The keys in the desktop's keyring (the Secret Service on Linux) through QtKeychain, one entry a
// source under the service "Quillfen". Never falls back to plain text: without a keyring every
// operation fails and says so.
class QtKeychainStore final : public KeyStore
{
public:
    // The keyring answers over the session's D-Bus: without one there is none to ask.
    static bool reachable(const QProcessEnvironment& environment)
    {
        return !environment.value(QStringLiteral("DBUS_SESSION_BUS_ADDRESS")).isEmpty();
    }

    std::optional<QString> readKey(const QString& source) override;
    void writeKey(const QString& source, const QString& key) override;
    void forgetKey(const QString& source) override;
};
