#pragma once

#include "platform/KeyStore.h"

#include <QProcessEnvironment>

// The keys in Windows' Credential Manager (wincred), one generic credential a source, named
// "Quillfen/<source>" and kept on this machine only (not carried to others with a roaming
// profile). The key is stored as UTF-8. Windows keeps the credentials encrypted for the user; a
// failure is said in Windows' own words and nothing is kept elsewhere instead.
class CredentialManagerKeyStore final : public KeyStore
{
public:
    // Every Windows session has its Credential Manager.
    static bool reachable(const QProcessEnvironment&) { return true; }

    std::optional<QString> readKey(const QString& source) override;
    void writeKey(const QString& source, const QString& key) override;
    void forgetKey(const QString& source) override;

    // The credential's name for a source, as the Credential Manager lists it.
    static QString targetName(const QString& source);
};
