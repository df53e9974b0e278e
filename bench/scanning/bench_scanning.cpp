// Scans as a user meets them, in the real scan window (offscreen):
//  - 200 scans whose answers are remembered, and 200 the product index holds (1,000,000
//    products), each typed and ended by Enter: the time from the Enter to its row in the table,
//    median and worst;
//  - 50 scans at a handheld scanner's speed (13 digits 5 ms apart, then Enter, one scan every
//    150 ms) of codes only the online source knows, so that the queue asks while keys come in:
//    every scan must reach the table once, in the order scanned;
//  - 20 phone scans a second for 10 s, GETs on 127.0.0.1 at the link the window shows: every one
//    must be taken and reach the table;
//  - a session file of 1,000,000 lines read back, as the next start does after a crash, with the
//    window's sources on this machine alone.
// Prints its figures; it asserts nothing. Everything stays on this machine.
#include "BenchReport.h"
#include "MadeUpProducts.h"
#include "SampleServiceProcess.h"
#include "WindowHome.h"
#include "app/LookupSetup.h"
#include "app/window/Form1.h"
#include "desktop/storage/QtScanJournal.h"
#include "desktop/storage/SqliteAnswerStore.h"
#include "desktop/window/QtScanWindow.h"
#include "program/QtPlatform.h"
#include "scanning/LocalAnswersOnly.h"
#include "scanning/ScanSession.h"
#include "support/FakeChance.h"

#include <QApplication>
#include <QCheckBox>
#include <QDir>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QFile>
#include <QFileInfo>
#include <QLabel>
#include <QLineEdit>
#include <QNetworkAccessManager>
#include <QNetworkReply>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <QTreeWidget>

#include <algorithm>
#include <cstdio>
#include <cstdlib>

