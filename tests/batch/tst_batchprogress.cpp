// The progress of a batch run on standard error: its texts, the estimate of the time left, and
// when lines are written on a terminal and elsewhere.
#include "app/batch/BatchProgress.h"
#include "fakes/FakeBatchConsole.h"
#include "fakes/FakeClock.h"
#include "lookup/LookupChain.h"

#include <QTest>

namespace {
CodeOutcome WithStatus(CodeOutcome::Status status)
{
    CodeOutcome outcome;
    outcome.status = status;
    return outcome;
}
} // namespace

class TestBatchProgress : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    // ---- Texts ----
    void duration_data();
    void duration();
    void rate_perSecondOrPerMinute_data();
    void rate_perSecondOrPerMinute();
    void progressText_countsThenRateThenTimeLeft();

    // ---- Time left ----
    void samplePlaces_spreadEvenlyAndNeverMoreThanTheCodes();
    void timeLeft_pacedCodesLeftInTheSampleTimesTheirInterval();
    void timeLeft_theRateSoFarWhenItIsSlower();
    void timeLeft_unknownUntilSomethingIsKnown();

    // ---- Lines ----
    void terminal_oneLineRewrittenAtMostFiveTimesASecond();
    void log_aLineEveryTenSeconds();
    void note_standsOnItsOwnLineAndTheProgressComesBack();
    void finish_saysHowTheRunEnded();
    void quiet_writesNothing();

private:
    // Progress on a fake standard error and a fake clock.
    struct Showing
    {
        explicit Showing(bool terminal, bool quiet = false)
        {
            console.terminal = terminal;
            progress.emplace(console, clock, quiet);
        }
        void add(CodeOutcome::Status status, qint64 afterMs)
        {
            clock.advance(afterMs);
            progress->add(WithStatus(status));
        }

        FakeBatchConsole console;
        FakeClock clock;
        std::optional<BatchProgress> progress;
    };
};

// ---- Texts ----

void TestBatchProgress::duration_data()
{
    QTest::addColumn<qint64>("seconds");
    QTest::addColumn<QString>("text");
    QTest::newRow("none") << qint64(0) << "0 s";
    QTest::newRow("seconds") << qint64(59) << "59 s";
    QTest::newRow("minutes") << qint64(200) << "3 min 20 s";
    QTest::newRow("hours") << qint64(2 * 3600 + 5 * 60 + 59) << "2 h 05 min";
    QTest::newRow("days") << qint64(3 * 86400 + 4 * 3600 + 1) << "3 d 4 h";
    QTest::newRow("never negative") << qint64(-5) << "0 s";
}

void TestBatchProgress::duration()
{
    QFETCH(qint64, seconds);
    QFETCH(QString, text);
    QCOMPARE(DurationText(seconds), text);
}

void TestBatchProgress::rate_perSecondOrPerMinute_data()
{
    QTest::addColumn<double>("perSecond");
    QTest::addColumn<QString>("text");
    QTest::newRow("fast") << 1234.56 << "1234.6 codes/s";
    QTest::newRow("one a second") << 1.0 << "1.0 codes/s";
    QTest::newRow("paced at ten a minute") << 10.0 / 60 << "10.0 codes/min";
}

void TestBatchProgress::rate_perSecondOrPerMinute()
{
    QFETCH(double, perSecond);
    QFETCH(QString, text);
    QCOMPARE(RateText(perSecond), text);
}

void TestBatchProgress::progressText_countsThenRateThenTimeLeft()
{
    BatchTally tally;
    tally.total = 5000;
    for (const auto status : {CodeOutcome::Status::Found, CodeOutcome::Status::Found,
                              CodeOutcome::Status::NotFound, CodeOutcome::Status::Failed})
        tally.count(WithStatus(status));
    QCOMPARE(BatchProgressText(tally, 85.24, qint64(19 * 60 + 3)),
             QStringLiteral("4/5000 codes: 2 found, 1 not found, 1 failed, 85.2 codes/s, about "
                            "19 min 3 s left"));
    tally.count(WithStatus(CodeOutcome::Status::NotLookedUp));
    QCOMPARE(BatchProgressText(tally, std::nullopt, std::nullopt),
             QStringLiteral("5/5000 codes: 2 found, 1 not found, 1 failed, 1 not looked up"));
}

// ---- Time left ----

