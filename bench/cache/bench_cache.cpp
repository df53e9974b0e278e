// How fast remembered answers are kept and found in the SQLite store: 100,000 answers stored one
// by one as a run stores them, the store opened and checked on a file that holds them, a second
// run's 10,000 codes (opening included; target under a second), and 100,000 finds as a batch run
// of remembered codes makes them (target under three seconds for the whole batch).
// "--codes N" measures another size.
#include "BenchReport.h"
#include "desktop/storage/SqliteAnswerStore.h"

#include <QCoreApplication>
#include <QDateTime>
#include <QElapsedTimer>
#include <QFile>
#include <QLocale>
#include <QTemporaryDir>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <functional>

namespace {
int kCodes = 100'000;
constexpr int kSecondRunCodes = 10'000;
constexpr int kRounds = 3;
const QString kSource = QStringLiteral("openfoodfacts");
const QString kAddress = QStringLiteral("https://world.openfoodfacts.org");

QString Code(int i)
{
    return QString::number(4000000000000LL + i);
}

QByteArray SizeLabel(int count, const char* what)
{
    return QLocale(QLocale::English).toString(count).toLatin1() + ' ' + what;
}

// Runs `round` kRounds times and reports the best.
void Measure(const char* operation, const QByteArray& size, const char* target,
             const std::function<void()>& prepare, const std::function<void()>& round)
{
    std::printf("%-52s", qPrintable(QString::fromLatin1(operation) + QStringLiteral(", ") +
                                    QString::fromLatin1(size)));
    QList<double> seconds;
    for (int r = 0; r < kRounds; ++r) {
        prepare();
        QElapsedTimer timer;
        timer.start();
        round();
        seconds.append(timer.nsecsElapsed() / 1e9);
        std::printf(" %7.3f s", seconds.last());
    }
    const double best = *std::min_element(seconds.begin(), seconds.end());
    std::printf("   best %.3f s\n", best);
    ReportRow({operation, size.constData(), best, nullptr, 0, target});
}
} // namespace

int main(int argc, char* argv[])
{
    for (int i = 1; i + 1 < argc; ++i) {
        if (qstrcmp(argv[i], "--codes") == 0)
            kCodes = std::max(kSecondRunCodes, std::atoi(argv[i + 1]));
    }
    QCoreApplication application(argc, argv);
    QTemporaryDir folder;
    if (!folder.isValid())
        return 1;
    const QString path = folder.filePath(QStringLiteral("lookups.sqlite"));
    const qint64 now = QDateTime::currentSecsSinceEpoch();
    const auto answer = [now](int i) {
        return StoredAnswer{i % 4 != 0,
                            QStringLiteral("Product number ") + QString::number(i),
                            QStringLiteral("Brand"),
                            QStringLiteral("400 g"),
                            {},
                            now};
    };
    const auto removeFile = [&] {
        for (const char* suffix : {"", "-wal", "-shm"})
            QFile::remove(path + QString::fromLatin1(suffix));
    };
    const auto noPreparation = [] {};
    int misses = 0;

    Measure("remember answers one by one", SizeLabel(kCodes, "answers"), "", removeFile, [&] {
        SqliteAnswerStore store(path);
        for (int i = 0; i < kCodes; ++i)
            store.store(kSource, kAddress, Code(i), answer(i));
    });

    Measure("open and check the remembered answers", SizeLabel(kCodes, "answers"), "",
            noPreparation, [&] {
                SqliteAnswerStore store(path);
                if (store.count() != kCodes)
                    ++misses;
            });

    Measure("second run: open, find every code", SizeLabel(kSecondRunCodes, "codes"), "< 1 s",
            noPreparation, [&] {
                SqliteAnswerStore store(path);
                for (int i = 0; i < kSecondRunCodes; ++i)
                    if (!store.find(kSource, kAddress, Code(i * (kCodes / kSecondRunCodes))))
                        ++misses;
            });

    {
        SqliteAnswerStore store(path);
        store.count(); // opened and checked before the clock starts
        Measure("find remembered answers", SizeLabel(kCodes, "codes"), "< 3 s", noPreparation, [&] {
            for (int i = 0; i < kCodes; ++i)
                if (!store.find(kSource, kAddress, Code(i)))
                    ++misses;
        });
    }

    std::printf("file: %.1f MB; answers not found that should have been: %d\n",
                QFile(path).size() / 1e6, misses);
    return misses == 0 ? 0 : 1;
}
