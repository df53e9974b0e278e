#include "desktop/storage/QtKeychainStore.h"

#include "common/OperationFailed.h"

#include <QCoreApplication>
#include <QEventLoop>
#include <qt6keychain/keychain.h>

namespace {

const QString kService = QStringLiteral("Quillfen");

// Runs the job to its end; the keyring answers over D-Bus, so the caller waits here while the
// events go on being handled.
void Run(QKeychain::Job& job)
{
    job.setAutoDelete(false);
    job.setInsecureFallback(false);
    QEventLoop loop;
    QObject::connect(&job, &QKeychain::Job::finished, &loop, &QEventLoop::quit);
    job.start();
    loop.exec(QEventLoop::ExcludeUserInputEvents);
}

[[noreturn]] void Fail(const QKeychain::Job& job)
{
    throw OperationFailed(QCoreApplication::translate("QtKeychainStore", "No keyring answers (%1).")
                              .arg(job.errorString()));
}

} // namespace

std::optional<QString> QtKeychainStore::readKey(const QString& source)
{
    QKeychain::ReadPasswordJob job(kService);
    job.setKey(source);
    Run(job);
    if (job.error() == QKeychain::EntryNotFound)
        return std::nullopt;
    if (job.error() != QKeychain::NoError)
        Fail(job);
    return job.textData();
}

void QtKeychainStore::writeKey(const QString& source, const QString& key)
{
    QKeychain::WritePasswordJob job(kService);
    job.setKey(source);
    job.setTextData(key);
    Run(job);
    if (job.error() != QKeychain::NoError)
        Fail(job);
}

void QtKeychainStore::forgetKey(const QString& source)
{
    QKeychain::DeletePasswordJob job(kService);
    job.setKey(source);
    Run(job);
    if (job.error() != QKeychain::NoError && job.error() != QKeychain::EntryNotFound)
        Fail(job);
}
