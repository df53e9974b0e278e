#pragma once

#include <QString>

#include <optional>

// Where the keys of the sources that need one are kept: the desktop's keyring. A key is asked for
// when a request needs it and held nowhere else.
class KeyStore
{
public:
    virtual ~KeyStore() = default;

    // The key kept for the source of that name, or nothing when none is. Throws OperationFailed
    // when no keyring answers, saying so.
    virtual std::optional<QString> readKey(const QString& source) = 0;
    // Throws OperationFailed when the key could not be kept; it is then kept nowhere.
    virtual void writeKey(const QString& source, const QString& key) = 0;
    // Throws OperationFailed when the keyring could not be asked.
    virtual void forgetKey(const QString& source) = 0;
};