void TestBatchProgress::samplePlaces_spreadEvenlyAndNeverMoreThanTheCodes()
{
    QCOMPARE(BatchTimeLeft::samplePlaces(10, 5), (std::vector<qsizetype>{1, 3, 5, 7, 9}));
    QCOMPARE(BatchTimeLeft::samplePlaces(3, 1000), (std::vector<qsizetype>{0, 1, 2}));
    QCOMPARE(BatchTimeLeft::samplePlaces(1'000'000, 1000).size(), std::size_t(1000));
    QCOMPARE(BatchTimeLeft::samplePlaces(1'000'000, 1000).back(), qsizetype(999'500));
    QVERIFY(BatchTimeLeft::samplePlaces(0, 1000).empty());
}

void TestBatchProgress::timeLeft_pacedCodesLeftInTheSampleTimesTheirInterval()
{
    // The first half remembered, the second half for a source at ten a minute.
    BatchTimeLeft estimate;
    estimate.setSample({{10, 0}, {30, 0}, {50, 6000}, {70, 6000}, {90, 6000}});
    // Three of five sampled codes wait 6 s: 100 codes, 3.6 s each.
    QCOMPARE(estimate.secondsLeft(0, 100, 0), qint64(360));
    // Past the remembered half all of them wait, although the run went quickly so far.
    QCOMPARE(estimate.secondsLeft(50, 100, 1000), qint64(300));
    QCOMPARE(estimate.secondsLeft(100, 100, 1000), qint64(0));
}

void TestBatchProgress::timeLeft_theRateSoFarWhenItIsSlower()
{
    BatchTimeLeft estimate;
    estimate.setSample({{0, 0}, {50, 0}}); // nothing paced: a slow page service
    QCOMPARE(estimate.secondsLeft(10, 100, 20'000), qint64(180));
    estimate.setSample({{0, 1000}, {50, 1000}});
    QCOMPARE(estimate.secondsLeft(10, 100, 5000), qint64(90)); // pacing says longer
    QCOMPARE(estimate.secondsLeft(10, 100, 20'000), qint64(180));
}

void TestBatchProgress::timeLeft_unknownUntilSomethingIsKnown()
{
    BatchTimeLeft estimate;
    QCOMPARE(estimate.secondsLeft(0, 100, 5000), std::nullopt);
    estimate.setSample({{0, 0}});
    QCOMPARE(estimate.secondsLeft(0, 100, 5000), std::nullopt);
    QCOMPARE(estimate.secondsLeft(1, 100, 0), std::nullopt);
}

// ---- Lines ----

void TestBatchProgress::terminal_oneLineRewrittenAtMostFiveTimesASecond()
{
    Showing fake(true);
    fake.progress->start(3, BatchTimeLeft());
    QCOMPARE(fake.console.errors, QStringLiteral("\r0/3 codes: 0 found, 0 not found, 0 failed"
                                                 "\x1b[K"));
    fake.console.errors.clear();
    fake.add(CodeOutcome::Status::Found, 100); // too soon after the last
    QVERIFY(fake.console.errors.isEmpty());
    fake.add(CodeOutcome::Status::NotFound, 150);
    QCOMPARE(fake.console.errors, QStringLiteral("\r2/3 codes: 1 found, 1 not found, 0 failed, "
                                                 "8.0 codes/s, about 0 s left\x1b[K"));
    QVERIFY(!fake.console.errors.contains(u'\n'));
}

void TestBatchProgress::log_aLineEveryTenSeconds()
{
    Showing fake(false);
    fake.progress->start(100, BatchTimeLeft());
    QVERIFY(fake.console.errors.isEmpty());
    fake.add(CodeOutcome::Status::Found, 9'000);
    QVERIFY(fake.console.errors.isEmpty());
    fake.add(CodeOutcome::Status::Failed, 1'000);
    QCOMPARE(fake.console.errors, QStringLiteral("2/100 codes: 1 found, 0 not found, 1 failed, "
                                                 "12.0 codes/min, about 8 min 10 s left\n"));
    fake.add(CodeOutcome::Status::Found, 9'999);
    QCOMPARE(fake.console.errors.count(u'\n'), 1);
    fake.add(CodeOutcome::Status::Found, 1);
    QCOMPARE(fake.console.errors.count(u'\n'), 2);
    QVERIFY(!fake.console.errors.contains(u'\r'));
}

void TestBatchProgress::note_standsOnItsOwnLineAndTheProgressComesBack()
{
    Showing terminal(true);
    terminal.progress->start(2, BatchTimeLeft());
    terminal.console.errors.clear();
    terminal.progress->note(QStringLiteral("quillfen: the store is damaged"));
    QCOMPARE(terminal.console.errors, QStringLiteral("\r\x1b[Kquillfen: the store is damaged\n"
                                                     "0/2 codes: 0 found, 0 not found, 0 failed"));
    Showing log(false);
    log.progress->start(2, BatchTimeLeft());
    log.progress->note(QStringLiteral("quillfen: the store is damaged"));
    QCOMPARE(log.console.errors, QStringLiteral("quillfen: the store is damaged\n"));
}

void TestBatchProgress::finish_saysHowTheRunEnded()
{
    Showing done(true);
    done.progress->start(2, BatchTimeLeft());
    done.add(CodeOutcome::Status::Found, 1000);
    done.add(CodeOutcome::Status::NotFound, 1500);
    done.console.errors.clear();
    done.progress->finish(StopSignal::None, true);
    QCOMPARE(done.console.errors,
             QStringLiteral("\r2/2 codes: 1 found, 1 not found, 0 failed, 48.0 codes/min, about "
                            "0 s left\x1b[K\nDone in 2 s: 2/2 codes: 1 found, 1 not found, 0 "
                            "failed\n"));

    Showing stopped(false);
    stopped.progress->start(10, BatchTimeLeft());
    stopped.add(CodeOutcome::Status::Failed, 61'000);
    stopped.console.errors.clear();
    stopped.progress->finish(StopSignal::Terminate, true);
    QCOMPARE(stopped.console.errors,
             QStringLiteral("Stopped by SIGTERM after 1 min 1 s: 1/10 codes: 0 found, 0 not "
                            "found, 1 failed. Codes not reached: 9.\n"));

    // The summary says why codes failed, the commonest reasons first.
    Showing failing(false);
    failing.progress->start(5, BatchTimeLeft());
    const auto failed = [](const char* source, const char* detail) {
        CodeOutcome outcome = WithStatus(CodeOutcome::Status::Failed);
        outcome.source = QString::fromLatin1(source);
        outcome.detail = QString::fromLatin1(detail);
        return outcome;
    };
    for (const CodeOutcome& outcome :
         {failed("UPCitemdb", "daily limit reached"), failed("Open Food Facts", "timed out"),
          failed("UPCitemdb", "daily limit reached"), failed("UPCitemdb", "daily limit reached")})
        failing.progress->add(outcome);
    failing.add(CodeOutcome::Status::Found, 1000);
    failing.console.errors.clear();
    failing.progress->finish(StopSignal::None, true);
    QCOMPARE(failing.console.errors,
             QStringLiteral("Done in 1 s: 5/5 codes: 1 found, 0 not found, 4 failed; 3 failed: "
                            "UPCitemdb: daily limit reached, 1 failed: Open Food Facts: timed "
                            "out\n"));

    // A run whose results could not be written is never "Done".
    for (const StopSignal stop : {StopSignal::None, StopSignal::Interrupt}) {
        Showing unwritten(false);
        unwritten.progress->start(1, BatchTimeLeft());
        unwritten.add(CodeOutcome::Status::Found, 1000);
        unwritten.console.errors.clear();
        unwritten.progress->finish(stop, false);
        QVERIFY2(!unwritten.console.errors.contains(u"Done"), qPrintable(unwritten.console.errors));
        QVERIFY2(unwritten.console.errors.contains(u"Results not written"),
                 qPrintable(unwritten.console.errors));
    }
}

void TestBatchProgress::quiet_writesNothing()
{
    Showing fake(true, true);
    fake.progress->start(2, BatchTimeLeft());
    fake.add(CodeOutcome::Status::Found, 20'000);
    fake.add(CodeOutcome::Status::Failed, 20'000);
    fake.progress->finish(StopSignal::Interrupt, true);
    QVERIFY(fake.console.errors.isEmpty());
    QCOMPARE(fake.progress->tally().failed, 1);
    QCOMPARE(fake.progress->tally().done, 2);
}

QTEST_GUILESS_MAIN(TestBatchProgress)
#include "tst_batchprogress.moc"
