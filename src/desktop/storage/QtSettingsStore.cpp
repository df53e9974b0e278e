#include "desktop/storage/QtSettingsStore.h"

#include "common/OperationFailed.h"

#include <QCoreApplication>
#include <QFile>
#include <QSettings>
#include <QStringList>
#include <QVariant>

#include <memory>
#include <optional>
#include <utility>

#ifdef Q_OS_UNIX
#include <sys/stat.h>
#include <unistd.h>
#endif

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

// The text stored under the name, if any.
std::optional<QString> StoredText(const QSettings& settings, const QString& name)
{
    const QVariant value = settings.value(name);
    if (!value.isValid())
        return std::nullopt;
    // A value edited by hand without quotes reads as a list when it holds a comma; it was meant
    // as the text it shows.
    if (value.typeId() == QMetaType::QStringList)
        return value.toStringList().join(u',');
    return value.toString();
}

#ifdef Q_OS_UNIX
QByteArray SystemPath(const QString& path)
{
    return QFile::encodeName(path);
}

// The store's file as it was before a save, kept under a second name (a hard link: no copy, no
// space needed) until the save is known to have reached the disk.
class KeptVersion final
{
public:
    explicit KeptVersion(const QString& store)
        : m_store(SystemPath(store))
        , m_kept(SystemPath(store + QStringLiteral(".previous")))
    {
        ::unlink(m_kept.constData()); // left by a save that never finished
        m_exists = ::link(m_store.constData(), m_kept.constData()) == 0;
    }
    KeptVersion(const KeptVersion&) = delete;
    KeptVersion& operator=(const KeptVersion&) = delete;
    ~KeptVersion() { discard(); }

    void discard()
    {
        if (std::exchange(m_exists, false))
            ::unlink(m_kept.constData());
    }

    // Puts the kept file back in the store's place. Without one (there was no store, or the
    // file system has no hard links) there is nothing to put back.
    void restore()
    {
        if (std::exchange(m_exists, false)) {
            if (!sameFile())
                ::rename(m_kept.constData(), m_store.constData());
            ::unlink(m_kept.constData());
        }
    }

private:
    bool sameFile() const
    {
        struct stat store = {};
        struct stat kept = {};
        return ::stat(m_store.constData(), &store) == 0 && ::stat(m_kept.constData(), &kept) == 0 &&
               store.st_dev == kept.st_dev && store.st_ino == kept.st_ino;
    }

    QByteArray m_store;
    QByteArray m_kept;
    bool m_exists = false;
};

// Whether the store's file on the disk holds the value now. QSettings answers every object
// for one file name from what it holds in memory, so the file is read under a name of its own
// (a hard link). Where no such name can be made, `otherwise` is the answer.
bool ReadsBackFromDisk(const QString& store, const QString& section, const QString& name,
                       const QString& value, bool otherwise)
{
    static int checks = 0;
    const QString check = store + QStringLiteral(".check-") +
                          QString::number(QCoreApplication::applicationPid()) + u'-' +
                          QString::number(++checks);
    if (::link(SystemPath(store).constData(), SystemPath(check).constData()) != 0)
        return otherwise;
    bool holdsValue = false;
    {
        QSettings onDisk(check, QSettings::IniFormat);
        onDisk.beginGroup(section);
        holdsValue = StoredText(onDisk, name) == value;
    }
    ::unlink(SystemPath(check).constData());
    return holdsValue;
}
#endif
} // namespace

QString QtSettingsStore::getSetting(const QString& application, const QString& section,
                                    const QString& name, const QString& defaultValue) const
{
    return StoredText(*openSection(application, section), name).value_or(defaultValue);
}

void QtSettingsStore::saveSetting(const QString& application, const QString& section,
                                  const QString& name, const QString& value)
{
    std::unique_ptr<QSettings> settings = openSection(application, section);
    const QString store = settings->fileName();
#ifdef Q_OS_UNIX
    KeptVersion previous(store);
    settings->setValue(name, value);
    settings->sync();
    const QSettings::Status status = settings->status();
    // Gone before the disk is looked at: on its way out, QSettings tries once more to write
    // what it could not.
    settings.reset();
    // The status alone does not tell: QSettings keeps the first problem it met, so a store that
    // was damaged when it was read still says so after it has been written afresh, and on a
    // nearly full disk QSettings can put an empty file in place of the store and call that a
    // success. What is on the disk now tells.
    if (status != QSettings::AccessError &&
        ReadsBackFromDisk(store, section, name, value, status == QSettings::NoError)) {
        previous.discard();
        return;
    }
    previous.restore();
#else
    settings->setValue(name, value);
    settings->sync();
    if (settings->status() == QSettings::NoError)
        return;
#endif
    throw OperationFailed(tr("Could not save the setting \"%1\" in %2").arg(name, store));
}
