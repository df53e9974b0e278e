#include "IndexImport.h"

#include "GzipInflater.h"
#include "ImportText.h"
#include "common/Failure.h"
#include "platform/InputFiles.h"

#include <QElapsedTimer>
#include <QFileInfo>

#include <memory>
#include <vector>

namespace {
// Large reads keep the system calls few; the text they inflate to is handed on in pieces of
// the inflater's own size.
constexpr qint64 kReadPiece = 1024 * 1024;

struct Cancelled
{
};
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

QString ProgressText(const ImportProgress& progress)
{
    QString text = QString::number(double(progress.bytesRead) / 1e6, 'f', 1) +
                   QStringLiteral(" of ") + MegabytesText(progress.totalBytes) +
                   QStringLiteral(" read");
    if (progress.totalBytes > 0)
        text += QStringLiteral(" (") +
                QString::number(progress.bytesRead * 100 / progress.totalBytes) +
                QStringLiteral("%)");
    text += QStringLiteral(", ") + GroupedNumber(progress.rows) + QStringLiteral(" rows");
    if (progress.seconds >= 1)
        text += QStringLiteral(", ") + MegabytesText(qint64(progress.bytesPerSecond())) +
                QStringLiteral("/s");
    if (const auto left = progress.secondsLeft())
        text += QStringLiteral(", about ") + DurationText(*left) + QStringLiteral(" left");
    return text;
}

QStringList SummaryLines(const ImportSummary& summary)
{
    QStringList lines;
    const qsizetype files = summary.exports.size();
    switch (summary.outcome) {
    case ImportSummary::Outcome::Imported:
        lines.append(QStringLiteral("Imported ") + GroupedNumber(summary.rows) +
                     QStringLiteral(" products from ") + QString::number(files) +
                     (files == 1 ? QStringLiteral(" file in ") : QStringLiteral(" files in ")) +
                     DurationText(summary.seconds) + QStringLiteral(" (") +
                     MegabytesText(summary.textBytes) + QStringLiteral(" of text)."));
        break;
    case ImportSummary::Outcome::Cancelled:
        lines.append(QStringLiteral("Import cancelled after ") + DurationText(summary.seconds) +
                     QStringLiteral(": the product index is as it was."));
        break;
    case ImportSummary::Outcome::Failed:
    case ImportSummary::Outcome::CannotOpen:
        lines.append(QStringLiteral("Import failed: ") + summary.failure);
        lines.append(QStringLiteral("The product index is as it was."));
        break;
    }
    if (summary.outcome == ImportSummary::Outcome::Imported || summary.skipped.total() > 0) {
        if (summary.skipped.total() == 0) {
            lines.append(QStringLiteral("No line was skipped."));
        } else {
            lines.append(
                QStringLiteral("Skipped ") + GroupedNumber(summary.skipped.total()) +
                QStringLiteral(" lines: ") + GroupedNumber(summary.skipped.wrongFieldCount) +
                QStringLiteral(" with a wrong number of fields, ") +
                GroupedNumber(summary.skipped.emptyCode) + QStringLiteral(" with an empty code."));
        }
    }
    return lines;
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

    const QByteArray language = options.localLanguage.toUtf8();
    std::vector<char> buffer(static_cast<std::size_t>(kReadPiece));
    QString fileName;
    try {
        const std::unique_ptr<ProductIndexBuilder> builder = index.startBuilding();
        for (std::size_t i = 0; i < opened.size(); ++i) {
            InputFile& input = *opened[i];
            fileName = QFileInfo(paths[qsizetype(i)]).fileName();
            IndexedExport file{DatabaseForExportFile(paths[qsizetype(i)]), fileName,
                               input.modified(), 0};
            builder->beginExport(file);
            at.fileNumber = int(i) + 1;
            at.fileName = fileName;

            GzipInflater inflater;
            ExportReader reader(language);
            const auto addRow = [&](const ExportRow& row) { builder->add(row); };
            const auto readText = [&](QByteArrayView text) {
                if (cancel.load(std::memory_order_relaxed))
                    throw Cancelled{};
                reader.feed(text, addRow);
            };
            for (;;) {
                if (cancel.load(std::memory_order_relaxed))
                    throw Cancelled{};
                const qint64 got = input.read(buffer.data(), kReadPiece);
                if (got == 0)
                    break;
                at.bytesRead += got;
                inflater.feed(QByteArrayView(buffer.data(), got), readText);
                if (inflater.state() == GzipInflater::State::Corrupt)
                    return finish(ImportSummary::Outcome::Failed,
                                  fileName + QStringLiteral(": ") + inflater.problem());
                if (!reader.problem().isEmpty())
                    return finish(ImportSummary::Outcome::Failed,
                                  fileName + QStringLiteral(": ") + reader.problem());
                at.rows = summary.rows + reader.rows();
                at.seconds = double(clock.nsecsElapsed()) / 1e9;
                if (progress)
                    progress(at);
            }
            if (!inflater.complete())
                return finish(ImportSummary::Outcome::Failed,
                              fileName + QStringLiteral(": ") + inflater.problem());
            if (!reader.finish(addRow))
                return finish(ImportSummary::Outcome::Failed,
                              fileName + QStringLiteral(": ") + reader.problem());
            summary.rows += reader.rows();
            summary.skipped += reader.skips();
            summary.textBytes += inflater.uncompressedBytes();
            file.products = reader.rows();
            summary.exports.append(file);
        }
        if (cancel.load())
            throw Cancelled{};
        fileName.clear(); // what fails from here on is the index's, not a file's
        builder->commit();
    } catch (const Cancelled&) {
        return finish(ImportSummary::Outcome::Cancelled);
    } catch (const OperationFailed& failure) {
        return finish(ImportSummary::Outcome::Failed,
                      fileName.isEmpty() ? failure.description()
                                         : fileName + QStringLiteral(": ") + failure.description());
    }
    return finish(ImportSummary::Outcome::Imported);
}
