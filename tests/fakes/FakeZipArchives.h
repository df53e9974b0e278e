#pragma once

#include "common/OperationFailed.h"
#include "fakes/FakeHook.h"
#include "platform/ZipArchive.h"

#include <QHash>
#include <QMap>

// One entry of a fake container: its bytes, and the size it takes packed (its own size when
// not given).
struct FakeZipEntry
{
    QByteArray bytes;
    qint64 packedSize = -1;
};

// Containers by path, their entries in memory; the limits hold as the real reader holds them.
class FakeZipArchives final : public ZipArchives
{
public:
    using Entries = QMap<QString, FakeZipEntry>;

    ~FakeZipArchives() override;

    std::unique_ptr<ZipArchive> open(const QString& path) override
    {
        hook(u"open");
        if (!archives.contains(path))
            throw OperationFailed(QStringLiteral("it is not a zip container"));
        return std::make_unique<Archive>(archives[path], hook);
    }

    QHash<QString, Entries> archives;
    FakeHook hook{"FakeZipArchives", {u"open", u"read"}};

private:
    class Archive final : public ZipArchive
    {
    public:
        Archive(const Entries& entries, const FakeHook& hook)
            : m_entries(entries)
            , m_hook(hook)
        {}
        ~Archive() override;

        QStringList entryNames() const override { return m_entries.keys(); }

        Entry read(const QString& name, qint64 maxBytes, int maxRatio) override
        {
            m_hook(u"read");
            Entry entry;
            if (!m_entries.contains(name)) {
                entry.refused = Entry::Refused::Missing;
                return entry;
            }
            const FakeZipEntry& stored = m_entries[name];
            const qint64 packed = stored.packedSize < 0 ? stored.bytes.size() : stored.packedSize;
            if (stored.bytes.size() > maxBytes)
                entry.refused = Entry::Refused::TooLarge;
            else if (stored.bytes.size() > packed * maxRatio)
                entry.refused = Entry::Refused::TooCompressed;
            else
                entry.bytes = stored.bytes;
            return entry;
        }

    private:
        Entries m_entries;
        const FakeHook& m_hook;
    };
};
