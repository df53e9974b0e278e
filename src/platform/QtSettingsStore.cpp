#include "QtSettingsStore.h"

#include "common/Failure.h"

#include <QSettings>
#include <QStringList>
#include <QVariant>

#include <memory>

namespace {
std::unique_ptr<QSettings> openSection(const QString& application, const QString& section)
{
#ifdef Q_OS_WIN
    return std::make_unique<QSettings>(
        QStringLiteral("HKEY_CURRENT_USER\\Software\\VB and VBA Program Settings\\") + application +
            u'\\' + section,
        QSettings::NativeFormat);
#else
    auto settings = std::make_unique<QSettings>(QSettings::NativeFormat, QSettings::UserScope,
                                                application, section);
    settings->beginGroup(section);
    return settings;
#endif
}
} // namespace

QString QtSettingsStore::getSetting(const QString& application, const QString& section,
                                    const QString& name, const QString& defaultValue) const
{
    const std::unique_ptr<QSettings> settings = openSection(application, section);
    const QVariant value = settings->value(name);
    if (!value.isValid())
        return defaultValue;
    // A value edited by hand without quotes reads as a list when it holds a comma; it was meant
    // as the text it shows.
    if (value.typeId() == QMetaType::QStringList)
        return value.toStringList().join(u',');
    return value.toString();
}

void QtSettingsStore::saveSetting(const QString& application, const QString& section,
                                  const QString& name, const QString& value)
{
    const std::unique_ptr<QSettings> settings = openSection(application, section);
    settings->setValue(name, value);
    settings->sync();
    if (settings->status() != QSettings::NoError)
        throw OperationFailed(QStringLiteral("Could not save the setting \"") + name +
                              QStringLiteral("\" in ") + settings->fileName());
}
