// A scan session on fakes: what a scanner's keys become, counting and undo, answers at once or
// from the queue while more scans come in, and the session file read back after a crash.
#include "app/scan/ScanMode.h"
#include "app/window/SavedCodeList.h"
#include "common/OperationFailed.h"
#include "desktop/network/QtPhoneScanServer.h"
#include "desktop/storage/QtScanJournal.h"
#include "fakes/FakePlatform.h"
#include "fakes/FakeScanJournal.h"
#include "lookup/ProductCode.h"
#include "scanning/LocalAnswersOnly.h"
#include "scanning/ScanSession.h"
#include "support/Form1OnFakes.h"

#include <QHostAddress>
#include <QSignalSpy>
#include <QTcpSocket>
#include <QTemporaryDir>
#include <QTest>

#include <sys/stat.h>

namespace {
// One open database on a fake host: a page "found:NAME" is a find, any other is not found.
class TestSource final : public LookupSource
{
public:
    QString name() const override { return QStringLiteral("test"); }
    QString displayName() const override { return QStringLiteral("Test"); }
    bool takes(const CheckedCode& checked) const override { return checked.isValid(); }
    SourceRequest request(const QString&, const CheckedCode& checked) const override
    {
        return SourceRequest{QUrl(QStringLiteral("http://db.test/") + checked.gtin), 0};
    }
    SourceAnswer read(const SourceResponse& response, const QString&) const override
    {
        if (!response.failure.isEmpty())
            return SourceAnswer::failed(response.failure);
        if (response.body.startsWith("found:"))
            return SourceAnswer::found(
                ProductAnswer{QString::fromUtf8(response.body.mid(6)), {}, {}, {}, {}});
        return SourceAnswer::notFound();
    }
    int perMinute() const override { return 0; }
    bool remembered() const override { return true; }
};

std::vector<std::unique_ptr<LookupSource>> Sources()
{
    std::vector<std::unique_ptr<LookupSource>> sources;
    sources.push_back(std::make_unique<TestSource>());
    return sources;
}

const QString kTea = QStringLiteral("4006381333931");
const QString kWater = QStringLiteral("5449000000996");
const QString kBook = QStringLiteral("9780306406157");

struct Scanning
{
    Scanning()
    {
        fake.pageLoader.respond = [](const QUrl& url) {
            return FakeResponse(url.path() == u'/' + kWater ? QStringLiteral("found:Water")
                                                            : QStringLiteral("nothing"));
        };
    }
    // A remembered answer for the code: the session needs no network for it.
    void remember(const QString& code, const QString& name)
    {
        fake.answers.answers.insert(
            {QStringLiteral("test"), QStringLiteral("http://db.test"), code},
            StoredAnswer{true, name, {}, {}, {}, fake.clock.unixSeconds()});
    }
    // The rows top first, as "count×code" and "+add-on" when there is one.
    QStringList rows() const
    {
        QStringList shown;
        for (const ScanRow& row : session.rows())
            shown.append(QString::number(row.count) + u'x' + row.code +
                         (row.addOn.isEmpty() ? QString() : u'+' + row.addOn));
        return shown;
    }

    FakePlatform fake;
    FakeScanJournal journal;
    LocalAnswersOnly nothingSent;
    LookupChain local{
        LookupServices{nothingSent, fake.eventLoop, fake.clock, &fake.answers}, Sources(), {}};
    LookupChain online{
        LookupServices{fake.pageLoader, fake.eventLoop, fake.clock, &fake.answers}, Sources(), {}};
    ScanSession session{journal, local, online};
    ScanInput input;
};

// The server's reply to the request: its status and body; status 0 when it closed without one.
struct Reply
{
    int status = 0;
    QByteArray body;
};
Reply Exchange(quint16 port, const QByteArray& request)
{
    QTcpSocket client;
    QByteArray got;
    QObject::connect(&client, &QTcpSocket::readyRead, [&] { got += client.readAll(); });
    QSignalSpy closed(&client, &QTcpSocket::disconnected);
    client.connectToHost(QHostAddress::LocalHost, port);
    client.write(request);
    closed.wait(5000);
    got += client.readAll();
    Reply reply;
    if (got.startsWith("HTTP/1.1 "))
        reply.status = got.mid(9, 3).toInt();
    reply.body = got.mid(got.indexOf("\r\n\r\n") + 4);
    return reply;
}

PhoneScanAnswer AnswerOf(const QString& text)
{
    const Scan scan = ReadScan(text);
    if (!scan.valid)
        return PhoneScanAnswer{PhoneScanAnswer::Kind::NotACode, {}, {}, {}};
    if (scan.code == kWater)
        return PhoneScanAnswer{PhoneScanAnswer::Kind::Queued, scan.code, {}, {}};
    return PhoneScanAnswer{PhoneScanAnswer::Kind::Answered, scan.code, "found", "Tea"};
}

// A phone server on 127.0.0.1 whose clock stands at `now` until the test moves it, counting the
// scans it takes.
struct ClockedServer
{
    explicit ClockedServer(const QString& token)
    {
        server.setToken(token);
        server.onScan = [this](const QString& text) {
            ++taken;
            return AnswerOf(text);
        };
        server.start(QStringLiteral("127.0.0.1"), 0);
    }

