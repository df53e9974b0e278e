#pragma once

#include "platform/SettingsStore.h"

#include <QCoreApplication>

// The settings store on QSettings. On Linux and macOS each application name and section is one
// file in the user's configuration folder (~/.config/<application>/<section>.conf, the values in
// the group [<section>]). On Windows the values live in the registry key where Windows builds of
// this program have always kept them, so a user's saved list carries over.
class QtSettingsStore final : public SettingsStore
{
    Q_DECLARE_TR_FUNCTIONS(QtSettingsStore)
public:
    QString getSetting(const QString& application, const QString& section, const QString& name,
                       const QString& defaultValue) const override;
    void saveSetting(const QString& application, const QString& section, const QString& name,
                     const QString& value) override;
};
