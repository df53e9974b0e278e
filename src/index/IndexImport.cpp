#include "index/IndexImport.h"

#include "common/OperationFailed.h"
#include "index/ExportDecoder.h"
#include "index/ImportText.h"
#include "platform/InputFiles.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QFileInfo>
#include <QScopeGuard>

#include <array>
#include <condition_variable>
#include <deque>
#include <memory>
#include <mutex>
#include <thread>
#include <vector>

namespace {
// Rows travel from the reading thread to the writing one in batches: large enough that the
// hand-over costs nothing, few enough in flight that memory stays small (a batch holds only
// the fields the index keeps, about a tenth of the text). A batch is handed over at whichever
// bound it reaches first: rows of long names fill the bytes long before the rows.
constexpr std::size_t kBatchRows = 8192;
constexpr qsizetype kBatchBytes = 1024 * 1024;
constexpr std::size_t kBatchesInFlight = 4;
// A spare batch whose buffer grew past this (one row of the longest fields can push it over its
// bound) gives the memory back instead of keeping it for the rest of the import.
constexpr qsizetype kLargestSpareBytes = 2 * kBatchBytes;

struct Cancelled
{
};

// Rows copied out of the text, so that the reader can go on while they are written.
struct RowBatch
{
    static constexpr int kFields = 14;
    QByteArray bytes;
    std::vector<std::array<std::pair<qsizetype, qsizetype>, kFields>> rows;
    qint64 bytesReadAfter = 0; // compressed bytes read once this batch was complete

    void add(const ExportRow& row)
    {
        auto& spans = rows.emplace_back();
        const QByteArrayView fields[kFields] = {
            row.code,        row.key,          row.productName,  row.localName,    row.englishName,
            row.genericName, row.brands,       row.quantity,     row.mainCategory, row.countries,
            row.image,       row.moreNames[0], row.moreNames[1], row.moreNames[2]};
        for (int i = 0; i < kFields; ++i) {
            spans[std::size_t(i)] = {bytes.size(), fields[i].size()};
            bytes += fields[i];
        }
    }

    ExportRow row(std::size_t i) const
    {
        const auto view = [&](int field) {
            const auto [at, size] = rows[i][std::size_t(field)];
            return QByteArrayView(bytes.constData() + at, size);
        };
        return ExportRow{view(0), view(1), view(2),  view(3),
                         view(4), view(5), view(6),  view(7),
                         view(8), view(9), view(10), {view(11), view(12), view(13)}};
    }

    bool full() const { return rows.size() >= kBatchRows || bytes.size() >= kBatchBytes; }