    qint64 now = 0;
    int taken = 0;
    QtPhoneScanServer server{QtPhoneScanServer::Limits{.clock = [this] { return now; }}};
};

// What the action's OperationFailed says; empty when it did not fail.
QString FailureOf(const std::function<void()>& action)
{
    try {
        action();
    } catch (const OperationFailed& failure) {
        return failure.description();
    }
    return {};
}

// Each character of the text as a key of its own.
QStringList Keys(const QString& text)
{
    QStringList keys;
    for (const QChar c : text)
        keys.append(QString(c));
    return keys;
}
} // namespace

class TestScanning : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void keys_giveScans_data();
    void keys_giveScans();
    void localAnswer_atOnce_othersQueued();
    void scanWhileQueueIsAsked_isCountedAtOnceAndAnswered();
    void undo_countsDownThenRemovesRow();
    void formsOfOneProduct_countOnOneRow();
    void unwritableSessionFile_countsNothing();
    void arrivalTogether_oneSync_killedBeforeAnswersLosesNone();
    void restoreAfterCrash_givesTheSessionBack();
    void scanWindow_signalsEachScan_savesWithCount_sendsOnceEach();
    void scanWindow_saysWhatBecameOfEachActionWithoutABox_data();
    void scanWindow_saysWhatBecameOfEachActionWithoutABox();
    void programClosing_endsTheSession_data();
    void programClosing_endsTheSession();
    void sessionFile_notARegularFile_refusedAtOnce_data();
    void sessionFile_notARegularFile_refusedAtOnce();
    void phoneScans_offByDefault_thenTakenAnsweredAndRemembered();

    // ---- The phone scanner's server, on 127.0.0.1 ----
    void phoneServer_takesOrRefuses_data();
    void phoneServer_takesOrRefuses();
    void phoneServer_burstAndNewLink_refusedPastTheLimit();
    void phoneServer_steadyAtTheLimit_takesEvery();
    void phoneServer_nobodyWithoutTheTokenKeepsThePhoneOut_data();
    void phoneServer_nobodyWithoutTheTokenKeepsThePhoneOut();
};

void TestScanning::keys_giveScans_data()
{
    QTest::addColumn<QStringList>("keys");
    QTest::addColumn<QStringList>("rows");
    const QString gs1 = QStringLiteral("0104006381333931");
    // clang-format off
    QTest::newRow("fast: one burst") << QStringList{kTea + u'\r'} << QStringList{u"1x" + kTea};
    QTest::newRow("slow: key by key") << Keys(kTea + u'\r') << QStringList{u"1x" + kTea};
    QTest::newRow("tab") << Keys(kTea + u'\t') << QStringList{u"1x" + kTea};
    QTest::newRow("lf") << Keys(kTea + u'\n') << QStringList{u"1x" + kTea};
    QTest::newRow("cr lf, no empty scan") << QStringList{kTea + QStringLiteral("\r\n\r\n")}
                                         << QStringList{u"1x" + kTea};
    QTest::newRow("no end yet") << Keys(kTea) << QStringList{};
    QTest::newRow("typed with hyphens") << Keys(QStringLiteral("978-0-306-40615-7\r"))
                                        << QStringList{u"1x" + kBook};
    QTest::newRow("azerty digit row") << Keys(QStringLiteral("'\u00e0\u00e0-\"_&\"\"\"\u00e7\"&\r"))
                                      << QStringList{u"1x" + kTea};
    QTest::newRow("]E0 prefix") << QStringList{u"]E0" + kTea + u'\r'} << QStringList{u"1x" + kTea};
    QTest::newRow("]E4 prefix, EAN-8") << QStringList{QStringLiteral("]E496385074\r")}
                                      << QStringList{QStringLiteral("1x96385074")};
    QTest::newRow("]C1 GS1, AI 01") << QStringList{u"]C1" + gs1 + QStringLiteral("10LOT7\r")}
                                    << QStringList{u"1x" + kTea};
    QTest::newRow("GS1 in brackets") << QStringList{QStringLiteral("(01)04006381333931(17)261231\r")}
                                     << QStringList{u"1x" + kTea};
    QTest::newRow("13+2 add-on") << QStringList{kBook + QStringLiteral("05\r")}
                                 << QStringList{u"1x" + kBook + u"+05"};
    QTest::newRow("13+5 add-on") << QStringList{kBook + QStringLiteral("51299\r")}
                                 << QStringList{u"1x" + kBook + u"+51299"};
    QTest::newRow("repeat moves up") << QStringList{kTea + u'\r', kWater + u'\r', kTea + u'\r'}
                                     << QStringList{u"2x" + kTea, u"1x" + kWater};
    QTest::newRow("paste of lines") << QStringList{kTea + u'\n' + kWater + u'\n' + kBook}
                                    << QStringList{u"1x" + kWater, u"1x" + kTea};
    QTest::newRow("not a code") << QStringList{QStringLiteral("hello\r")}
                                << QStringList{QStringLiteral("1xhello")};
    // clang-format on
}

