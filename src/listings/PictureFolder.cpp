#include "listings/PictureFolder.h"

#include "common/OperationFailed.h"
#include "listings/PictureFetch.h"
#include "listings/PictureKind.h"
#include "lookup/LookupChain.h"
#include "platform/FileSystem.h"
#include "platform/FolderFiles.h"
#include "platform/PictureFiles.h"

#include <QCryptographicHash>
#include <QDir>

#include <algorithm>
#include <condition_variable>
#include <deque>
#include <mutex>
#include <thread>
#include <utility>
#include <vector>

namespace {
// The list of a hundred thousand pictures is some 20 MB.
constexpr qint64 kLargestListBytes = 64 * 1024 * 1024;

QString Sha256Of(const QByteArray& bytes)
{
    return QString::fromLatin1(QCryptographicHash::hash(bytes, QCryptographicHash::Sha256).toHex());
}

// A GTIN of 8 to 14 digits: what a file may be named by.
bool IsFileableGtin(const QString& gtin)
{
    return gtin.size() >= 8 && gtin.size() <= 14 &&
           std::all_of(gtin.cbegin(), gtin.cend(), [](QChar c) { return c >= u'0' && c <= u'9'; });
}

// The source that gave the picture: the one that filled it in, else the one that found the
// product (the database, when a source speaks for several).
QString SourceOfPicture(const CodeOutcome& outcome)
{
    for (const auto& [field, source] : outcome.filledFrom) {
        if (field == u"picture")
            return source;
    }
    return outcome.product.database.isEmpty() ? outcome.source : outcome.product.database;
}
} // namespace

// The folder's disk side: hashes each picture and writes it, on a thread of its own when asked,
// while the next picture is on its way; else at once. Jobs wait in a queue of bounded size.
class PictureFolder::DiskSide final
{
public:
    struct Job
    {
        QString gtin;
        QString path;
        QByteArray bytes;
        bool replace = false;
        // The file of an earlier run's picture of another kind, removed once this one is in place.
        QString replaced;
    };
    struct Done
    {
        QString gtin;
        QString sha256;
        bool placed = false;
        QString failure; // the folder could not be written to
    };

    DiskSide(FolderFiles& folder, bool ownThread)
        : m_folder(folder)
    {
        if (ownThread)
            m_thread = std::thread([this] { run(); });
    }
    ~DiskSide()
    {
        if (!m_thread.joinable())
            return;
        {
            const std::lock_guard lock(m_mutex);
            m_ending = true;
        }
        m_changed.notify_all();
        m_thread.join();
    }
    DiskSide(const DiskSide&) = delete;
    DiskSide& operator=(const DiskSide&) = delete;

    void add(Job job)
    {
        if (!m_thread.joinable()) {
            m_done.push_back(work(job));
            return;
        }
        std::unique_lock lock(m_mutex);
        // A disk slower than the network holds the pictures back rather than memory filling up.
        m_changed.wait(lock, [this] { return m_queuedBytes < kMostQueuedBytes || m_jobs.empty(); });
        m_queuedBytes += job.bytes.size();
        m_jobs.push_back(std::move(job));
        lock.unlock();
        m_changed.notify_all();
    }

    // What was done since the last call; with `all`, once every job is.
    std::vector<Done> take(bool all)
    {
        std::unique_lock lock(m_mutex);
        if (all)
            m_changed.wait(lock, [this] { return m_jobs.empty() && !m_working; });
        return std::exchange(m_done, {});
    }

private:
    static constexpr qint64 kMostQueuedBytes = 64 * 1024 * 1024;

    Done work(const Job& job)
    {
        Done done{job.gtin, Sha256Of(job.bytes), false, {}};
        try {
            done.placed = m_folder.write(job.path, job.bytes, job.replace);
        } catch (const OperationFailed& failure) {
            done.failure = failure.description();
            return done;
        }
        if (done.placed && !job.replaced.isEmpty()) {
            try {
                m_folder.remove(job.replaced);
            } catch (const OperationFailed&) {
                // Left beside the new one; the list names the new one alone.
            }
        }
        return done;
    }

    void run()
    {
        std::unique_lock lock(m_mutex);
        for (;;) {
            m_changed.wait(lock, [this] { return m_ending || !m_jobs.empty(); });
            if (m_jobs.empty())
                return;
            Job job = std::move(m_jobs.front());
            m_jobs.pop_front();
            m_working = true;
            lock.unlock();
            Done done = work(job);
            const qsizetype size = job.bytes.size();
            job = Job();
            lock.lock();
            m_queuedBytes -= size;
            m_working = false;
            m_done.push_back(std::move(done));
            m_changed.notify_all();
        }
    }