namespace {
QStringList Codes(qint64 first, int count)
{
    QStringList codes;
    for (int i = 0; i < count; ++i)
        codes.append(MadeUpEan(first + i));
    return codes;
}

[[noreturn]] void Fail(const QString& why)
{
    std::fprintf(stderr, "bench_scanning: %s\n", qPrintable(why));
    std::exit(1);
}

void Remember(const QString& url, const QStringList& codes)
{
    SqliteAnswerStore store; // where the window's store will look
    const qint64 now = QDateTime::currentSecsSinceEpoch();
    for (qsizetype i = 0; i < codes.size(); ++i)
        store.store(QStringLiteral("openfoodfacts"), url, codes[i],
                    StoredAnswer{true,
                                 QStringLiteral("Product %1").arg(i),
                                 QStringLiteral("Maker"),
                                 QStringLiteral("1 kg"),
                                 {},
                                 now});
}

struct TableRow
{
    QString count;
    QString code;
    QString status;
};

QList<TableRow> Table(QtScanWindow& scan)
{
    auto* const table = scan.findChild<QTreeWidget*>(QStringLiteral("ScanTable"));
    QList<TableRow> rows;
    for (int i = 0; i < table->topLevelItemCount(); ++i) {
        const QTreeWidgetItem* const item = table->topLevelItem(i);
        rows.append({item->text(0), item->text(1), item->text(4)});
    }
    return rows;
}

// Runs the events until `done` or the time is up; whether it was done.
bool WaitFor(const std::function<bool()>& done, int ms)
{
    QElapsedTimer timer;
    timer.start();
    while (!done()) {
        if (timer.elapsed() > ms)
            return false;
        QCoreApplication::processEvents(QEventLoop::AllEvents, 5);
    }
    return true;
}

// The newest `count` rows, oldest first, read as "count code status".
QStringList Newest(QtScanWindow& scan, qsizetype count)
{
    const QList<TableRow> rows = Table(scan);
    QStringList newest;
    for (qsizetype i = std::min(count, rows.size()) - 1; i >= 0; --i)
        newest.append(rows[i].count + u' ' + rows[i].code + u' ' + rows[i].status);
    return newest;
}

QStringList Expected(const QStringList& codes, const QString& status)
{
    QStringList rows;
    for (const QString& code : codes)
        rows.append(QStringLiteral("1 ") + code + u' ' + status);
    return rows;
}

// Each scan typed into the line, then timed from its Enter to its row at the top of the table.
void AnsweredLocally(QtScanWindow& scan, const QStringList& codes, const char* from)
{
    QList<double> ms;
    for (const QString& code : codes) {
        QTest::keyClicks(scan.line(), code);
        QElapsedTimer timer;
        timer.start();
        QTest::keyClick(scan.line(), Qt::Key_Return);
        if (!WaitFor(
                [&] {
                    const QList<TableRow> rows = Table(scan);
                    return !rows.isEmpty() && rows[0].code == code && rows[0].status == u"found";
                },
                5000))
            Fail(QStringLiteral("%1 never reached the table as found").arg(code));
        ms.append(double(timer.nsecsElapsed()) / 1e6);
    }
    std::sort(ms.begin(), ms.end());
    const double median = (ms[ms.size() / 2 - 1] + ms[ms.size() / 2]) / 2;
    std::printf("answered from %s: %lld scans, Enter to row: median %.2f ms, 95th %.2f ms, "
                "worst %.2f ms\n",
                from, qlonglong(ms.size()), median, ms[ms.size() * 95 / 100], ms.last());
    const QByteArray operation =
        QStringLiteral("scan answered from %1, Enter to row (median)").arg(from).toUtf8();
    ReportRow({operation.constData(), "200 scans", median / 1000, nullptr, 0, "< 30 ms"});
}

// The keys of every scan sent at a scanner's times, each key its own event as the system would
// deliver it, also while a scan's handler waits in the queue's own event loop.
void Burst(QtScanWindow& scan, const QStringList& codes)
{
    constexpr int kScanEveryMs = 150;
    constexpr int kKeyEveryMs = 5;
    int keysSent = 0;
    int keysAll = 0;
    for (qsizetype i = 0; i < codes.size(); ++i) {
        const QString keys = codes[i] + u'\r';
        for (qsizetype k = 0; k < keys.size(); ++k, ++keysAll) {
            const QChar key = keys[k];
            QTimer::singleShot(int(i) * kScanEveryMs + int(k) * kKeyEveryMs, Qt::PreciseTimer,
                               &scan, [&scan, key, &keysSent] {
                                   if (key == u'\r')
                                       QTest::keyClick(scan.line(), Qt::Key_Return);
                                   else
                                       QTest::keyClick(scan.line(), key.toLatin1());
                                   ++keysSent;
                               });
        }
    }
    QElapsedTimer timer;
    timer.start();
    const QStringList expected = Expected(codes, QStringLiteral("found"));
    const bool answered = WaitFor(
        [&] { return keysSent == keysAll && Newest(scan, codes.size()) == expected; }, 60'000);
    const double seconds = double(timer.nsecsElapsed()) / 1e9;
    const QStringList shown = Newest(scan, codes.size());
    qsizetype kept = 0;
    for (const QString& code : codes)
        kept += std::any_of(shown.cbegin(), shown.cend(),
                            [&](const QString& row) { return row.contains(code); });
    std::printf("scanner burst:     %lld scans, the last answer %.2f s after the first key (the "
                "last Enter at %.2f s): %lld in the table, %s, %s\n",
                qlonglong(codes.size()), seconds,
                ((codes.size() - 1) * kScanEveryMs + 13 * kKeyEveryMs) / 1000.0, qlonglong(kept),
                shown == expected ? "in order" : "NOT IN ORDER OR NOT ANSWERED",
                answered ? "all answered" : "NOT ALL ANSWERED");
    const QByteArray size =
        QStringLiteral("50 scans, %1 kept, %2")
            .arg(kept)
            .arg(shown == expected ? QStringLiteral("in order") : QStringLiteral("order lost"))
            .toUtf8();
    ReportRow({"scanner burst, 13 digits + Enter every 150 ms, to the last answer",
               size.constData(), seconds, nullptr, 0, "50 of 50, in order"});
}

// 20 GETs a second at the link the window shows, each on a connection of its own.
void FromAPhone(Form1& form, QtScanWindow& scan, const QStringList& codes)
{
    form.ScanWindow_PhoneClick(true, QStringLiteral("127.0.0.1"), 0);
    const QString link = scan.findChild<QLabel*>(QStringLiteral("PhoneLink"))->text();
    if (!link.startsWith(QStringLiteral("http://127.0.0.1:")))
        Fail(QStringLiteral("no phone link: \"%1\"").arg(link));
    QNetworkAccessManager network;
    QMap<int, int> statuses;
    int replies = 0;
    qsizetype sent = 0;
    QTimer pace;
    pace.setTimerType(Qt::PreciseTimer);
    pace.setInterval(50);
    QElapsedTimer timer;
    QObject::connect(&pace, &QTimer::timeout, [&] {
        if (sent == codes.size()) {
            pace.stop();
            return;
        }
        QNetworkReply* const reply = network.get(QNetworkRequest(QUrl(link + codes[sent++])));
        QObject::connect(reply, &QNetworkReply::finished, [&, reply] {
            ++statuses[reply->attribute(QNetworkRequest::HttpStatusCodeAttribute).toInt()];
            ++replies;
            reply->deleteLater();
        });
    });
    timer.start();
    pace.start();
    const QStringList expected = Expected(codes, QStringLiteral("found"));
    WaitFor([&] { return replies == codes.size(); }, 60'000);
    const double seconds = double(timer.nsecsElapsed()) / 1e9;
    WaitFor([&] { return Newest(scan, codes.size()) == expected; }, 5000);
    const QStringList shown = Newest(scan, codes.size());
    qsizetype kept = 0;
    for (const QString& code : codes)
        kept += std::any_of(shown.cbegin(), shown.cend(),
                            [&](const QString& row) { return row.contains(code); });
    QString byStatus;
    for (auto it = statuses.cbegin(); it != statuses.cend(); ++it)
        byStatus += QStringLiteral(" %1 x %2").arg(it.value()).arg(it.key());
    std::printf("phone, 20 a second: %lld GETs in %.2f s, replies:%s; %lld in the table, %s\n",
                qlonglong(codes.size()), seconds, qPrintable(byStatus), qlonglong(kept),
                shown == expected ? "in order" : "NOT ALL IN ORDER");
    const QByteArray size = QStringLiteral("200 scans, %1 taken, %2 in the table")
                                .arg(statuses.value(200))
                                .arg(kept)
                                .toUtf8();
    ReportRow(
        {"phone scans, 20 a second for 10 s", size.constData(), seconds, nullptr, 0, "200 of 200"});
    form.ScanWindow_PhoneClick(false, QStringLiteral("127.0.0.1"), 0);
}
// The processor time this process has used, user and system: what a figure taken while other
// work kept the machine busy can still be compared by.
double CpuSeconds()
{
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    return double(usage.ru_utime.tv_sec + usage.ru_stime.tv_sec) +
           double(usage.ru_utime.tv_usec + usage.ru_stime.tv_usec) / 1e6;
}

// A session file of a million lines, 100,000 codes each scanned about ten times in no order and
// an undo every hundred lines, read back into a session with the window's sources on this machine
// alone (the remembered answers know 1 code in 500), as the next start does after a crash.
void Restored(const AppConfig& config, const Platform& services, const QTemporaryDir& home)
{
    constexpr int kLines = 1'000'000;
    constexpr int kCodes = 100'000;
    const QString path = home.filePath(QStringLiteral("restored-session.txt"));
    {
        QFile file(path);
        if (!file.open(QIODevice::WriteOnly))
            Fail(QStringLiteral("cannot write %1").arg(path));
        QByteArray lines;
        for (int i = 0; i < kLines; ++i) {
            // Spread over the codes in a scrambled order: a repeat seldom finds its row on top.
            const qint64 code = (qint64(i) * 7919) % kCodes;
            lines += i % 100 == 99 ? QByteArray("U\n")
                                   : "S\t" + MadeUpEan(5'000'000 + code).toLatin1() + "\t\n";
        }
        file.write(lines);
    }
    Remember(config.openFoodFactsUrl, Codes(5'000'000, kCodes / 500));

    LocalAnswersOnly nothingSent;
    QtScanJournal journal(path);
    LookupChain local(
        LookupServices{nothingSent, services.eventLoop, services.clock, &services.answers},
        MakeSources(config.sources, config, {}, &services.productIndex, {}), {});
    LookupChain online(
        LookupServices{services.pageLoader, services.eventLoop, services.clock, &services.answers},
        MakeSources(config.sources, config, {}, &services.productIndex, {}), {});
    ScanSession session(journal, local, online);
    const double cpuBefore = CpuSeconds();
    QElapsedTimer timer;
    timer.start();
    if (!session.hasLeftSession())
        Fail(QStringLiteral("the session file was not found"));
    session.restore();
    const double seconds = double(timer.nsecsElapsed()) / 1e9;
    const double cpu = CpuSeconds() - cpuBefore;
    qsizetype scans = 0;
    for (const ScanRow& row : session.rows())
        scans += row.count;
    std::printf("session restored:  %d lines, %lld rows of %lld scans, %lld queued, in %.2f s "
                "(%.2f s of processor time; peak %ld MB)\n",
                kLines, qlonglong(session.rows().size()), qlonglong(scans),
                qlonglong(std::count_if(
                    session.rows().begin(), session.rows().end(),
                    [](const ScanRow& row) { return row.state == ScanRow::State::Queued; })),
                seconds, cpu, PeakMegabytes());
    ReportRow(
        {"scan session read back after a crash", "1,000,000 lines", seconds, nullptr, 0, "< 2 s"});
}
} // namespace

int main(int argc, char* argv[])
{
    QTemporaryDir home;
    UseWindowHome(home);
    QApplication application(argc, argv);

    const QStringList local = Codes(1'000'000, 200);
    const QStringList burst = Codes(2'000'000, 50);
    const QStringList phone = Codes(3'000'000, 200);
    SampleServiceProcess service;
    const QString catalog = WriteOpenCatalog(home, burst);
    if (catalog.isEmpty())
        Fail(QStringLiteral("cannot write the catalog"));
    if (!service.start({QStringLiteral("--open-catalog"), catalog}))
        Fail(service.errorString());
    Remember(service.baseUrl(), local + phone);

    // 200 codes of a product index of 1,000,000 made-up products, where the window looks for it.
    const QString indexPath = home.filePath(QStringLiteral("data/Zandrik/Quillfen/index.sqlite"));
    const QString indexCodesPath = home.filePath(QStringLiteral("index-codes.txt"));
    QDir().mkpath(QFileInfo(indexPath).path());
    if (QProcess::execute(QStringLiteral(QUILLFEN_MAKE_EXPORT_PATH),
                          {QStringLiteral("--rows"), QStringLiteral("1000000"),
                           QStringLiteral("--index"), indexPath, QStringLiteral("--codes"),
                           indexCodesPath, QStringLiteral("--code-count"), QStringLiteral("200"),
                           QStringLiteral("--missing-codes"), QStringLiteral("0")}) != 0)
        Fail(QStringLiteral("the index could not be built"));
    QFile indexCodesFile(indexCodesPath);
    if (!indexCodesFile.open(QIODevice::ReadOnly))
        Fail(QStringLiteral("no index codes"));
    const QStringList indexed =
        QString::fromUtf8(indexCodesFile.readAll()).split(u'\n', Qt::SkipEmptyParts);

    AppConfig config;
    config.webSiteUrl.clear();
    config.pingHost = QStringLiteral("127.0.0.1");
    config.openFoodFactsUrl = service.baseUrl();
    config.loopbackOnly = true;
    config.sources = {QStringLiteral("index"), QStringLiteral("openfoodfacts")};
    // Faster than a scan every 150 ms, so that the queue keeps up with the scanner's burst.
    config.perMinute.insert(QStringLiteral("openfoodfacts"), 1200);
    QtPlatform platform(config.productName, true);
    FakeChance chance;
    Form1 form(platform.services(), config, chance);
    ConnectForm1(platform, form);
    form.Form_Load();
    platform.window().show();
    form.ScanCodes();
    QtScanWindow& scan = platform.scanWindow();
    if (!scan.isVisible())
        Fail(QStringLiteral("the scan window did not open"));
    if (!scan.muteBox()->isChecked())
        scan.muteBox()->click();

    AnsweredLocally(scan, local, "remembered answers");
    AnsweredLocally(scan, indexed, "the product index");
    Burst(scan, burst);
    FromAPhone(form, scan, phone);
    scan.close();
    Restored(config, platform.services(), home);
    return 0;
}