void TestScanning::keys_giveScans()
{
    QFETCH(QStringList, keys);
    QFETCH(QStringList, rows);
    Scanning fake;
    int scans = 0;
    for (const QString& key : keys) {
        for (const Scan& scan : fake.input.take(key)) {
            fake.session.add(scan);
            ++scans;
        }
    }
    QCOMPARE(fake.rows(), rows);
    // Each scan was written down before it was counted.
    QCOMPARE(fake.journal.lines.size(), scans);
}

void TestScanning::localAnswer_atOnce_othersQueued()
{
    Scanning fake;
    fake.remember(kTea, QStringLiteral("Tea"));
    const ScanRow& tea = fake.session.add(ReadScan(kTea));
    QCOMPARE(tea.state, ScanRow::State::Answered);
    QCOMPARE(tea.outcome.product.name, QStringLiteral("Tea"));
    QCOMPARE(VerdictOf(tea), ScanVerdict::Found);
    QCOMPARE(fake.session.add(ReadScan(kWater)).state, ScanRow::State::Queued);
    QCOMPARE(fake.session.add(ReadScan(QStringLiteral("123"))).state, ScanRow::State::Invalid);
    QCOMPARE(fake.fake.pageLoader.hook.calls(u"start"), 0);

    fake.session.answerQueued();
    QCOMPARE(fake.fake.pageLoader.requested,
             QList<QUrl>{QUrl(QStringLiteral("http://db.test/") + kWater)});
    QCOMPARE(fake.session.row(kWater)->outcome.product.name, QStringLiteral("Water"));
    // Remembered now: the next session answers it at once.
    Scanning next;
    next.fake.answers.answers = fake.fake.answers.answers;
    QCOMPARE(next.session.add(ReadScan(kWater)).state, ScanRow::State::Answered);
}

void TestScanning::scanWhileQueueIsAsked_isCountedAtOnceAndAnswered()
{
    Scanning fake;
    QStringList rowsDuringWait;
    fake.fake.eventLoop.onWait = [&] {
        if (!rowsDuringWait.isEmpty())
            return;
        // The scanner types on while the first code is being asked: counted at once, and a
        // second pump started by its event leaves the work to the running one.
        fake.session.add(ReadScan(kBook));
        fake.session.add(ReadScan(kWater));
        rowsDuringWait = fake.rows();
        fake.session.answerQueued();
    };
    fake.session.add(ReadScan(kWater));
    fake.session.answerQueued();
    QCOMPARE(rowsDuringWait, (QStringList{u"2x" + kWater, u"1x" + kBook}));
    QCOMPARE(fake.fake.pageLoader.requested.size(), 2);
    QVERIFY(!fake.session.hasQueued());
    for (const ScanRow& row : fake.session.rows())
        QCOMPARE(row.state, ScanRow::State::Answered);
}

void TestScanning::undo_countsDownThenRemovesRow()
{
    Scanning fake;
    for (const QString& code : {kTea, kWater, kTea})
        fake.session.add(ReadScan(code));
    QVERIFY(fake.session.undo());
    QCOMPARE(fake.rows(), (QStringList{u"1x" + kTea, u"1x" + kWater}));
    QVERIFY(fake.session.undo());
    QCOMPARE(fake.rows(), QStringList{u"1x" + kTea});
    QCOMPARE(fake.session.codesInScanOrder(), QStringList{kTea});
    QVERIFY(fake.session.undo());
    QVERIFY(!fake.session.undo());
    QVERIFY(fake.rows().isEmpty());
}