    FolderFiles& m_folder;
    std::mutex m_mutex;
    std::condition_variable m_changed;
    std::deque<Job> m_jobs;
    std::vector<Done> m_done;
    qint64 m_queuedBytes = 0;
    bool m_working = false;
    bool m_ending = false;
    std::thread m_thread; // last: it starts using the members above at once
};

PictureFolder::PictureFolder(QString folder, PictureFolderServices services, int pictureSize)
    : m_folder(std::move(folder))
    , m_services(services)
    , m_pictureSize(pictureSize)
    , m_disk(std::make_unique<DiskSide>(m_services.folder, m_services.diskThread))
{
    m_services.folder.makeFolder(m_folder);
    const QString list = pathOf(kPictureManifestName.toString());
    switch (m_services.folder.entryAt(list)) {
    case FolderFiles::Entry::Nothing:
        return;
    case FolderFiles::Entry::Other:
        m_listIsOurs = false;
        return;
    case FolderFiles::Entry::File:
        break;
    }
    std::optional<QList<PictureManifestRow>> rows;
    try {
        const FileSystem::Contents contents = m_services.files.readFile(list, kLargestListBytes);
        if (!contents.overLimit) {
            m_listAsRead = contents.bytes;
            rows = ReadPictureManifest(contents.bytes);
        }
    } catch (const OperationFailed&) {
        // Unreadable: not to be replaced either.
    }
    if (!rows) {
        m_listIsOurs = false;
        return;
    }
    for (const PictureManifestRow& row : *rows)
        m_rows.insert(row.gtin, row);
}

PictureFolder::~PictureFolder() = default;

void PictureFolder::collect(bool all)
{
    QString failure;
    for (const DiskSide::Done& done : m_disk->take(all)) {
        m_writing.remove(done.gtin);
        if (!done.failure.isEmpty() || !done.placed) {
            // Not written; or a file came to stand there meanwhile, which is the user's.
            m_rows.remove(done.gtin);
            m_settled.remove(done.gtin);
            if (done.failure.isEmpty())
                ++m_tally.keptYours;
            else if (failure.isEmpty())
                failure = done.failure;
            continue;
        }
        m_rows[done.gtin].sha256 = done.sha256;
        ++m_tally.saved;
    }
    if (!failure.isEmpty())
        throw OperationFailed(failure);
}

QString PictureFolder::pathOf(const QString& name) const
{
    return QDir(m_folder).filePath(name);
}

PictureFolder::Saving PictureFolder::failed(const QString& reason)
{
    ++m_tally.failed;
    ++m_tally.failures[reason];
    return Saving::Failed;
}

std::optional<QByteArray> PictureFolder::bytesThere(const QString& name) const
{
    const QString path = pathOf(name);
    if (m_services.folder.entryAt(path) != FolderFiles::Entry::File)
        return std::nullopt;
    try {
        // A file larger than any picture is not one this folder saved, nor the same bytes.
        FileSystem::Contents contents = m_services.files.readFile(path, kLargestPictureBytes);
        if (contents.overLimit)
            return std::nullopt;
        return std::move(contents.bytes);
    } catch (const OperationFailed&) {
        return std::nullopt;
    }
}

bool PictureFolder::asListed(const PictureManifestRow& row)
{
    if (m_checked.contains(row.gtin))
        return true;
    const std::optional<QByteArray> there = bytesThere(row.file);
    const bool same = there && there->size() == row.bytes && Sha256Of(*there) == row.sha256;
    if (same)
        m_checked.insert(row.gtin);
    return same;
}

