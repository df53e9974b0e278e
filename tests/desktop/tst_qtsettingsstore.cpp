// The settings store on QSettings, pointed at a temporary folder.
#include "app/window/SavedCodeList.h"
#include "common/OperationFailed.h"
#include "desktop/storage/QtSettingsStore.h"

#include <QFile>
#include <QSettings>
#include <QTemporaryDir>
#include <QTest>

class TestQtSettingsStore : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase();
    void init();
    void absentValue_givesTheDefault();
    void save_writesTheUsersConfigFileUnderApplicationAndSection();
    void roundTrip_data();
    void roundTrip();
    void roundTrip_100000Codes();
    void handEditedValueWithCommas_readsAsTheTextShown();
    void unwritableStore_throws();

private:
    QTemporaryDir m_folder;

    QString confPath() const { return m_folder.filePath(QStringLiteral("Zandrik/Quillfen.conf")); }
    QString readCodes(const QtSettingsStore& store) const
    {
        return store.getSetting(kSettingsApplication.toString(), kSettingsSection.toString(),
                                kCodeListValueName.toString(), QStringLiteral("<absent>"));
    }

    void saveCodes(QtSettingsStore& store, const QString& text) const
    {
        store.saveSetting(kSettingsApplication.toString(), kSettingsSection.toString(),
                          kCodeListValueName.toString(), text);
    }
};

void TestQtSettingsStore::initTestCase()
{
    QVERIFY(m_folder.isValid());
    QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, m_folder.path());
}

void TestQtSettingsStore::init()
{
    QFile::remove(confPath());
}

void TestQtSettingsStore::absentValue_givesTheDefault()
{
    QtSettingsStore store;
    QCOMPARE(readCodes(store), QStringLiteral("<absent>"));
}

void TestQtSettingsStore::save_writesTheUsersConfigFileUnderApplicationAndSection()
{
    QtSettingsStore store;
    saveCodes(store, QStringLiteral("111;222"));
    QVERIFY(QFile::exists(confPath()));
    QSettings file(confPath(), QSettings::IniFormat);
    QCOMPARE(file.value(QStringLiteral("Quillfen/Zip Codes")).toString(),
             QStringLiteral("111;222"));
}

void TestQtSettingsStore::roundTrip_data()
{
    QTest::addColumn<QString>("text");
    QTest::newRow("empty") << "";
    QTest::newRow("codes") << "4988112412613;0823564706221";
    QTest::newRow(";; and edges") << ";1;;2;";
    QTest::newRow("commas") << "1,2;3,";
    QTest::newRow("spaces at the ends") << "  1 ; 2  ";
    QTest::newRow("quotes, backslashes, equals, hash") << R"("a";b\c;d=e;#f;[g];\\srv\x;%20)";
    QTest::newRow("leading at sign") << "@Variant(1);@@";
    QTest::newRow("letters of other scripts") << QStringLiteral("café;Ωμέγα;日本;🙂");
    QTest::newRow("tab and line breaks") << "a\tb;c\r\nd;e\rf;g\nh";
}

void TestQtSettingsStore::roundTrip()
{
    QFETCH(QString, text);
    QtSettingsStore store;
    saveCodes(store, text);
    QCOMPARE(readCodes(QtSettingsStore()), text);
}

void TestQtSettingsStore::roundTrip_100000Codes()
{
    QStringList codes;
    for (int i = 0; i < 100'000; ++i)
        codes.append(QString::number(4000000000000LL + i));
    const QString text = codes.join(u';');
    QtSettingsStore store;
    saveCodes(store, text);
    QCOMPARE(readCodes(store), text);
}

void TestQtSettingsStore::handEditedValueWithCommas_readsAsTheTextShown()
{
    QFile file(confPath());
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write("[Quillfen]\nZip%20Codes=111,222\n");
    file.close();
    QCOMPARE(readCodes(QtSettingsStore()), QStringLiteral("111,222"));
}

void TestQtSettingsStore::unwritableStore_throws()
{
    // A file where the folder should be: the store cannot be created.
    QTemporaryDir blocked;
    QFile blocker(blocked.filePath(QStringLiteral("Zandrik")));
    QVERIFY(blocker.open(QIODevice::WriteOnly));
    blocker.close();
    QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, blocked.path());
    QtSettingsStore store;
    QVERIFY_THROWS_EXCEPTION(OperationFailed, saveCodes(store, QStringLiteral("1")));
    QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, m_folder.path());
}

QTEST_GUILESS_MAIN(TestQtSettingsStore)
#include "tst_qtsettingsstore.moc"