void TestScanning::formsOfOneProduct_countOnOneRow()
{
    Scanning fake;
    for (const QString& code : QStringList{"036000291452", "0036000291452", "00036000291452"})
        fake.session.add(ReadScan(code));
    QCOMPARE(fake.rows(), QStringList{"3x0036000291452"});
}

void TestScanning::unwritableSessionFile_countsNothing()
{
    Scanning fake;
    fake.journal.hook.fail(u"append", QStringLiteral("Disk full"));
    QVERIFY_THROWS_EXCEPTION(OperationFailed, fake.session.add(ReadScan(kTea)));
    QVERIFY(fake.rows().isEmpty());
}

void TestScanning::arrivalTogether_oneSync_killedBeforeAnswersLosesNone()
{
    const QList<Scan> arrival{ReadScan(kTea), ReadScan(kWater), ReadScan(kTea)};
    Scanning fake;
    fake.remember(kTea, QStringLiteral("Tea"));
    QStringList told;
    fake.session.add(arrival, [&](const ScanRow& row) {
        told.append(QString::number(row.count) + u'x' + row.code + u' ' + row.outcome.rowText);
    });
    QCOMPARE(fake.journal.syncs, 1);
    QCOMPARE(told,
             (QStringList{u"1x" + kTea + u" Tea", u"1x" + kWater + u' ', u"2x" + kTea + u" Tea"}));

    // Killed between the write and the answers: none was answered, and the next start has them
    // all, each counted once.
    Scanning killed;
    killed.remember(kTea, QStringLiteral("Tea"));
    killed.journal.killedAfterWrite = true;
    told.clear();
    QVERIFY_THROWS_EXCEPTION(
        FakeScanJournal::Killed,
        killed.session.add(arrival, [&](const ScanRow& row) { told.append(row.code); }));
    QVERIFY(told.isEmpty());
    Scanning next;
    next.journal.lines = killed.journal.lines;
    next.session.restore();
    QCOMPARE(next.rows(), (QStringList{u"2x" + kTea, u"1x" + kWater}));
}

void TestScanning::restoreAfterCrash_givesTheSessionBack()
{
    QTemporaryDir folder;
    const QString path = folder.filePath(QStringLiteral("session.txt"));
    {
        Scanning crashed;
        QtScanJournal journal(path);
        ScanSession session(journal, crashed.local, crashed.online);
        for (const QString& scanned : QStringList{kTea, kWater, kTea, kBook + u"05", kBook})
            session.add(ReadScan(scanned));
        session.undo();
        // Left without clear(), as a killed process leaves it, with half a line the crash cut.
        QFile file(path);
        QVERIFY(file.open(QIODevice::Append));
        file.write("S\t9780306");
    }
    Scanning next;
    next.remember(kTea, QStringLiteral("Tea"));
    QtScanJournal journal(path);
    ScanSession session(journal, next.local, next.online);
    QVERIFY(session.hasLeftSession());
    session.restore();
    QStringList rows;
    for (const ScanRow& row : session.rows())
        rows.append(QString::number(row.count) + u'x' + row.code + u'+' + row.addOn);
    QCOMPARE(rows,
             (QStringList{u"1x" + kBook + u"+05", u"2x" + kTea + u'+', u"1x" + kWater + u'+'}));
    QCOMPARE(session.row(kTea)->state, ScanRow::State::Answered);
    QVERIFY(session.hasQueued());
    session.clear();
    QVERIFY(!session.hasLeftSession());
}

