// "Start Looking Up" against a lookup service that misbehaves in every way we know of: the real
// run, the real event loop and the real page loader against the sample service started here on
// 127.0.0.1. For each fault, the exact rows, the one "Done." box, the window back at rest, and a
// second run that starts and ends the same way.
#include "SampleServiceProcess.h"
#include "app/window/Form1.h"
#include "common/PointerCode.h"
#include "desktop/system/QtEventLoop.h"
#include "fakes/FakePlatform.h"
#include "support/AddressSanitizer.h"
#include "support/FakeChance.h"
#include "support/LoopbackConfig.h"
#include "support/PageLoaderKinds.h"

#include <QFile>
#include <QTcpServer>
#include <QTemporaryDir>
#include <QTest>

#include <chrono>
#include <optional>

using namespace std::chrono_literals;

namespace {
const QString kGreenTea = QStringLiteral("Harbour Lantern Green Tea, 20 bags");
const QString kTea1251 = QStringLiteral("Чай «Лесная поляна», 100 г");
const QString kHerbalTea = QStringLiteral("Kräutertee für Groß und Klein");
const QString kCremeBrulee = QStringLiteral("Crème brûlée");
const QString kKnown = QStringLiteral("4988112412613");
const QString kUnknown = QStringLiteral("0823564706221");
constexpr QChar kReplacement = QChar(0xFFFD);
// Loopback answers within milliseconds, but the sanitizer build on a loaded 2-core machine can
// take far longer; the healthy lookups of a case must fit in this limit too.
constexpr std::chrono::milliseconds kShortTimeLimit = 2000ms;

QString Failed(const QString& code, const QString& why)
{
    return code + QStringLiteral(" - lookup failed: ") + why;
}

QString Replacements(int n)
{
    return QString(n, kReplacement);
}

// The address of a port that nothing listens on.
QString DeadServiceBase()
{
    QTcpServer placeholder;
    if (!placeholder.listen(QHostAddress::LocalHost, 0))
        return {};
    const quint16 port = placeholder.serverPort();
    placeholder.close();
    return QStringLiteral("http://127.0.0.1:") + QString::number(port);
}

// Form1 over fakes of the window's parts, with the application's event loop and page loader.
struct LiveForm
{
    explicit LiveForm(const QString& serviceBase, PageLoaderLimits limits = {})
        : loader(MakeGlobalPageLoader(limits))
        , config(LoopbackConfigForService(serviceBase))
        , form(fake.services(loop, *loader), config, chance)
    {}

    QStringList lookUp(const QStringList& codes)
    {
        for (const QString& code : codes)
            fake.listView1.add(code);
        form.PushButton17_Click();
        return fake.listView2.texts();
    }
    QStringList lookUpAgain()
    {
        form.PushButton17_Click();
        return fake.listView2.texts();
    }

