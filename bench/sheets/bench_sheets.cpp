// Spreadsheets: a 100,000-row workbook of 10 columns written by LibreOffice, read and its code
// column chosen (target: under 2 s, peak memory under 100 MB), then written back enriched with an
// answer for every code: as a copy of the workbook itself, its sheet streamed through (target:
// under 3 s, peak under 300 MB), and as new workbooks of the values, .xlsx (target: under
// 3 s) and .ods. Needs soffice (libreoffice-calc-nogui) to make the workbook; says so and stops
// without it. Beside the reading, xlsx2csv on the same workbook, where installed. With
// --read-only, only the reading is measured (no peer, no copies).
#include "BenchReport.h"
#include "PeerRun.h"
#include "app/BatchOutput.h"
#include "desktop/files/LibzipArchives.h"
#include "desktop/files/QtFileSystem.h"
#include "desktop/files/QtOutputFiles.h"
#include "desktop/files/QtWorkbookFiles.h"
#include "lookup/LookupChain.h"
#include "sheets/CodeColumn.h"
#include "sheets/SheetCodes.h"
#include "sheets/SheetFile.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>

#include <cstdio>

namespace {
constexpr int kRows = 100000;

double Seconds(const QElapsedTimer& clock)
{
    return double(clock.nsecsElapsed()) / 1e9;
}

// The process's own processor time so far: beside the wall-clock time, it tells what a busy
// machine added.
double ProcessorSeconds()
{
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    return double(usage.ru_utime.tv_sec + usage.ru_stime.tv_sec) +
           double(usage.ru_utime.tv_usec + usage.ru_stime.tv_usec) / 1e6;
}

// A supplier's price list: a code column among names, prices, quantities and dates.
bool WriteCsv(const QString& path)
{
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        return false;
    QByteArray text = "Item,Name,EAN,Brand,Price,Quantity,Unit,Stock,Supplier,Note\n";
    for (int i = 0; i < kRows; ++i) {
        QByteArray code = QByteArray::number(4000000000000LL + i * 7LL).rightJustified(12, '0');
        int sum = 0;
        for (int k = 0; k < 12; ++k)
            sum += (code[k] - '0') * (k % 2 == 0 ? 1 : 3);
        code += char('0' + (10 - sum % 10) % 10);
        text += "IT" + QByteArray::number(i) + ",Product number " + QByteArray::number(i) + "," +
                code + ",Brand " + QByteArray::number(i % 97) + "," +
                QByteArray::number(1 + i % 50) + "." + QByteArray::number(i % 100) + "," +
                QByteArray::number(i % 12 + 1) + ",pcs," + QByteArray::number(i % 1000) +
                ",Supplier " + QByteArray::number(i % 13) + ",\"note, " + QByteArray::number(i) +
                "\"\n";
    }
    return file.write(text) == text.size();
}
} // namespace

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    const bool readOnly = app.arguments().contains(QStringLiteral("--read-only"));
    const QString soffice = QStandardPaths::findExecutable(QStringLiteral("soffice"));
    if (soffice.isEmpty()) {
        std::printf("bench_sheets: soffice not found (libreoffice-calc-nogui); nothing measured\n");
        return 0;
    }
    QTemporaryDir folder;
    const QString csv = folder.filePath(QStringLiteral("supplier.csv"));
    if (!WriteCsv(csv))
        return 1;
    QProcess convert;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(QStringLiteral("HOME"), folder.path());
    convert.setProcessEnvironment(environment);
    convert.start(soffice,
                  {QStringLiteral("--headless"), QStringLiteral("--convert-to"),
                   QStringLiteral("xlsx"), QStringLiteral("--outdir"), folder.path(), csv});
    if (!convert.waitForFinished(300000) || convert.exitCode() != 0)
        return 1;
    const QString workbook = folder.filePath(QStringLiteral("supplier.xlsx"));
    std::printf("workbook by LibreOffice: %d rows, 10 columns, %lld bytes\n", kRows,
                qlonglong(QFileInfo(workbook).size()));

    QtFileSystem files;
    LibzipArchives zips;
    QElapsedTimer clock;
    clock.start();
    double processor = ProcessorSeconds();
    const Sheet sheet =
        ReadSheetFile(workbook, SheetFormat::Xlsx, QString(), SheetServices{files, zips});
    const CodeColumnChoice choice = ChooseCodeColumn(sheet);
    const std::vector<SheetCode> codes = CodesOfColumn(sheet, choice.column, choice.firstRow);
    const double read = Seconds(clock);
    std::printf("read: %.3f s (processor %.3f s), %zu codes in column %s, peak %ld MB\n", read,
                ProcessorSeconds() - processor, codes.size(),
                qPrintable(ColumnLetter(choice.column)), PeakMegabytes());
    if (readOnly)
        return 0;
    // The peer: xlsx2csv turning the same workbook into text.
    const PeerRun xlsx2csv = RunPeer({"xlsx2csv", workbook.toStdString()});
    if (xlsx2csv.ran())
        std::printf("peer xlsx2csv: %.3f s; ratio %.2f (target < 1)\n", xlsx2csv.seconds,
                    read / xlsx2csv.seconds);
    else
        std::printf("peer xlsx2csv: did not run\n");
    ReportPeerRow({"read a LibreOffice .xlsx", "100,000 rows", read,
                   xlsx2csv.ran() ? "xlsx2csv" : nullptr, xlsx2csv.seconds,
                   "< 2 s, < 100 MB, ratio < 1"});

    QtOutputFiles outputs(&MakeQtWorkbookFile);
    const EnrichedSource source{workbook, zips, files};
    // The copy of the workbook itself first, so that its peak is what reading and copying cost
    // together, as in a run; the value copies follow.
    const auto enrich = [&](const char* name, OutcomeFormat format, bool itself) {
        BatchOptions options;
        options.output = folder.filePath(QString::fromUtf8(name));
        clock.restart();
        processor = ProcessorSeconds();
        std::unique_ptr<BatchOutput> output = BatchOutput::openEnriched(
            options, format, sheet, choice, outputs, nullptr, itself ? &source : nullptr);
        for (const SheetCode& code : codes) {
            CodeOutcome outcome;
            outcome.status = CodeOutcome::Status::Found;
            outcome.code = code.code;
            outcome.gtin = code.code;
            outcome.product.name = QStringLiteral("Product ") + code.code;
            outcome.product.brand = QStringLiteral("Brand");
            outcome.product.quantity = QStringLiteral("400 g");
            outcome.source = QStringLiteral("Open Food Facts");
            output->add(outcome);
        }
        output->finish();
        const double written = Seconds(clock);
        std::printf("enriched %s written: %.3f s (processor %.3f s), %lld bytes, peak %ld MB\n",
                    name, written, ProcessorSeconds() - processor,
                    qlonglong(QFileInfo(options.output).size()), PeakMegabytes());
        return written;
    };
    ReportRow({"copy an .xlsx with its answers added", "100,000 rows",
               enrich("enriched copy.xlsx", OutcomeFormat::Xlsx, true), nullptr, 0,
               "< 3 s, < 300 MB"});
    ReportRow({"write an enriched .xlsx", "100,000 rows",
               enrich("enriched.xlsx", OutcomeFormat::Xlsx, false), nullptr, 0, "< 3 s"});
    ReportRow({"write an enriched .ods", "100,000 rows",
               enrich("enriched.ods", OutcomeFormat::Ods, false), nullptr, 0, "-"});
    return 0;
}