void TestScanning::scanWindow_signalsEachScan_savesWithCount_sendsOnceEach()
{
    Scanning fake;
    FakePlatform& platform = fake.fake;
    platform.listView1.add(kBook);
    fake.remember(kTea, QStringLiteral("Tea"));
    ScanMode scanning(platform.services(), fake.local, fake.online);
    scanning.OpenScanWindow();
    scanning.ScanLine_KeyText(kTea + u'\r' + kWater + u'\r' + kTea + QStringLiteral("\rx\r"));
    QCOMPARE(platform.scanWindow.signalsGiven,
             (QList<ScanSignal>{ScanSignal::Found, ScanSignal::NotFound, ScanSignal::Found,
                                ScanSignal::Invalid}));
    QCOMPARE(platform.scanWindow.rows.size(), 3);
    QCOMPARE(platform.scanWindow.rows[1], (ScanTableRow{"2", kTea, "Tea", "", "found"}));
    // The queue was asked while the line's keys were handled: Water's answer is in its row.
    QCOMPARE(platform.scanWindow.rows[2].name, QStringLiteral("Water"));

    scanning.MuteChanged(true);
    QCOMPARE(platform.settings.getSetting(kSettingsApplication.toString(),
                                          kSettingsSection.toString(),
                                          kScanMuteValueName.toString(), {}),
             QStringLiteral("1"));

    platform.commonDialog1.choices = {QStringLiteral("scans.csv")};
    scanning.SaveScansAs();
    const QList<QByteArray> lines = platform.outputFiles.texts.value("scans.csv").split('\n');
    QVERIFY(lines.value(0).startsWith("code,count,gtin,status,name"));
    QVERIFY(lines.value(1).startsWith(
        QByteArray(kTea.toUtf8() + ",2," + kTea.toUtf8() + ",found,Tea")));

    // A number in a workbook, to be summed there.
    for (const QString& name : {QStringLiteral("scans.xlsx"), QStringLiteral("scans.ods")}) {
        platform.commonDialog1.choices = {name};
        scanning.SaveScansAs();
        QCOMPARE(platform.outputFiles.workbooks.value(name).value({2, 2}), "number 2");
    }

    scanning.SendToCodeList();
    QCOMPARE(platform.listView1.count(), 4);
    QCOMPARE(platform.listView1.text(2), kTea);
    QCOMPARE(platform.listView1.text(4), QStringLiteral("x"));
}

void TestScanning::scanWindow_saysWhatBecameOfEachActionWithoutABox_data()
{
    QTest::addColumn<QStringList>("steps");
    QTest::addColumn<QString>("answer");
    QTest::addColumn<QString>("notice");
    const QString busy = QStringLiteral("port 8765 is in use; choose another port");
    const QString damaged = QStringLiteral("The remembered answers were damaged and set aside.");
    // clang-format off
    QTest::newRow("invalid scan says why") << QStringList{"scan 4006381333932"}
        << QStringLiteral("4006381333932 \u2014 check digit should be 1") << QString();
    QTest::newRow("undo shows the scan now on top") << QStringList{"scan " + kTea, "scan " + kWater, "undo"}
        << QStringLiteral("Tea") << QString();
    QTest::newRow("undo of the only scan shows nothing") << QStringList{"scan " + kTea, "undo"}
        << QString() << QString();
    QTest::newRow("Send to Code List counts") << QStringList{"scan " + kTea, "scan " + kBook, "scan " + kTea, "send"}
        << QStringLiteral("Tea") << QStringLiteral("Codes sent to the code list: 1. Already in it: 1.");
    QTest::newRow("busy phone port") << QStringList{"phone " + busy} << QString()
        << "Quillfen could not receive scans from a phone at that address and port: " + busy;
    QTest::newRow("store problem") << QStringList{"store " + damaged, "scan " + kWater}
        << QStringLiteral("Water") << damaged;
    QTest::newRow("scan not written down") << QStringList{"full", "scan " + kTea} << QString()
        << QStringLiteral("The scan could not be written to the session file, so it was not taken: Disk full");
    // clang-format on
}

void TestScanning::scanWindow_saysWhatBecameOfEachActionWithoutABox()
{
    QFETCH(QStringList, steps);
    QFETCH(QString, answer);
    QFETCH(QString, notice);
    Scanning fake;
    FakePlatform& platform = fake.fake;
    platform.listView1.add(kBook);
    fake.remember(kTea, QStringLiteral("Tea"));
    ScanMode scanning(platform.services(), fake.local, fake.online);
    scanning.OpenScanWindow();
    for (const QString& step : steps) {
        const QString what = step.section(u' ', 0, 0);
        const QString rest = step.section(u' ', 1);
        if (what == u"scan")
            scanning.ScanLine_KeyText(rest + u'\r');
        else if (what == u"undo")
            scanning.Undo();
        else if (what == u"send")
            scanning.SendToCodeList();
        else if (what == u"phone") {
            platform.phoneScans.hook.fail(u"start", rest);
            scanning.PhoneReceivingChanged(true, QStringLiteral("127.0.0.1"), 8765);
        } else if (what == u"store")
            platform.answers.problems.append(rest);
        else if (what == u"full")
            platform.scanJournal.hook.fail(u"append", QStringLiteral("Disk full"));
    }
    QCOMPARE(platform.scanWindow.answer, answer);
    QCOMPARE(platform.scanWindow.notice, notice);
    // The scans go on: nothing waited for a click.
    QVERIFY(platform.messageBox.shown().isEmpty());
    QCOMPARE(platform.scanWindow.statusWords, ScanStatusWords());
}

void TestScanning::programClosing_endsTheSession_data()
{
    QTest::addColumn<QString>("closing");
    QTest::addColumn<bool>("ended");
    QTest::newRow("scan window closed: kept") << "scan window" << false;
    QTest::newRow("main window closed") << "main window" << true;
    QTest::newRow("quit signal, as if the window closed") << "signal" << true;
}