    FakePlatform fake;
    QtEventLoop loop;
    std::unique_ptr<PageLoader> loader; // each case runs with each loader
    FakeChance chance;
    AppConfig config;
    Form1 form;
};

QList<bool> Ticks(const FakeListControl& list)
{
    QList<bool> all;
    for (int row = 1; row <= list.count(); ++row)
        all.append(list.isChecked(row));
    return all;
}

// Everything a run over `codes` leaves when it reached its end: every row ticked, the rows that
// are not a product name scrolled into view, the progress bar stepped through the codes and back
// to rest, the pointer back to the arrow, and one box for each run so far whose first line is
// "Done." (the next ones count the failed lookups).
void CheckRunEnded(const LiveForm& live, int codes, const QList<int>& scrolled, int runs)
{
    QCOMPARE(Ticks(live.fake.listView2), QList<bool>(live.fake.listView2.count(), true));
    QCOMPARE(live.fake.listView2.scrolledIntoView(), scrolled);
    QList<double> positions;
    for (int i = 1; i <= codes; ++i)
        positions.append(double(i) / codes * 100);
    positions.append(0.0);
    const QList<double> lastRun = live.fake.progressBar1.positions.mid(
        live.fake.progressBar1.positions.size() - positions.size());
    QCOMPARE(lastRun, positions);
    QCOMPARE(live.fake.progressBar1.position(), 0.0);
    QCOMPARE(live.fake.progressBar1.text(), QStringLiteral("Progress Bar"));
    QCOMPARE(live.fake.window.pointer, PointerCode::Default);
    QList<int> pointers(codes + 1, PointerCode::Hourglass);
    pointers.append(PointerCode::Default);
    QCOMPARE(live.fake.window.pointerHistory.mid(live.fake.window.pointerHistory.size() -
                                                 pointers.size()),
             pointers);
    QStringList firstLines;
    for (const QString& text : live.fake.messageBox.texts())
        firstLines.append(text.section(u'\n', 0, 0));
    QCOMPARE(firstLines, QStringList(runs, QStringLiteral("Done.")));
    for (const FakeMessageBox::Shown& box : live.fake.messageBox.shown()) {
        QCOMPARE(box.title, QStringLiteral("Quillfen"));
        QCOMPARE(box.icon, MessageIcon::None);
    }
}

// The process's current and peak resident memory in kilobytes, from /proc; the peak can be
// brought down to the current figure, so that one case's peak is measured on its own.
struct ResidentMemory
{
    static bool resetPeak()
    {
        QFile clear(QStringLiteral("/proc/self/clear_refs"));
        return clear.open(QIODevice::WriteOnly) && clear.write("5") == 1;
    }
    static std::optional<qint64> read(QByteArrayView field)
    {
        QFile status(QStringLiteral("/proc/self/status"));
        if (!status.open(QIODevice::ReadOnly))
            return std::nullopt;
        for (const QByteArray& line : status.readAll().split('\n')) {
            if (line.startsWith(QByteArray(field.toByteArray() + ':')))
                return line.mid(field.size() + 1).trimmed().split(' ').value(0).toLongLong();
        }
        return std::nullopt;
    }
};
} // namespace

class TestServiceFaults : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase_data();
    void initTestCase();
    void fault_givesItsRowAndTheRunEndsAsUsual_data();
    void fault_givesItsRowAndTheRunEndsAsUsual();
    void serviceDownFromTheStart_everyCodeSaysConnectionRefused();
    void serviceDyingMidRun_answeredRowsStayTheRestSayConnectionRefused();
    void pageOverTheCap_memoryStaysNearTheCap();

private:
    QTemporaryDir m_folder;
    QString m_catalog;
};

void TestServiceFaults::initTestCase_data()
{
    AddPageLoaderRows();
}

void TestServiceFaults::initTestCase()
{
    QVERIFY(m_folder.isValid());
    m_catalog = m_folder.filePath(QStringLiteral("catalog.tsv"));
    QFile catalog(m_catalog);
    QVERIFY(catalog.open(QIODevice::WriteOnly));
    catalog.write((kKnown + u'\t' + kGreenTea + u'\n' + u"1001\t" + kTea1251 + u'\n' + u"1002\t" +
                   kHerbalTea + u'\n' + u"1003\t" + kCremeBrulee + u'\n')
                      .toUtf8());
}

