// The settings store on Windows: the values in the user's part of the registry, under the key
// where Windows builds of the program have always kept them (application "Zandrik", section
// "Quillfen"), so that a list saved by an earlier version is found and one saved now is found by
// it.
#include "app/SettingsNames.h"
#include "desktop/storage/QtSettingsStore.h"

#include <QTest>

#include <windows.h>

namespace {
const wchar_t kKey[] = L"Software\\VB and VBA Program Settings\\Zandrik\\Quillfen";

std::optional<QString> RegistryText(const QString& name)
{
    wchar_t value[4096] = {};
    DWORD bytes = sizeof value;
    if (RegGetValueW(HKEY_CURRENT_USER, kKey, name.toStdWString().c_str(), RRF_RT_REG_SZ, nullptr,
                     value, &bytes) != ERROR_SUCCESS)
        return std::nullopt;
    return QString::fromWCharArray(value);
}

bool WriteRegistryText(const QString& name, const QString& text)
{
    const std::wstring value = text.toStdWString();
    return RegSetKeyValueW(HKEY_CURRENT_USER, kKey, name.toStdWString().c_str(), REG_SZ,
                           value.c_str(),
                           DWORD((value.size() + 1) * sizeof(wchar_t))) == ERROR_SUCCESS;
}
} // namespace

class TestRegistrySettings : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void init();
    void cleanupTestCase();
    void absentValue_givesTheDefault();
    void save_writesTheTextUnderTheProgramsKey_data();
    void save_writesTheTextUnderTheProgramsKey();
    void valueLeftByAnEarlierVersion_isRead();

private:
    QString codes() const
    {
        return QtSettingsStore().getSetting(
            kSettingsApplication.toString(), kSettingsSection.toString(),
            kCodeListValueName.toString(), QStringLiteral("<absent>"));
    }
};

void TestRegistrySettings::init()
{
    RegDeleteTreeW(HKEY_CURRENT_USER, kKey);
}

void TestRegistrySettings::cleanupTestCase()
{
    RegDeleteTreeW(HKEY_CURRENT_USER, kKey);
}

void TestRegistrySettings::absentValue_givesTheDefault()
{
    QCOMPARE(codes(), QStringLiteral("<absent>"));
}

void TestRegistrySettings::save_writesTheTextUnderTheProgramsKey_data()
{
    QTest::addColumn<QString>("text");
    QTest::newRow("two codes") << QStringLiteral("4988112412613;0823564706221");
    QTest::newRow("empty list") << QString();
    QTest::newRow("commas and quotes stay text") << QStringLiteral("12,345;\"x\";ÄÖÜ");
}

void TestRegistrySettings::save_writesTheTextUnderTheProgramsKey()
{
    QFETCH(QString, text);
    QtSettingsStore store;
    store.saveSetting(kSettingsApplication.toString(), kSettingsSection.toString(),
                      kCodeListValueName.toString(), text);
    QCOMPARE(RegistryText(kCodeListValueName.toString()), std::optional(text));
    QCOMPARE(codes(), text);
}

void TestRegistrySettings::valueLeftByAnEarlierVersion_isRead()
{
    QVERIFY(WriteRegistryText(kCodeListValueName.toString(), QStringLiteral("40172637;978")));
    QCOMPARE(codes(), QStringLiteral("40172637;978"));
}

QTEST_GUILESS_MAIN(TestRegistrySettings)
#include "tst_registrysettings.moc"