PictureFolder::Saving PictureFolder::save(const CodeOutcome& outcome,
                                          const std::function<bool()>& stop)
{
    if (outcome.status != CodeOutcome::Status::Found)
        return Saving::NotFound;
    const QString gtin = outcome.gtin;
    const QString address = PictureAddressOf(outcome.product.details);
    if (address.isEmpty()) {
        ++m_tally.withoutPicture;
        return Saving::WithoutPicture;
    }
    if (!IsFileableGtin(gtin))
        return failed(tr("no GTIN to name the file by"));
    collect(m_writing.contains(gtin));
    const auto earlier = m_rows.constFind(gtin);
    const bool listed = earlier != m_rows.cend();
    // A code twice in the list, or a picture an earlier run saved from the same address.
    if (listed && earlier->address == address && (m_settled.contains(gtin) || asListed(*earlier))) {
        m_settled.insert(gtin);
        ++m_tally.alreadyThere;
        return Saving::AlreadyThere;
    }

    PictureFetch::Result got = m_services.fetch.fetch(address, outcome.pictureHosts, stop);
    if (got.stopped)
        return Saving::Stopped;
    if (got.bytes.isEmpty())
        return failed(got.failure);
    PictureKind kind = KindOfPicture(got.bytes);
    if (kind == PictureKind::None)
        return failed(tr("not a picture"));
    QByteArray bytes = std::move(got.bytes);
    if (m_pictureSize > 0 && m_services.scaler) {
        try {
            if (std::optional<QByteArray> smaller =
                    m_services.scaler->scaledDown(bytes, m_pictureSize)) {
                bytes = std::move(*smaller); // the original goes at once
                kind = PictureKind::Jpeg;
            }
        } catch (const OperationFailed& failure) {
            return failed(failure.description());
        }
    }
    const QString name = gtin + u'.' + PictureExtension(kind);
    // Its SHA-256 comes with the file written.
    PictureManifestRow row{gtin, name, SourceOfPicture(outcome), address, bytes.size(), {}};
    // What stands under the name: the same bytes are as good as saved; a file an earlier run saved
    // there (still as it wrote it) makes way, as does an empty one, which a power cut may leave of
    // a picture written just before; anything else is the user's, and stays.
    bool replace = false;
    const QString path = pathOf(name);
    if (m_services.folder.entryAt(path) != FolderFiles::Entry::Nothing) {
        const std::optional<QByteArray> there = bytesThere(name);
        if (there && *there == bytes) {
            row.sha256 = Sha256Of(bytes);
            m_rows.insert(gtin, row);
            m_settled.insert(gtin);
            m_checked.insert(gtin);
            ++m_tally.alreadyThere;
            return Saving::AlreadyThere;
        }
        const bool ours = there && (there->isEmpty() || (listed && earlier->file == name &&
                                                         there->size() == earlier->bytes &&
                                                         Sha256Of(*there) == earlier->sha256));
        if (!ours) {
            // The list names the user's file no longer.
            if (listed && earlier->file == name)
                m_rows.remove(gtin);
            ++m_tally.keptYours;
            return Saving::KeptYours;
        }
        replace = true;
    }
    // A picture of another kind than the earlier run's replaces its file.
    const bool otherKind = listed && earlier->file != name && asListed(*earlier);
    QString replaced = otherKind ? pathOf(earlier->file) : QString();
    m_rows.insert(gtin, row);
    m_settled.insert(gtin);
    m_checked.insert(gtin);
    m_writing.insert(gtin);
    m_disk->add(DiskSide::Job{gtin, path, std::move(bytes), replace, std::move(replaced)});
    collect(false);
    return Saving::Saved;
}

QString PictureFolder::fileOf(const QString& gtin)
{
    collect(m_writing.contains(gtin));
    const auto row = m_rows.constFind(gtin);
    return row != m_rows.cend() && m_settled.contains(gtin) ? row->file : QString();
}

void PictureFolder::finish()
{
    collect(true);
    // The list never names a picture that is not on the disk.
    m_services.folder.sync();
    if (!m_listIsOurs)
        return;
    // A picture the user has removed since is no longer listed.
    QList<PictureManifestRow> rows;
    for (const PictureManifestRow& row : std::as_const(m_rows)) {
        if (m_settled.contains(row.gtin) ||
            m_services.folder.entryAt(pathOf(row.file)) == FolderFiles::Entry::File)
            rows.append(row);
    }
    const QByteArray list = PictureManifestBytes(rows);
    if (list == m_listAsRead || (rows.isEmpty() && m_listAsRead.isEmpty()))
        return;
    m_services.folder.write(pathOf(kPictureManifestName.toString()), list, true);
    m_services.folder.sync();
    m_listAsRead = list;
}

QString PictureFolder::summary() const
{
    const PictureTally& t = m_tally;
    //: %1 is a folder; then how many pictures were saved, were there already, were kept as the
    //: user's own file under that name, had no picture, and failed.
    QString text = tr("Pictures in %1: %2 saved, %3 already there, %4 left as your own file of "
                      "that name, %5 without a picture, %6 failed.")
                       .arg(QDir::toNativeSeparators(m_folder), QString::number(t.saved),
                            QString::number(t.alreadyThere), QString::number(t.keptYours),
                            QString::number(t.withoutPicture), QString::number(t.failed));
    if (!t.failures.isEmpty()) {
        QList<std::pair<QString, qsizetype>> reasons;
        for (auto it = t.failures.cbegin(); it != t.failures.cend(); ++it)
            reasons.append({it.key(), it.value()});
        std::sort(reasons.begin(), reasons.end(), [](const auto& a, const auto& b) {
            return a.second != b.second ? a.second > b.second : a.first < b.first;
        });
        QStringList parts;
        for (const auto& [reason, count] : reasons)
            parts.append(QStringLiteral("%1 (%2)").arg(reason, QString::number(count)));
        //: %1 lists reasons, each with how many pictures failed for it.
        text += u' ' + tr("Why: %1.").arg(parts.join(QStringLiteral(", ")));
    }
    if (!m_listIsOurs)
        //: %1 is the file name pictures.csv.
        text += u' ' + tr("The %1 there is not Quillfen's: it was left as it is, and no list "
                          "was written.")
                           .arg(kPictureManifestName);
    return text;
}