// One fault for one code, between codes that the service answers well: the faulty code's
// row says what happened and the run goes on with the next code.
void TestServiceFaults::fault_givesItsRowAndTheRunEndsAsUsual_data()
{
    QTest::addColumn<QStringList>("faults");
    QTest::addColumn<QStringList>("codes");
    QTest::addColumn<QStringList>("rows");
    QTest::addColumn<QList<int>>("scrolled");
    QTest::addColumn<int>("timeLimitMs");
    const int normal = 30'000;
    const int shortLimit = int(kShortTimeLimit.count());
    const QString noRecord = kUnknown + QStringLiteral(" - no record found");

    QTest::newRow("503 Service Unavailable")
        << QStringList{"111=status:503"} << QStringList{"111", kKnown}
        << QStringList{Failed("111", "HTTP 503"), kGreenTea} << QList<int>{1} << normal;
    QTest::newRow("429 Too Many Requests")
        << QStringList{"444=status:429"} << QStringList{kKnown, "444", kUnknown}
        << QStringList{kGreenTea, Failed("444", "HTTP 429"), noRecord} << QList<int>{2, 3}
        << normal;
    QTest::newRow("500 Internal Server Error")
        << QStringList{"555=status:500"} << QStringList{"555"}
        << QStringList{Failed("555", "HTTP 500")} << QList<int>{1} << normal;
    QTest::newRow("403 Forbidden is a refusal, not an answer")
        << QStringList{"556=status:403"} << QStringList{"556", kKnown}
        << QStringList{Failed("556", "HTTP 403"), kGreenTea} << QList<int>{1} << normal;
    QTest::newRow("404 page is a page without a record")
        << QStringList{kKnown + "=status:404"} << QStringList{kKnown}
        << QStringList{kKnown + " - no record found"} << QList<int>{1} << normal;
    QTest::newRow("reset instead of an answer")
        << QStringList{"222=reset"} << QStringList{"222", kKnown}
        << QStringList{Failed("222", "connection closed"), kGreenTea} << QList<int>{1} << normal;
    QTest::newRow("closed without any answer")
        << QStringList{"223=close-before-answer"} << QStringList{"223", kKnown}
        << QStringList{Failed("223", "connection closed"), kGreenTea} << QList<int>{1} << normal;
    QTest::newRow("closed in the middle of the page")
        << QStringList{"333=close-mid-body"} << QStringList{"333", kKnown}
        << QStringList{Failed("333", "connection closed"), kGreenTea} << QList<int>{1} << normal;
    QTest::newRow("reset in the middle of the page")
        << QStringList{"334=reset-mid-body"} << QStringList{"334", kKnown}
        << QStringList{Failed("334", "connection closed"), kGreenTea} << QList<int>{1} << normal;
    QTest::newRow("no answer ever")
        << QStringList{"666=no-answer"} << QStringList{"666", kKnown}
        << QStringList{Failed("666", "timed out"), kGreenTea} << QList<int>{1} << shortLimit;
    QTest::newRow("page that stops half-way and never completes")
        << QStringList{"667=stall-mid-body"} << QStringList{"667", kKnown}
        << QStringList{Failed("667", "timed out"), kGreenTea} << QList<int>{1} << shortLimit;
    QTest::newRow("200 with no page at all")
        << QStringList{kKnown + "=empty-body"} << QStringList{kKnown, kUnknown}
        << QStringList{Failed(kKnown, "empty page"), noRecord} << QList<int>{1, 2} << normal;
    // Every byte that is not part of a well-formed sequence becomes one U+FFFD.
    QTest::newRow("invalid UTF-8 after the name")
        << QStringList{kKnown + "=invalid-utf8"} << QStringList{kKnown}
        << QStringList{kGreenTea + u' ' + Replacements(1) + u' ' + Replacements(2) + u' ' +
                       Replacements(3) + u' ' + Replacements(2)}
        << QList<int>{} << normal;
    QTest::newRow("windows-1251 declared in the header")
        << QStringList{"1001=charset:windows-1251"} << QStringList{"1001"} << QStringList{kTea1251}
        << QList<int>{} << normal;
    QTest::newRow("windows-1251 declared in a meta tag")
        << QStringList{"1001=meta-charset:windows-1251"} << QStringList{"1001"}
        << QStringList{kTea1251} << QList<int>{} << normal;
    QTest::newRow("ISO-8859-1 declared in a meta tag, then the usual UTF-8")
        << QStringList{"1002=meta-charset:ISO-8859-1"} << QStringList{"1002", "1003"}
        << QStringList{kHerbalTea, kCremeBrulee} << QList<int>{} << normal;
    QTest::newRow("3 MB page under the 16 MB cap is read to its end")
        << QStringList{kKnown + "=large:3000000"} << QStringList{kKnown} << QStringList{kGreenTea}
        << QList<int>{} << normal;
    QTest::newRow("20 MB page over the 16 MB cap")
        << QStringList{kKnown + "=large:20971520"} << QStringList{kKnown, kUnknown}
        << QStringList{Failed(kKnown, "page too large"), noRecord} << QList<int>{1, 2} << normal;
}