void TestScanning::programClosing_endsTheSession()
{
    QFETCH(QString, closing);
    QFETCH(bool, ended);
    Form1OnFakes fake;
    fake.form.ScanCodes();
    fake.form.ScanLine_KeyText(QStringLiteral("hello\r"));
    QCOMPARE(fake.scanJournal.lines.size(), 1);
    if (closing == u"signal")
        fake.form.QuitOnSignal(fake.messageBox);
    else
        closing == u"main window" ? fake.form.Form_Unload() : fake.form.ScanWindow_Unload();
    // What the next start finds.
    QCOMPARE(fake.scanJournal.lines.isEmpty(), ended);
}

void TestScanning::sessionFile_notARegularFile_refusedAtOnce_data()
{
    QTest::addColumn<QString>("kind");
    QTest::newRow("folder") << "folder";
#ifndef Q_OS_WIN
    QTest::newRow("FIFO") << "fifo";
    QTest::newRow("device") << "device";
#endif
}

void TestScanning::sessionFile_notARegularFile_refusedAtOnce()
{
    QFETCH(QString, kind);
    QTemporaryDir folder;
    const QString path = folder.filePath(QStringLiteral("scan-session-console.txt"));
#ifdef Q_OS_WIN
    QVERIFY(QDir().mkdir(path));
#else
    QVERIFY(kind == u"fifo"     ? ::mkfifo(QFile::encodeName(path).constData(), 0600) == 0
            : kind == u"folder" ? QDir().mkdir(path)
                                : QFile::link(QStringLiteral("/dev/zero"), path));
#endif
    // Neither waits for a writer or a reader that never comes, nor reads what is not a file.
    QtScanJournal journal(path);
    QVERIFY2(FailureOf([&] { journal.read(); }).contains(u"is not a regular file"),
             qPrintable(kind));
    QVERIFY(!FailureOf([&] { journal.append({QStringLiteral("S\t4006381333931\t")}); }).isEmpty());
}

void TestScanning::phoneScans_offByDefault_thenTakenAnsweredAndRemembered()
{
    Scanning fake;
    FakePlatform& platform = fake.fake;
    fake.remember(kTea, QStringLiteral("Tea"));
    {
        ScanMode scanning(platform.services(), fake.local, fake.online);
        scanning.OpenScanWindow();
        QVERIFY(!platform.phoneScans.listening);
        QVERIFY(platform.scanWindow.phoneLink.isEmpty());

        scanning.PhoneReceivingChanged(true, QStringLiteral("127.0.0.1"), 8765);
        QVERIFY(platform.phoneScans.listening);
        const QString token = platform.phoneScans.token;
        QVERIFY(token.size() >= 40);
        QCOMPARE(platform.scanWindow.phoneLink,
                 "http://127.0.0.1:8765/scan/" + token + QStringLiteral("?code="));

        QCOMPARE(scanning.TakePhoneScan(QStringLiteral("hello")).kind,
                 PhoneScanAnswer::Kind::NotACode);
        QVERIFY(platform.scanWindow.rows.isEmpty());
        const PhoneScanAnswer tea = scanning.TakePhoneScan(kTea);
        QCOMPARE(tea.kind, PhoneScanAnswer::Kind::Answered);
        QCOMPARE(tea.name, QStringLiteral("Tea"));
        QCOMPARE(scanning.TakePhoneScan(kWater).kind, PhoneScanAnswer::Kind::Queued);
        scanning.AnswerQueued();
        QCOMPARE(platform.phoneScans.answers.size(), 1);
        QCOMPARE(platform.phoneScans.answers[0].name, QStringLiteral("Water"));
        QCOMPARE(platform.scanWindow.rows.size(), 2);

        platform.scanJournal.hook.fail(u"append", QStringLiteral("Disk full"));
        QCOMPARE(scanning.TakePhoneScan(kBook).kind, PhoneScanAnswer::Kind::NotTaken);
        platform.scanJournal.hook.disarm();

        scanning.NewPhoneLink();
        QVERIFY(platform.phoneScans.token != token);
        QVERIFY(platform.scanWindow.phoneLink.contains(platform.phoneScans.token));
        scanning.ScanWindow_Unload();
        QVERIFY(!platform.phoneScans.listening);
    }
    // Remembered: the next opening listens again, with the new link.
    ScanMode next(platform.services(), fake.local, fake.online);
    next.OpenScanWindow();
    QVERIFY(platform.phoneScans.listening);
    QCOMPARE(platform.phoneScans.listenPort, quint16(8765));
}

