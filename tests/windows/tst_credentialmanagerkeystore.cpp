// The sources' keys in Windows' Credential Manager: kept, read and forgotten through the store,
// and there for Windows itself to list under the name the store gives them.
#include "common/OperationFailed.h"
#include "desktop/storage/CredentialManagerKeyStore.h"

#include <QTest>

// windows.h first: wincred.h uses its types without including it.
// clang-format off
#include <windows.h>
#include <wincred.h>
// clang-format on

namespace {
// What Windows itself holds under the store's name for the source, read past the store.
std::optional<QByteArray> HeldByWindows(const QString& source)
{
    const std::wstring target = CredentialManagerKeyStore::targetName(source).toStdWString();
    PCREDENTIALW credential = nullptr;
    if (!CredReadW(target.c_str(), CRED_TYPE_GENERIC, 0, &credential))
        return std::nullopt;
    QByteArray blob(reinterpret_cast<const char*>(credential->CredentialBlob),
                    qsizetype(credential->CredentialBlobSize));
    CredFree(credential);
    return blob;
}
} // namespace

class TestCredentialManagerKeyStore : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void init();
    void cleanup();
    void key_keptReadAndForgotten_data();
    void key_keptReadAndForgotten();
    void secondWrite_replacesTheFirst();
    void absentKey_readsAsNothingAndForgetsQuietly();
    void tooLongKey_refusedAndNothingKept();

private:
    const QString m_source = QStringLiteral("quillfen-test-source");
};

void TestCredentialManagerKeyStore::init()
{
    CredentialManagerKeyStore().forgetKey(m_source);
}

void TestCredentialManagerKeyStore::cleanup()
{
    CredentialManagerKeyStore().forgetKey(m_source);
}

void TestCredentialManagerKeyStore::key_keptReadAndForgotten_data()
{
    QTest::addColumn<QString>("key");
    QTest::newRow("plain") << QStringLiteral("s3cr3t-0123456789abcdef");
    QTest::newRow("beyond ASCII") << QStringLiteral("Schlüssel-ключ-鍵");
    QTest::newRow("empty") << QString();
}

void TestCredentialManagerKeyStore::key_keptReadAndForgotten()
{
    QFETCH(QString, key);
    CredentialManagerKeyStore store;
    store.writeKey(m_source, key);
    QCOMPARE(HeldByWindows(m_source), std::optional(key.toUtf8()));
    QCOMPARE(store.readKey(m_source), std::optional(key));
    store.forgetKey(m_source);
    QCOMPARE(HeldByWindows(m_source), std::nullopt);
    QCOMPARE(store.readKey(m_source), std::nullopt);
}

void TestCredentialManagerKeyStore::secondWrite_replacesTheFirst()
{
    CredentialManagerKeyStore store;
    store.writeKey(m_source, QStringLiteral("first"));
    store.writeKey(m_source, QStringLiteral("second"));
    QCOMPARE(store.readKey(m_source), std::optional(QStringLiteral("second")));
}

void TestCredentialManagerKeyStore::absentKey_readsAsNothingAndForgetsQuietly()
{
    CredentialManagerKeyStore store;
    QCOMPARE(store.readKey(m_source), std::nullopt);
    store.forgetKey(m_source);
    QCOMPARE(store.readKey(m_source), std::nullopt);
}

void TestCredentialManagerKeyStore::tooLongKey_refusedAndNothingKept()
{
    CredentialManagerKeyStore store;
    const QString key(CRED_MAX_CREDENTIAL_BLOB_SIZE + 1, u'k');
    try {
        store.writeKey(m_source, key);
        QFAIL("a key longer than Windows keeps was taken");
    } catch (const OperationFailed& failure) {
        QVERIFY2(failure.description().contains(u"too long"), qPrintable(failure.description()));
        QVERIFY(!failure.description().contains(key));
    }
    QCOMPARE(HeldByWindows(m_source), std::nullopt);
}

QTEST_GUILESS_MAIN(TestCredentialManagerKeyStore)
#include "tst_credentialmanagerkeystore.moc"
