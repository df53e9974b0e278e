// Printing labels: 1,000 and 10,000 EAN-13s with a name and a price on Avery L7160 (21 a sheet)
// into a PDF by `quillfen --labels`, the program as a user runs it, its time and its own peak
// memory; beside it zint itself, the command-line tool of the library that draws the bars,
// making 1,000 EPS files of the same codes in one run (--batch). The bound for the
// 10,000-label job is 20 s and 300 MB.
#include "BenchReport.h"
#include "ChildRun.h"
#include "gs1/CodeFacts.h"

#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QProcessEnvironment>
#include <QTemporaryDir>

#include <cstdio>

namespace {
// `count` different EAN-13s, one a line, with or without their check digits.
QByteArray Codes(int count, bool checkDigits)
{
    QByteArray codes;
    for (int i = 0; i < count; ++i) {
        const QString body = QStringLiteral("4006%1").arg(i * 37, 8, 10, QChar(u'0'));
        codes += (checkDigits ? body + Gs1CheckDigit(body) : body).toLatin1() + '\n';
    }
    return codes;
}

QString Written(const QString& folder, const QString& name, const QByteArray& bytes)
{
    const QString path = QDir(folder).filePath(name);
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size()) {
        std::fprintf(stderr, "bench_labels: cannot write %s\n", qPrintable(path));
        std::exit(1);
    }
    return path;
}

void ShowLog(const QString& path)
{
    QFile file(path);
    if (file.open(QIODevice::ReadOnly))
        std::fprintf(stderr, "%s", file.readAll().right(2000).constData());
}
} // namespace

int main(int argc, char* argv[])
{
    QCoreApplication application(argc, argv);
    QTemporaryDir home;
    for (const char* folder : {"config", "cache", "data", "eps"})
        QDir(home.path()).mkpath(QString::fromLatin1(folder));
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(QStringLiteral("LC_ALL"), QStringLiteral("C.UTF-8"));
    environment.insert(QStringLiteral("XDG_CONFIG_HOME"), home.filePath(QStringLiteral("config")));
    environment.insert(QStringLiteral("XDG_CACHE_HOME"), home.filePath(QStringLiteral("cache")));
    environment.insert(QStringLiteral("XDG_DATA_HOME"), home.filePath(QStringLiteral("data")));
    environment.insert(QStringLiteral("QUILLFEN_LOOPBACK_ONLY"), QStringLiteral("1"));
    const QString log = home.filePath(QStringLiteral("log.txt"));

    // zint, the library's own tool: 1,000 EPS files of the same codes in one process.
    const QString bodies = Written(home.path(), QStringLiteral("bodies.txt"), Codes(1000, false));
    const ChildRun zint =
        RunChild({QStringLiteral("zint"), QStringLiteral("--batch"), QStringLiteral("-b"),
                  QStringLiteral("EANX"), QStringLiteral("--filetype=EPS"), QStringLiteral("-o"),
                  home.filePath(QStringLiteral("eps/~~~~.eps")), QStringLiteral("-i"), bodies},
                 environment, log);
    const qsizetype epsFiles =
        QDir(home.filePath(QStringLiteral("eps"))).entryList(QDir::Files).size();
    if (zint.status == 0 && epsFiles == 1000)
        std::printf("zint --batch: 1,000 EPS files in %.2f s, peak %ld MB\n", zint.seconds,
                    zint.peakMegabytes);
    else
        std::printf("zint --batch did not run (status %d, %lld files)\n", zint.status,
                    static_cast<long long>(epsFiles));

    for (const int count : {1000, 10000}) {
        // A name and a price for each, from a spreadsheet as a shop keeps one.
        QByteArray sheet = "EAN,Name,Price\n";
        const QList<QByteArray> codes = Codes(count, true).split('\n');
        for (int i = 0; i < count; ++i)
            sheet += codes[i] + ",Made-up product " + QByteArray::number(i) +
                     " with a long name that is elided," + QByteArray::number(1 + i % 50) + ".99\n";
        const QString input =
            Written(home.path(), QStringLiteral("prices-%1.csv").arg(count), sheet);
        const QString output = home.filePath(QStringLiteral("labels-%1.pdf").arg(count));
        const ChildRun run =
            RunChild({QStringLiteral(QUILLFEN_PROGRAM), QStringLiteral("--labels"),
                      QStringLiteral("avery-l7160"), QStringLiteral("--output"), output,
                      QStringLiteral("--currency"), QStringLiteral("€"), input},
                     environment, log);
        if (run.status != 0) {
            std::fprintf(stderr, "bench_labels: quillfen --labels failed (%d)\n", run.status);
            ShowLog(log);
            return 1;
        }
        const qint64 bytes = QFileInfo(output).size();
        const int pages = (count + 20) / 21;
        std::printf("%d labels on %d L7160 pages: %.2f s, %.0f labels a second, peak %ld MB, "
                    "PDF %.1f MB\n",
                    count, pages, run.seconds, count / run.seconds, run.peakMegabytes,
                    double(bytes) / 1e6);
        const QByteArray operation = QByteArrayLiteral("--labels avery-l7160 to PDF");
        const QByteArray size =
            QByteArray::number(count) + " labels, " + QByteArray::number(pages) + " pages";
        BenchRow row{operation.constData(), size.constData(), run.seconds};
        row.peakMegabytes = run.peakMegabytes;
        if (count == 1000 && zint.status == 0) {
            row.baseline = "zint --batch, 1,000 EPS files";
            row.baselineSeconds = zint.seconds;
            ReportPeerRow(row);
        } else {
            row.target = "< 20 s, < 300 MB";
            ReportRow(row);
        }
    }
    return 0;
}
