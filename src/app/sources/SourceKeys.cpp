#include "app/sources/SourceKeys.h"

#include "common/OperationFailed.h"
#include "platform/FileSystem.h"
#include "platform/KeyStore.h"

namespace {
// A key is a line of text; a file that holds more is not a key file.
constexpr qint64 kLargestKeyFile = 4096;
} // namespace

SourceKeys::SourceKeys(const QProcessEnvironment& environment, QHash<QString, QString> keyFiles,
                       const FileSystem& files, KeyStore* keyring)
    : m_environment(environment)
    , m_keyFiles(std::move(keyFiles))
    , m_files(files)
    , m_keyring(keyring)
{}

QString SourceKeys::variableFor(const QString& source)
{
    return QStringLiteral("QUILLFEN_KEY_") + source.toUpper();
}

SourceKey SourceKeys::key(const QString& source) const
{
    if (const QString given = m_environment.value(variableFor(source)).trimmed(); !given.isEmpty())
        return {given, {}};
    if (const auto file = m_keyFiles.constFind(source); file != m_keyFiles.constEnd()) {
        // Asked first: a file that is not there cannot be read by anyone, and saying so would
        // send the user to chmod a file they still have to make.
        if (!m_files.fileFound(*file))
            return {std::nullopt, QStringLiteral("The key file %1: no such file.").arg(*file)};
        if (m_files.readableByOthers(*file)) {
            return {std::nullopt,
                    QStringLiteral("The key file %1 may be read by others; make it yours "
                                   "alone (chmod 600 %1) and try again.")
                        .arg(*file)};
        }
        try {
            const FileSystem::Contents contents = m_files.readFile(*file, kLargestKeyFile);
            const QString key = QString::fromUtf8(contents.bytes).trimmed();
            if (contents.overLimit || key.isEmpty() || key.contains(u'\n')) {
                return {std::nullopt,
                        QStringLiteral("The key file %1 does not hold one line.").arg(*file)};
            }
            return {key, {}};
        } catch (const OperationFailed& failure) {
            return {std::nullopt, failure.description()};
        }
    }
    if (!m_keyring)
        return {std::nullopt,
                QStringLiteral("no key given, and no keyring to keep one on this machine (no "
                               "desktop session); give it in %1 or with --key-file %2=PATH (a "
                               "file only you may read)")
                    .arg(variableFor(source), source)};
    try {
        return {m_keyring->readKey(source), {}};
    } catch (const OperationFailed& failure) {
        return {std::nullopt,
                failure.description() +
                    QStringLiteral(" Give the key in %1 or with --key-file %2=PATH (a file only "
                                   "you may read); Quillfen does not keep it in plain text.")
                        .arg(variableFor(source), source)};
    }
}

QString SourceKeys::origin(const QString& source) const
{
    if (!m_environment.value(variableFor(source)).trimmed().isEmpty())
        return variableFor(source);
    if (m_keyFiles.contains(source))
        return key(source).key ? QStringLiteral("--key-file") : QString();
    return key(source).key ? QStringLiteral("keyring") : QString();
}
