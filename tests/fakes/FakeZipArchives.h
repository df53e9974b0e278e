#pragma once

#include "common/OperationFailed.h"
#include "fakes/FakeHook.h"
#include "platform/ZipArchive.h"

#include <QBuffer>
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
        return std::make_unique<Archive>(*this, archives[path]);
    }

    // Copies appear here, by path, as a container the fake can open again.
    QHash<QString, Entries> archives;
    FakeHook hook{"FakeZipArchives", {u"open", u"read", u"stream", u"copyReplacing"}};

private:
    class Archive final : public ZipArchive
    {
    public:
        Archive(FakeZipArchives& owner, const Entries& entries)
            : m_owner(owner)
            , m_entries(entries)
            , m_hook(owner.hook)
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

        std::unique_ptr<QIODevice> stream(const QString& name, qint64 maxBytes,
                                          int maxRatio) override
        {
            m_hook(u"stream");
            Entry whole = read(name, maxBytes, maxRatio);
            if (whole.refused != Entry::Refused::No)
                throw OperationFailed(QStringLiteral("the part ") + name +
                                      QStringLiteral(" cannot be unpacked"));
            auto device = std::make_unique<QBuffer>();
            device->setData(whole.bytes);
            device->open(QIODevice::ReadOnly);
            return device;
        }

        void copyReplacing(const QString& path, const QString& replaced,
                           const std::function<void(QIODevice& out)>& write) override
        {
            m_hook(u"copyReplacing");
            Entries copy = m_entries;
            QBuffer out;
            out.open(QIODevice::WriteOnly);
            write(out);
            copy[replaced] = FakeZipEntry{out.data()};
            m_owner.archives.insert(path, copy);
        }

    private:
        FakeZipArchives& m_owner;
        Entries m_entries;
        const FakeHook& m_hook;
    };
};