    void clear()
    {
        if (bytes.capacity() > kLargestSpareBytes)
            bytes = QByteArray();
        else
            bytes.resize(0);
        rows.clear();
    }
};

// Full batches one way, emptied ones back, at most a few in flight.
class BatchQueue
{
public:
    // False once the writing side has stopped.
    bool push(std::unique_ptr<RowBatch> batch)
    {
        std::unique_lock lock(m_mutex);
        m_changed.wait(lock, [&] { return m_full.size() < kBatchesInFlight || m_stopped; });
        if (m_stopped)
            return false;
        m_full.push_back(std::move(batch));
        m_changed.notify_all();
        return true;
    }
    // None once the reading side has closed and every batch is taken.
    std::unique_ptr<RowBatch> pop()
    {
        std::unique_lock lock(m_mutex);
        m_changed.wait(lock, [&] { return !m_full.empty() || m_closed; });
        if (m_full.empty())
            return nullptr;
        auto batch = std::move(m_full.front());
        m_full.pop_front();
        m_changed.notify_all();
        return batch;
    }
    std::unique_ptr<RowBatch> spare()
    {
        const std::lock_guard lock(m_mutex);
        if (m_spare.empty())
            return std::make_unique<RowBatch>();
        auto batch = std::move(m_spare.back());
        m_spare.pop_back();
        return batch;
    }
    void recycle(std::unique_ptr<RowBatch> batch)
    {
        batch->clear();
        const std::lock_guard lock(m_mutex);
        m_spare.push_back(std::move(batch));
    }
    void close()
    {
        const std::lock_guard lock(m_mutex);
        m_closed = true;
        m_changed.notify_all();
    }
    void stop()
    {
        const std::lock_guard lock(m_mutex);
        m_stopped = true;
        m_changed.notify_all();
    }

private:
    std::mutex m_mutex;
    std::condition_variable m_changed;
    std::deque<std::unique_ptr<RowBatch>> m_full;
    std::vector<std::unique_ptr<RowBatch>> m_spare;
    bool m_closed = false;
    bool m_stopped = false;
};

// What reading one file came to.
struct FileRead
{
    QString failure; // empty when the file was read whole
    qint64 rows = 0;
    ExportSkips skips;
    qint64 fieldsCut = 0;
    qint64 textBytes = 0;
};

struct Stopped
{
};

// Reads, inflates and splits one file into batches; runs in a thread of its own.
void ReadExport(InputFile& input, const QList<QByteArray>& languages, qint64 bytesBefore,
                BatchQueue& queue, const std::atomic<bool>& cancel, FileRead& result)
{
    try {
        ExportDecoder decoder;
        ExportReader reader(languages);
        std::vector<char> buffer(static_cast<std::size_t>(ExportDecoder::kReadPiece));
        std::unique_ptr<RowBatch> batch = queue.spare();
        qint64 bytesRead = bytesBefore;
        const auto handOver = [&] {
            batch->bytesReadAfter = bytesRead;
            if (!queue.push(std::move(batch)))
                throw Stopped{};
            batch = queue.spare();
        };
        const auto addRow = [&](const ExportRow& row) {
            batch->add(row);
            if (batch->full())
                handOver();
        };
        const auto readText = [&](QByteArrayView text) {
            if (cancel.load(std::memory_order_relaxed))
                throw Stopped{};
            reader.feed(text, addRow);
        };
        for (;;) {
            if (cancel.load(std::memory_order_relaxed))
                throw Stopped{};
            const qint64 got = input.read(buffer.data(), ExportDecoder::kReadPiece);
            if (got == 0)
                break;
            bytesRead += got;
            if (!decoder.feed(QByteArrayView(buffer.data(), got), readText))
                throw OperationFailed(decoder.problem());
            if (!reader.problem().isEmpty())
                throw OperationFailed(reader.problem());
            // Each piece read is reported, even when it gave no whole batch.
            handOver();
        }
        if (!decoder.finish(readText))
            throw OperationFailed(decoder.problem());
        if (!reader.problem().isEmpty())
            throw OperationFailed(reader.problem());
        if (!reader.finish(addRow))
            throw OperationFailed(reader.problem());
        handOver();
        result.rows = reader.rows();
        result.skips = reader.skips();
        result.fieldsCut = reader.fieldsCut();
        result.textBytes = decoder.textBytes();
    } catch (const OperationFailed& failure) {
        result.failure = failure.description();
    } catch (const Stopped&) {
    } catch (const std::exception& failure) {
        result.failure = QString::fromLocal8Bit(failure.what());
    } catch (...) {
        // Nothing may leave a thread: it would end the program.
        result.failure =
            QCoreApplication::translate("IndexImport", "unexpected error while reading");
    }
    queue.close();
}
} // namespace

double ImportProgress::bytesPerSecond() const
{
    return seconds > 0 ? double(bytesRead) / seconds : 0;
}

std::optional<double> ImportProgress::secondsLeft() const
{
    if (seconds < 1 || bytesRead <= 0 || totalBytes < bytesRead)
        return std::nullopt;
    return double(totalBytes - bytesRead) / bytesPerSecond();
}