void TestScanning::phoneServer_takesOrRefuses_data()
{
    QTest::addColumn<QByteArray>("request");
    QTest::addColumn<int>("status");
    QTest::addColumn<QByteArray>("body");
    const QByteArray tea = kTea.toLatin1();
    const QByteArray end = " HTTP/1.1\r\nHost: 127.0.0.1\r\n";
    const QByteArray found = R"({"code":")" + tea + R"(","name":"Tea","status":"found"})";
    // clang-format off
    QTest::newRow("GET") << "GET /scan/@?code=" + tea + end + "\r\n" << 200 << found;
    QTest::newRow("POST form") << "POST /scan/@" + end + "Content-Type: application/x-www-form-urlencoded\r\nContent-Length: 18\r\n\r\ncode=" + tea << 200 << found;
    QTest::newRow("POST JSON") << "POST /scan/@" + end + "Content-Type: application/json\r\nContent-Length: 24\r\n\r\n{\"code\":\"" + tea + "\"}" << 200 << found;
    QTest::newRow("queued, no answer in time") << "GET /scan/@?code=" + kWater.toLatin1() + end + "\r\n" << 200 << QByteArray(R"({"status":"queued"})");
    QTest::newRow("bad token") << "GET /scan/x@?code=" + tea + end + "\r\n" << 404 << QByteArray();
    QTest::newRow("no token") << "GET /scan/?code=" + tea + end + "\r\n" << 404 << QByteArray();
    QTest::newRow("path traversal") << "GET /scan/../../etc/passwd?code=" + tea + end + "\r\n" << 404 << QByteArray();
    QTest::newRow("token then traversal") << "GET /scan/@/../@?code=" + tea + end + "\r\n" << 404 << QByteArray();
    QTest::newRow("not a code") << "GET /scan/@?code=%3Cscript%3E" + end + "\r\n" << 400 << QByteArray();
    QTest::newRow("no code") << "GET /scan/@" + end + "\r\n" << 400 << QByteArray();
    QTest::newRow("other method") << "DELETE /scan/@?code=" + tea + end + "\r\n" << 405 << QByteArray();
    QTest::newRow("10 MB body") << "POST /scan/@" + end + "Content-Length: 10485760\r\n\r\n" + QByteArray(10 * 1024 * 1024, 'a') << 413 << QByteArray();
    QTest::newRow("chunked body") << "POST /scan/@" + end + "Transfer-Encoding: chunked\r\n\r\n" << 413 << QByteArray();
    QTest::newRow("endless header") << "GET /scan/@" + end + QByteArray(20000, 'h') << 431 << QByteArray();
    QTest::newRow("slow client, never done") << "GET /scan/@?code=" + tea << 408 << QByteArray();
    QTest::newRow("not HTTP") << QByteArray("hello\r\n\r\n") << 400 << QByteArray();
    // clang-format on
}

void TestScanning::phoneServer_takesOrRefuses()
{
    QFETCH(QByteArray, request);
    QFETCH(int, status);
    QFETCH(QByteArray, body);
    QtPhoneScanServer server(QtPhoneScanServer::Limits{.requestMs = 300, .answerWaitMs = 100});
    const QString token = QStringLiteral("k3Y-0123456789abcdefghijklmnopqrstuvwxyzAB");
    server.setToken(token);
    int taken = 0;
    server.onScan = [&](const QString& text) {
        const PhoneScanAnswer answer = AnswerOf(text);
        taken += answer.kind != PhoneScanAnswer::Kind::NotACode;
        return answer;
    };
    server.start(QStringLiteral("127.0.0.1"), 0);
    const Reply reply = Exchange(server.port(), request.replace('@', token.toLatin1()));
    QCOMPARE(reply.status, status);
    QCOMPARE(reply.body, body);
    // A refused request adds nothing.
    QCOMPARE(taken, status == 200 ? 1 : 0);
}

