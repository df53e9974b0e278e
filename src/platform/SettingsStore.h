#pragma once

#include <QString>

// The per-user store of program settings: text values addressed by an application name, a
// section and a value name.
class SettingsStore
{
public:
    virtual ~SettingsStore() = default;

    // The stored text, or defaultValue when nothing is stored under that address. Reading an
    // absent value is no failure.
    virtual QString getSetting(const QString& application, const QString& section,
                               const QString& name, const QString& defaultValue) const = 0;

    // Stores the text, replacing what was there. The store is written in one piece, so a failed
    // or interrupted write leaves the old value. Throws OperationFailed when it cannot be written.
    virtual void saveSetting(const QString& application, const QString& section,
                             const QString& name, const QString& value) = 0;
};