void TestServiceFaults::fault_givesItsRowAndTheRunEndsAsUsual()
{
    QFETCH(QStringList, faults);
    QFETCH(QStringList, codes);
    QFETCH(QStringList, rows);
    QFETCH(QList<int>, scrolled);
    QFETCH(int, timeLimitMs);

    QStringList options{QStringLiteral("--catalog"), m_catalog};
    for (const QString& fault : faults)
        options << QStringLiteral("--fault") << fault;
    SampleServiceProcess service;
    QVERIFY2(service.start(options), qPrintable(service.errorString()));
    PageLoaderLimits limits; // the program's own page cap
    limits.timeLimit = std::chrono::milliseconds(timeLimitMs);
    LiveForm live(service.baseUrl(), limits);

    QCOMPARE(live.lookUp(codes), rows);
    CheckRunEnded(live, int(codes.size()), scrolled, 1);
    if (QTest::currentTestFailed())
        return;

    // The busy flag is down again: a second press runs the whole list once more.
    QCOMPARE(live.lookUpAgain(), rows);
    QList<int> scrolledTwice = scrolled;
    scrolledTwice += scrolled;
    CheckRunEnded(live, int(codes.size()), scrolledTwice, 2);
}

void TestServiceFaults::serviceDownFromTheStart_everyCodeSaysConnectionRefused()
{
    const QString base = DeadServiceBase();
    QVERIFY(!base.isEmpty());
    LiveForm live(base);
    const QStringList rows{Failed("1", "connection refused"), Failed(kKnown, "connection refused"),
                           Failed(" 3 ", "connection refused")};
    QCOMPARE(live.lookUp({"1", kKnown, " 3 "}), rows);
    CheckRunEnded(live, 3, {1, 2, 3}, 1);
    if (QTest::currentTestFailed())
        return;
    QCOMPARE(live.lookUpAgain(), rows);
    CheckRunEnded(live, 3, {1, 2, 3, 1, 2, 3}, 2);
}

void TestServiceFaults::serviceDyingMidRun_answeredRowsStayTheRestSayConnectionRefused()
{
    SampleServiceProcess service;
    QVERIFY2(service.start({QStringLiteral("--catalog"), m_catalog}),
             qPrintable(service.errorString()));
    LiveForm live(service.baseUrl());
    // The service dies once two codes have been answered, before the second row goes in.
    live.fake.listView2.hook.onCall(u"add", [&](int call) {
        if (call == 2)
            service.kill();
    });
    const QStringList codes{kKnown, kUnknown, kKnown, "1001"};
    QCOMPARE(live.lookUp(codes), (QStringList{kGreenTea, kUnknown + " - no record found",
                                              Failed(kKnown, "connection refused"),
                                              Failed("1001", "connection refused")}));
    CheckRunEnded(live, 4, {2, 3, 4}, 1);
    if (QTest::currentTestFailed())
        return;

    live.fake.listView2.hook.disarm();
    QCOMPARE(
        live.lookUpAgain(),
        (QStringList{Failed(kKnown, "connection refused"), Failed(kUnknown, "connection refused"),
                     Failed(kKnown, "connection refused"), Failed("1001", "connection refused")}));
    CheckRunEnded(live, 4, {2, 3, 4, 1, 2, 3, 4}, 2);
}

// The loader gives up on a page at 16 MB, so a larger one costs about that much memory at
// most, whatever its size.
void TestServiceFaults::pageOverTheCap_memoryStaysNearTheCap()
{
#if defined(UNDER_ADDRESS_SANITIZER)
    QSKIP("AddressSanitizer keeps freed memory in quarantine: resident memory says nothing "
          "about what the loader holds");
#endif
    if (!ResidentMemory::resetPeak())
        QSKIP("/proc/self/clear_refs cannot reset the peak here");
    SampleServiceProcess service;
    QVERIFY2(service.start({QStringLiteral("--fault"), kKnown + QStringLiteral("=large:20971520")}),
             qPrintable(service.errorString()));
    LiveForm live(service.baseUrl());
    const std::optional<qint64> before = ResidentMemory::read("VmRSS");
    QVERIFY(before);
    QVERIFY(ResidentMemory::resetPeak());
    QCOMPARE(live.lookUp({kKnown}), QStringList{Failed(kKnown, "page too large")});
    const std::optional<qint64> peak = ResidentMemory::read("VmHWM");
    QVERIFY(peak);
    const qint64 grownKb = *peak - *before;
    qInfo("resident memory grew by %lld KB during the 20 MB page", grownKb);
    // The cap, plus room for the reply's own buffers; reading the whole page and decoding it
    // would take three times the page's size.
    QVERIFY2(grownKb < 40 * 1024, qPrintable(QString::number(grownKb)));
}

QTEST_GUILESS_MAIN(TestServiceFaults)
#include "tst_servicefaults.moc"