void TestScanning::phoneServer_burstAndNewLink_refusedPastTheLimit()
{
    // The clock stands still: the whole burst comes within one second.
    ClockedServer clocked(QStringLiteral("first-token-0123456789"));
    QtPhoneScanServer& server = clocked.server;
    const QByteArray request =
        "GET /scan/first-token-0123456789?code=" + kTea.toLatin1() + " HTTP/1.1\r\n\r\n";
    // 1,000 at once, 50 connections in flight at a time.
    QMap<int, int> statuses;
    std::vector<std::unique_ptr<QTcpSocket>> clients;
    int done = 0;
    for (int sent = 0; sent < 1000 || done < sent;) {
        while (sent < 1000 && sent - done < 50) {
            auto client = std::make_unique<QTcpSocket>();
            QTcpSocket* const socket = client.get();
            QObject::connect(socket, &QTcpSocket::disconnected, socket, [&, socket] {
                const QByteArray got = socket->readAll();
                ++statuses[got.startsWith("HTTP/1.1 ") ? got.mid(9, 3).toInt() : 0];
                ++done;
            });
            socket->connectToHost(QHostAddress::LocalHost, server.port());
            socket->write(request);
            clients.push_back(std::move(client));
            ++sent;
        }
        QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents, 100);
    }
    // 20 taken; the rest refused, by status or, past the connections open at once, by closing.
    QCOMPARE(clocked.taken, 20);
    QCOMPARE(statuses.value(200), 20);
    QCOMPARE(statuses.value(429) + statuses.value(0), 980);
    QVERIFY(statuses.value(429) > 0);

    // New Link, a second later: the old token is refused at once.
    clocked.now += 1000;
    server.setToken(QStringLiteral("second-token-0123456789"));
    QCOMPARE(Exchange(server.port(), request).status, 404);
    QByteArray next = request;
    QCOMPARE(Exchange(server.port(), next.replace("first", "second")).status, 200);
}

void TestScanning::phoneServer_steadyAtTheLimit_takesEvery()
{
    // A phone scanning 20 a second for 3 s, its first request 10 ms late: one second later 21
    // requests fall within a second, and none of them may be lost.
    ClockedServer clocked(QStringLiteral("steady-token-0123456789"));
    QtPhoneScanServer& server = clocked.server;
    const QByteArray request =
        "GET /scan/steady-token-0123456789?code=" + kTea.toLatin1() + " HTTP/1.1\r\n\r\n";
    for (int i = 0; i < 60; ++i) {
        clocked.now = i == 0 ? 10 : 50 * i;
        QCOMPARE(Exchange(server.port(), request).status, 200);
    }
    QCOMPARE(clocked.taken, 60);
}

void TestScanning::phoneServer_nobodyWithoutTheTokenKeepsThePhoneOut_data()
{
    QTest::addColumn<int>("wrongRequests");
    QTest::addColumn<int>("silentConnections");
    QTest::newRow("a burst at a wrong path") << 200 << 0;
    QTest::newRow("40 connections that send nothing") << 0 << 40;
    QTest::newRow("both") << 200 << 40;
}

void TestScanning::phoneServer_nobodyWithoutTheTokenKeepsThePhoneOut()
{
    QFETCH(int, wrongRequests);
    QFETCH(int, silentConnections);
    // The clock stands still: the burst comes within one second.
    qint64 now = 0;
    QtPhoneScanServer server(
        QtPhoneScanServer::Limits{.silentMs = 500, .clock = [&now] { return now; }});
    server.setToken(QStringLiteral("phone-token-0123456789"));
    server.onScan = &AnswerOf;
    server.start(QStringLiteral("127.0.0.1"), 0);
    const QByteArray end = "?code=" + kTea.toLatin1() + " HTTP/1.1\r\n\r\n";
    QMap<int, int> refused;
    for (int i = 0; i < wrongRequests; ++i)
        ++refused[Exchange(server.port(), "GET /nope" + end).status];
    std::vector<std::unique_ptr<QTcpSocket>> silent;
    for (int i = 0; i < silentConnections; ++i) {
        silent.push_back(std::make_unique<QTcpSocket>());
        silent.back()->connectToHost(QHostAddress::LocalHost, server.port());
        QVERIFY(silent.back()->waitForConnected(5000));
    }

    QCOMPARE(Exchange(server.port(), "GET /scan/phone-token-0123456789" + end).status, 200);
    // The wrong path spent a budget of its own, and was refused past it.
    if (wrongRequests > 0) {
        QCOMPARE(refused.value(404), QtPhoneScanServer::Limits{}.wrongPerSecond);
        QCOMPARE(refused.value(429), wrongRequests - refused.value(404));
    }
    // Connections that send nothing are closed after a moment.
    for (const auto& socket : silent)
        QTRY_COMPARE_WITH_TIMEOUT(socket->state(), QAbstractSocket::UnconnectedState, 5000);
    // A port that is taken says which, and what to do, in the user's words.
    QtPhoneScanServer second;
    QCOMPARE(FailureOf([&] { second.start(QStringLiteral("127.0.0.1"), server.port()); }),
             QStringLiteral("port %1 is in use; choose another port").arg(server.port()));
}

QTEST_GUILESS_MAIN(TestScanning)
#include "tst_scanning.moc"