namespace {
// The kinds of skipped lines, each with its count, as the summary and the failure list them.
QString WrongFieldCountText(const ExportSkips& skips)
{
    return QCoreApplication::translate("IndexImport", "%1 with a wrong number of fields")
        .arg(GroupedNumber(skips.wrongFieldCount));
}

QString EmptyCodeText(const ExportSkips& skips)
{
    return QCoreApplication::translate("IndexImport", "%1 with an empty code")
        .arg(GroupedNumber(skips.emptyCode));
}

QString NotJsonText(const ExportSkips& skips)
{
    return QCoreApplication::translate("IndexImport", "%1 that are not a JSON object")
        .arg(GroupedNumber(skips.notJson));
}

QString LongCodeText(const ExportSkips& skips)
{
    return QCoreApplication::translate("IndexImport", "%1 with a code longer than %2 characters")
        .arg(GroupedNumber(skips.longCode), GroupedNumber(kLongestCode));
}

QString LongLineText(const ExportSkips& skips)
{
    return QCoreApplication::translate("IndexImport", "%1 longer than %2 bytes")
        .arg(GroupedNumber(skips.longLine), GroupedNumber(kLongestExportLine));
}
} // namespace

QString ProgressText(const ImportProgress& progress)
{
    const QString read = QString::number(double(progress.bytesRead) / 1e6, 'f', 1);
    //: %1 is a number of megabytes read, %2 the size of the file ("12.5 MB").
    QString text = progress.totalBytes > 0
                       //: %3 is how much of the file was read, in per cent.
                       ? QCoreApplication::translate("IndexImport", "%1 of %2 read (%3%)")
                             .arg(read, MegabytesText(progress.totalBytes),
                                  QString::number(progress.bytesRead * 100 / progress.totalBytes))
                       : QCoreApplication::translate("IndexImport", "%1 of %2 read")
                             .arg(read, MegabytesText(progress.totalBytes));
    text += QStringLiteral(", ") +
            QCoreApplication::translate("IndexImport", "%1 rows").arg(GroupedNumber(progress.rows));
    if (progress.completing)
        return text + QStringLiteral(", ") +
               QCoreApplication::translate("IndexImport", "sorting them into the index");
    if (progress.seconds >= 1)
        //: A speed: %1 is a size ("3.2 MB").
        text += QStringLiteral(", ") + QCoreApplication::translate("IndexImport", "%1/s")
                                           .arg(MegabytesText(qint64(progress.bytesPerSecond())));
    if (const auto left = progress.secondsLeft())
        //: %1 is a time ("2 min 05 s").
        text +=
            QStringLiteral(", ") +
            QCoreApplication::translate("IndexImport", "about %1 left").arg(DurationText(*left));
    return text;
}

QStringList SummaryLines(const ImportSummary& summary)
{
    QStringList lines;
    const qsizetype files = summary.exports.size();
    switch (summary.outcome) {
    case ImportSummary::Outcome::Imported:
        //: %1 is a number of products, %2 of files, %3 a time, %4 a size ("12.5 MB").
        lines.append(
            (files == 1
                 ? QCoreApplication::translate(
                       "IndexImport", "Imported %1 products from %2 file in %3 (%4 of text).")
                 : QCoreApplication::translate(
                       "IndexImport", "Imported %1 products from %2 files in %3 (%4 of text)."))
                .arg(GroupedNumber(summary.rows), QString::number(files),
                     DurationText(summary.seconds), MegabytesText(summary.textBytes)));
        break;
    case ImportSummary::Outcome::Cancelled:
        lines.append(
            QCoreApplication::translate(
                "IndexImport", "Import cancelled after %1: the product index is as it was.")
                .arg(DurationText(summary.seconds)));
        break;
    case ImportSummary::Outcome::Failed:
    case ImportSummary::Outcome::CannotOpen:
        lines.append(
            QCoreApplication::translate("IndexImport", "Import failed: %1").arg(summary.failure));
        lines.append(QCoreApplication::translate("IndexImport", "The product index is as it was."));
        break;
    }
    if (summary.outcome == ImportSummary::Outcome::Imported || summary.skipped.total() > 0)
        lines.append(SkippedLinesLine(summary.skipped));
    if (summary.fieldsCut > 0)
        lines.append(
            QCoreApplication::translate("IndexImport",
                                        "Cut %1 names, brands or quantities at %2 characters.")
                .arg(GroupedNumber(summary.fieldsCut), GroupedNumber(kLongestIndexedText)));
    return lines;
}

