#include "desktop/storage/CredentialManagerKeyStore.h"

#include "common/OperationFailed.h"

#include <QCoreApplication>

#include <algorithm>
#include <string>
// windows.h first: wincred.h uses its types without including it.
// clang-format off
#include <windows.h>
#include <wincred.h>
// clang-format on

namespace {

std::wstring Wide(const QString& text)
{
    return text.toStdWString();
}

[[noreturn]] void Fail(DWORD error)
{
    throw OperationFailed(
        QCoreApplication::translate("CredentialManagerKeyStore",
                                    "The Windows Credential Manager did not answer (%1).")
            .arg(qt_error_string(int(error)).trimmed()));
}

// The copy of a key on its way to Windows, wiped before its memory goes back.
class WipedBytes final
{
public:
    explicit WipedBytes(const QString& text)
        : m_bytes(text.toUtf8())
    {}
    ~WipedBytes() { std::fill(m_bytes.begin(), m_bytes.end(), '\0'); }
    WipedBytes(const WipedBytes&) = delete;
    WipedBytes& operator=(const WipedBytes&) = delete;

    QByteArray& bytes() { return m_bytes; }

private:
    QByteArray m_bytes;
};

} // namespace

QString CredentialManagerKeyStore::targetName(const QString& source)
{
    return QStringLiteral("Quillfen/") + source;
}

std::optional<QString> CredentialManagerKeyStore::readKey(const QString& source)
{
    const std::wstring target = Wide(targetName(source));
    PCREDENTIALW credential = nullptr;
    if (!CredReadW(target.c_str(), CRED_TYPE_GENERIC, 0, &credential)) {
        const DWORD error = GetLastError();
        if (error == ERROR_NOT_FOUND)
            return std::nullopt;
        Fail(error);
    }
    QString key = QString::fromUtf8(reinterpret_cast<const char*>(credential->CredentialBlob),
                                    qsizetype(credential->CredentialBlobSize));
    SecureZeroMemory(credential->CredentialBlob, credential->CredentialBlobSize);
    CredFree(credential);
    return key;
}

void CredentialManagerKeyStore::writeKey(const QString& source, const QString& key)
{
    std::wstring target = Wide(targetName(source));
    std::wstring user = Wide(source);
    WipedBytes blob(key);
    // Windows' own limit; refused here with a plain word rather than Windows' general one.
    if (blob.bytes().size() > CRED_MAX_CREDENTIAL_BLOB_SIZE) {
        throw OperationFailed(
            QCoreApplication::translate("CredentialManagerKeyStore",
                                        "The key is too long for the Windows Credential Manager "
                                        "(%1 bytes at most).")
                .arg(CRED_MAX_CREDENTIAL_BLOB_SIZE));
    }
    CREDENTIALW credential = {};
    credential.Type = CRED_TYPE_GENERIC;
    credential.TargetName = target.data();
    credential.UserName = user.data();
    credential.CredentialBlobSize = DWORD(blob.bytes().size());
    credential.CredentialBlob = reinterpret_cast<LPBYTE>(blob.bytes().data());
    credential.Persist = CRED_PERSIST_LOCAL_MACHINE;
    if (!CredWriteW(&credential, 0))
        Fail(GetLastError());
}

void CredentialManagerKeyStore::forgetKey(const QString& source)
{
    const std::wstring target = Wide(targetName(source));
    if (!CredDeleteW(target.c_str(), CRED_TYPE_GENERIC, 0) && GetLastError() != ERROR_NOT_FOUND)
        Fail(GetLastError());
}
