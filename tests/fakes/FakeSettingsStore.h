#pragma once

#include "fakes/FakeHook.h"
#include "platform/SettingsStore.h"

#include <QMap>

class FakeSettingsStore final : public SettingsStore
{
public:
    ~FakeSettingsStore() override;
    QString getSetting(const QString& application, const QString& section, const QString& name,
                       const QString& defaultValue) const override
    {
        hook(u"getSetting");
        return values.value(key(application, section, name), defaultValue);
    }
    void saveSetting(const QString& application, const QString& section, const QString& name,
                     const QString& value) override
    {
        hook(u"saveSetting");
        values.insert(key(application, section, name), value);
        ++saves;
    }

    // "application/section/name", as tests address a value.
    static QString key(const QString& application, const QString& section, const QString& name)
    {
        return application + u'/' + section + u'/' + name;
    }

    QMap<QString, QString> values;
    int saves = 0;
    FakeHook hook{"FakeSettingsStore", {u"getSetting", u"saveSetting"}};
};
