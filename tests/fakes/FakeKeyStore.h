#pragma once

#include "common/OperationFailed.h"
#include "fakes/FakeHook.h"
#include "platform/KeyStore.h"

#include <QHash>

// A keyring in memory. Fail its operations through the hook to stand for a machine with no
// keyring ("No keyring answers (...)").
class FakeKeyStore final : public KeyStore
{
public:
    ~FakeKeyStore() override;
    std::optional<QString> readKey(const QString& source) override
    {
        hook(u"readKey");
        const auto key = keys.constFind(source);
        return key == keys.constEnd() ? std::nullopt : std::optional(*key);
    }
    void writeKey(const QString& source, const QString& key) override
    {
        hook(u"writeKey");
        keys.insert(source, key);
    }
    void forgetKey(const QString& source) override
    {
        hook(u"forgetKey");
        keys.remove(source);
    }

    // By source name.
    QHash<QString, QString> keys;
    FakeHook hook{"FakeKeyStore", {u"readKey", u"writeKey", u"forgetKey"}};
};