QString SkippedLinesLine(const ExportSkips& skipped)
{
    if (skipped.total() == 0)
        return QCoreApplication::translate("IndexImport", "No line was skipped.");
    //: %1 is the number of lines skipped; the reasons follow, one count each.
    QString line =
        QCoreApplication::translate("IndexImport", "Skipped %1 lines: %2")
            .arg(GroupedNumber(skipped.total()),
                 WrongFieldCountText(skipped) + QStringLiteral(", ") + EmptyCodeText(skipped));
    // Rare enough to be named only when it happened.
    if (skipped.notJson > 0)
        line += QStringLiteral(", ") + NotJsonText(skipped);
    if (skipped.longCode > 0)
        line += QStringLiteral(", ") + LongCodeText(skipped);
    if (skipped.longLine > 0)
        line += QStringLiteral(", ") + LongLineText(skipped);
    return line + u'.';
}

QString NoProductsFailure(const QString& fileName, const ExportSkips& skips)
{
    QStringList why;
    if (skips.wrongFieldCount > 0)
        why.append(WrongFieldCountText(skips));
    if (skips.emptyCode > 0)
        why.append(EmptyCodeText(skips));
    if (skips.notJson > 0)
        why.append(NotJsonText(skips));
    if (skips.longCode > 0)
        why.append(LongCodeText(skips));
    if (skips.longLine > 0)
        why.append(LongLineText(skips));
    if (why.isEmpty())
        why.append(QCoreApplication::translate("IndexImport", "the file holds a header line only"));
    //: %1 is the file's name, %2 the number of lines skipped, %3 the reasons.
    return (skips.total() == 1 ? QCoreApplication::translate(
                                     "IndexImport", "no products in %1 (%2 line skipped: %3)")
                               : QCoreApplication::translate(
                                     "IndexImport", "no products in %1 (%2 lines skipped: %3)"))
        .arg(fileName, GroupedNumber(skips.total()), why.join(QStringLiteral(", ")));
}

QString DatabaseForExportFile(const QString& path)
{
    QString name = QFileInfo(path).fileName();
    const QString lower = name.toLower();
    // Longest names first: each sibling's name ends in "facts" like the food database's.
    static const std::pair<const char*, const char*> kKnown[] = {
        {"openpetfoodfacts", "Open Pet Food Facts"},
        {"openbeautyfacts", "Open Beauty Facts"},
        {"openproductsfacts", "Open Products Facts"},
        {"openfoodfacts", "Open Food Facts"},
    };
    for (const auto& [marker, database] : kKnown)
        if (lower.contains(QLatin1StringView(marker)))
            return QString::fromLatin1(database);
    for (const QLatin1StringView ending : {QLatin1StringView(".gz"), QLatin1StringView(".csv"),
                                           QLatin1StringView(".tsv"), QLatin1StringView(".txt")})
        if (name.endsWith(ending, Qt::CaseInsensitive) && name.size() > ending.size())
            name.chop(ending.size());
    return name;
}

