// The keyring through QtKeychain, against a real Secret Service: gnome-keyring in a D-Bus session
// of the test's own (see tests/desktop/CMakeLists.txt), and without any.
#include "common/OperationFailed.h"
#include "desktop/storage/QtKeychainStore.h"

#include <QTest>

class TestQtKeychainStore : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void keyKeptReadAndForgotten();
    void noSessionBus_saysNoKeyringAnswersAndKeepsNothing();
};

void TestQtKeychainStore::keyKeptReadAndForgotten()
{
    if (qEnvironmentVariableIsEmpty("QUILLFEN_TEST_KEYRING"))
        QSKIP("needs the keyring this suite's test command starts");
    QtKeychainStore keyring;
    const QString source = QStringLiteral("acme");
    keyring.forgetKey(source);
    QCOMPARE(keyring.readKey(source), std::nullopt);
    keyring.writeKey(source, QStringLiteral("s3cr3t"));
    QCOMPARE(keyring.readKey(source), std::optional(QStringLiteral("s3cr3t")));
    keyring.forgetKey(source);
    QCOMPARE(keyring.readKey(source), std::nullopt);
}

void TestQtKeychainStore::noSessionBus_saysNoKeyringAnswersAndKeepsNothing()
{
    if (!qEnvironmentVariableIsEmpty("QUILLFEN_TEST_KEYRING"))
        QSKIP("runs where no keyring is");
    QtKeychainStore keyring;
    try {
        keyring.writeKey(QStringLiteral("acme"), QStringLiteral("s3cr3t"));
        QFAIL("a key was kept with no keyring to keep it");
    } catch (const OperationFailed& failure) {
        QVERIFY2(failure.description().startsWith(u"No keyring answers"),
                 qPrintable(failure.description()));
        QVERIFY(!failure.description().contains(u"s3cr3t"));
    }
}

QTEST_GUILESS_MAIN(TestQtKeychainStore)
#include "tst_qtkeychainstore.moc"