ImportSummary ImportExports(const QStringList& paths, InputFiles& files, ProductIndex& index,
                            const std::atomic<bool>& cancel, const ImportProgressSink& progress,
                            const ImportOptions& options)
{
    QElapsedTimer clock;
    clock.start();
    ImportSummary summary;
    const auto finish = [&](ImportSummary::Outcome outcome, QString failure = {}) {
        summary.outcome = outcome;
        summary.failure = std::move(failure);
        summary.seconds = double(clock.nsecsElapsed()) / 1e9;
        return summary;
    };

    // Every file is opened first: one that cannot be read stops the import before it starts.
    std::vector<std::unique_ptr<InputFile>> opened;
    ImportProgress at;
    at.fileCount = int(paths.size());
    try {
        for (const QString& path : paths) {
            opened.push_back(files.open(path));
            at.totalBytes += opened.back()->size();
        }
    } catch (const OperationFailed& failure) {
        return finish(ImportSummary::Outcome::CannotOpen, failure.description());
    }

    // Reading (inflating and splitting) runs in a thread of its own while this one writes the
    // index: each takes about half the time, and the machine has at least two cores.
    const QStringList keptLanguages = options.keptLanguages();
    QList<QByteArray> languages;
    for (const QString& language : keptLanguages)
        languages.append(language.toUtf8());
    QString fileName;
    try {
        const std::unique_ptr<ProductIndexBuilder> builder = index.startBuilding();
        builder->giveUpWhen(cancel);
        builder->setLanguages(keptLanguages);
        for (std::size_t i = 0; i < opened.size(); ++i) {
            InputFile& input = *opened[i];
            fileName = QFileInfo(paths[qsizetype(i)]).fileName();
            IndexedExport file{DatabaseForExportFile(paths[qsizetype(i)]), fileName,
                               input.modified(), 0};
            builder->beginExport(file);
            at.fileNumber = int(i) + 1;
            at.fileName = fileName;

            BatchQueue queue;
            FileRead read;
            std::thread reading(ReadExport, std::ref(input), std::cref(languages), at.bytesRead,
                                std::ref(queue), std::cref(cancel), std::ref(read));
            // However this scope is left, the reading thread is stopped and joined first.
            const auto joinReading = qScopeGuard([&] {
                queue.stop();
                reading.join();
            });
            const qint64 rowsBefore = at.rows;
            while (std::unique_ptr<RowBatch> batch = queue.pop()) {
                for (std::size_t row = 0; row < batch->rows.size(); ++row)
                    builder->add(batch->row(row));
                at.rows += qint64(batch->rows.size());
                const bool moved = batch->bytesReadAfter > at.bytesRead;
                at.bytesRead = batch->bytesReadAfter;
                queue.recycle(std::move(batch));
                if (cancel.load(std::memory_order_relaxed))
                    throw Cancelled{};
                if (moved && progress) {
                    at.seconds = double(clock.nsecsElapsed()) / 1e9;
                    progress(at);
                }
            }
            if (cancel.load())
                throw Cancelled{};
            if (!read.failure.isEmpty())
                return finish(ImportSummary::Outcome::Failed,
                              fileName + QStringLiteral(": ") + read.failure);
            Q_ASSERT(at.rows - rowsBefore == read.rows);
            // An export that gave nothing is the wrong file or a broken one; imported, it would
            // leave an index that finds nothing in place of one that answered.
            if (read.rows == 0)
                return finish(ImportSummary::Outcome::Failed,
                              NoProductsFailure(fileName, read.skips));
            summary.rows += read.rows;
            summary.skipped += read.skips;
            summary.fieldsCut += read.fieldsCut;
            summary.textBytes += read.textBytes;
            file.products = read.rows;
            summary.exports.append(file);
        }
        if (cancel.load())
            throw Cancelled{};
        fileName.clear(); // what fails from here on is the index's, not a file's
        // Every row is in; what is left is sorting them into the index, which has no bytes to
        // count, and the progress line says so rather than stand still at 100%.
        at.completing = true;
        if (progress) {
            at.seconds = double(clock.nsecsElapsed()) / 1e9;
            progress(at);
        }
        builder->commit();
    } catch (const Cancelled&) {
        return finish(ImportSummary::Outcome::Cancelled);
    } catch (const OperationFailed& failure) {
        // A cancel during the last step stops the builder, which can only say it failed.
        if (cancel.load())
            return finish(ImportSummary::Outcome::Cancelled);
        return finish(ImportSummary::Outcome::Failed,
                      fileName.isEmpty() ? failure.description()
                                         : fileName + QStringLiteral(": ") + failure.description());
    } catch (const std::exception& failure) {
        // This runs in a worker thread, where nothing may be thrown out (out of memory, say).
        if (cancel.load())
            return finish(ImportSummary::Outcome::Cancelled);
        return finish(ImportSummary::Outcome::Failed, QString::fromLocal8Bit(failure.what()));
    }
    return finish(ImportSummary::Outcome::Imported);
}
