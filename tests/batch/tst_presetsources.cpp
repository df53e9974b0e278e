// The program's source presets, each against its service's stand-in, run as a script runs them:
// found, not found, busy, and an answer about another code; and no key in any file the run wrote.
// The library catalogues against the SRU stand-in and yaz-ztest, with the files of records they
// give.
#include "SampleServiceProcess.h"
#include "support/ZtestProcess.h"

#include <QDirIterator>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>

class TestPresetSources : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase();
    void preset_answersAsItsServiceSays_data();
    void preset_answersAsItsServiceSays();
    void googleBooksWithoutKey_saysTheSharedQuotaIsUsedUp();
    void key_inNoFileTheRunWrote();
    void listSources_namesEveryPresetAndItsKey();
    void catalogue_answersTheRows_data();
    void catalogue_answersTheRows();
    void catalogue_writesTheRecordsAndListsTheRest_data();
    void catalogue_writesTheRecordsAndListsTheRest();
    void loc_overZ3950_takesNoOtherBooksRecord();

private:
    struct Run
    {
        int status = -1;
        QList<QJsonObject> rows;
        QByteArray output;
        QString errors;
    };
    Run run(const QStringList& arguments, const QByteArray& codes,
            const QHash<QString, QString>& variables);

    SampleServiceProcess m_service;
    ZtestProcess m_ztest;
    QTemporaryDir m_home;
};

namespace {
const QString kKey = QStringLiteral("k3y-0f-the-t3st");
const QStringList kPresets{"googlebooks", "isbndb", "goupc", "barcodelookup", "upcitemdbpaid"};
} // namespace

void TestPresetSources::initTestCase()
{
    QVERIFY2(m_service.start({QStringLiteral("--log-queries")}),
             qPrintable(m_service.errorString()));
    QVERIFY2(m_ztest.start(), qPrintable(m_ztest.errorString()));
    QVERIFY(m_home.isValid());
}

TestPresetSources::Run TestPresetSources::run(const QStringList& arguments, const QByteArray& codes,
                                              const QHash<QString, QString>& variables)
{
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    for (const QString& name : env.keys())
        // No session bus either: the user's own keyring stays out of the tests.
        if (name.startsWith(u"QUILLFEN_") || name == u"DISPLAY" || name == u"WAYLAND_DISPLAY" ||
            name == u"DBUS_SESSION_BUS_ADDRESS")
            env.remove(name);
    env.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("none-such"));
    env.insert(QStringLiteral("QUILLFEN_LOOPBACK_ONLY"), QStringLiteral("1"));
    for (const char* name : {"XDG_CONFIG_HOME", "XDG_CACHE_HOME", "XDG_DATA_HOME"})
        env.insert(QString::fromLatin1(name), m_home.filePath(QString::fromLatin1(name)));
    for (const QString& preset : kPresets) {
        env.insert(QStringLiteral("QUILLFEN_%1_URL").arg(preset.toUpper()), m_service.baseUrl());
        // The stand-in is ours: no need to keep to the real service's pace.
        env.insert(QStringLiteral("QUILLFEN_%1_PER_MINUTE").arg(preset.toUpper()),
                   QStringLiteral("60000"));
    }
    for (const QString& catalogue : {QStringLiteral("dnb"), QStringLiteral("k10plus")}) {
        env.insert(QStringLiteral("QUILLFEN_%1_URL").arg(catalogue.toUpper()),
                   m_service.baseUrl() + QStringLiteral("/sru/") + catalogue);
        env.insert(QStringLiteral("QUILLFEN_%1_PER_MINUTE").arg(catalogue.toUpper()),
                   QStringLiteral("60000"));
    }
    env.insert(QStringLiteral("QUILLFEN_LOC_URL"),
               QStringLiteral("z3950://127.0.0.1:%1/Default").arg(m_ztest.port()));
    env.insert(QStringLiteral("QUILLFEN_LOC_PER_MINUTE"), QStringLiteral("60000"));
    for (auto it = variables.begin(); it != variables.end(); ++it)
        env.insert(it.key(), it.value());
    QProcess program;
    program.setProcessEnvironment(env);
    program.setWorkingDirectory(m_home.path());
    program.start(QStringLiteral(QUILLFEN_PROGRAM), arguments);
    Run finished;
    if (!program.waitForStarted())
        return finished;
    program.write(codes);
    program.closeWriteChannel();
    if (!program.waitForFinished(60'000))
        program.kill();
    finished.status = program.exitStatus() == QProcess::NormalExit ? program.exitCode() : -1;
    finished.output = program.readAllStandardOutput();
    finished.errors = QString::fromUtf8(program.readAllStandardError());
    for (const QByteArray& line : finished.output.split('\n'))
        if (!line.isEmpty())
            finished.rows.append(QJsonDocument::fromJson(line).object());
    return finished;
}

void TestPresetSources::preset_answersAsItsServiceSays_data()
{
    QTest::addColumn<QString>("preset");
    QTest::addColumn<QStringList>("codes");    // found, not found, busy, another code answered
    QTest::addColumn<QStringList>("expected"); // each row: "status: name" or "status: detail"
    const QStringList books{"9780306406157", "9780262033848", "9780140328721", "9781861972712"};
    const QStringList products{"036000291452", "0823564706221", "5449000000996", "4006381333931"};
    const QString busy = QStringLiteral("failed: HTTP 429");
    QTest::newRow("googlebooks") << "googlebooks" << books
                                 << QStringList{"found: Surreal Numbers", "not found: ", busy,
                                                "not found: "};
    QTest::newRow("isbndb") << "isbndb" << books
                            << QStringList{"found: Surreal Numbers", "not found: ", busy,
                                           "not found: "};
    for (const char* preset : {"goupc", "barcodelookup", "upcitemdbpaid"})
        QTest::newRow(preset) << preset << products
                              << QStringList{"found: Ballpoint Pen, Blue", "not found: ", busy,
                                             "not found: "};
}

void TestPresetSources::preset_answersAsItsServiceSays()
{
    QFETCH(QString, preset);
    QFETCH(QStringList, codes);
    QFETCH(QStringList, expected);
    const Run done = run({"--batch", "--sources", preset, "--format", "jsonl", "--no-cache"},
                         codes.join(u'\n').toUtf8(),
                         {{QStringLiteral("QUILLFEN_KEY_") + preset.toUpper(), kKey}});
    QVERIFY2(done.rows.size() == codes.size(), qPrintable(done.errors));
    QStringList got;
    for (const QJsonObject& row : done.rows) {
        const QString status = row.value(u"status").toString();
        got.append(
            status + u": " +
            (status == u"found" ? row.value(u"name").toString() : row.value(u"detail").toString()));
    }
    QCOMPARE(got, expected);
}

void TestPresetSources::googleBooksWithoutKey_saysTheSharedQuotaIsUsedUp()
{
    const Run done = run({"--batch", "--sources", "googlebooks", "--format", "jsonl", "--no-cache"},
                         "9780306406157\n9780140328721\n", {});
    QCOMPARE(done.rows.size(), 2);
    QCOMPARE(done.rows[0].value(u"name").toString(), QStringLiteral("Surreal Numbers"));
    QCOMPARE(done.rows[1].value(u"detail").toString(),
             QStringLiteral("the shared quota is used up; add a key"));
    QCOMPARE(done.rows[1].value(u"source").toString(), QStringLiteral("Google Books"));
}

void TestPresetSources::key_inNoFileTheRunWrote()
{
    // Remembered answers, the pacing file and the settings all written; then every file looked at.
    for (const QString& preset : kPresets) {
        const Run done = run({"--batch", "--sources", preset, "--format", "jsonl"},
                             "9780306406157\n036000291452\n9780262033848\n",
                             {{QStringLiteral("QUILLFEN_KEY_") + preset.toUpper(), kKey}});
        QCOMPARE(done.status, 0);
        QVERIFY(!done.output.contains(kKey.toUtf8()));
        QVERIFY(!done.errors.contains(kKey));
    }
    int files = 0;
    for (QDirIterator it(m_home.path(), QDir::Files | QDir::Hidden, QDirIterator::Subdirectories);
         it.hasNext();) {
        QFile file(it.next());
        QVERIFY(file.open(QIODevice::ReadOnly));
        const QByteArray bytes = file.readAll();
        QVERIFY2(!bytes.contains(kKey.toUtf8()), qPrintable(file.fileName()));
        // SQLite may keep text as UTF-16.
        const QByteArray wide(reinterpret_cast<const char*>(kKey.utf16()), kKey.size() * 2);
        QVERIFY2(!bytes.contains(wide), qPrintable(file.fileName()));
        ++files;
    }
    QVERIFY(files >= 2); // the remembered answers and the pacing, at least
}

void TestPresetSources::listSources_namesEveryPresetAndItsKey()
{
    const Run done =
        run({"--list-sources"}, {},
            {{QStringLiteral("QUILLFEN_KEY_ISBNDB"), kKey},
             {QStringLiteral("QUILLFEN_SOURCES"), QStringLiteral("goupc,openfoodfacts")}});
    QCOMPARE(done.status, 0);
    const QString listing = QString::fromUtf8(done.output);
    QVERIFY(!listing.contains(kKey));
    for (const QString& preset : kPresets)
        QVERIFY2(listing.contains(u'\n' + preset + QStringLiteral("\tpreset (")),
                 qPrintable(listing));
    QVERIFY(listing.contains(QStringLiteral("\tgiven (QUILLFEN_KEY_ISBNDB)\tno\n")));
    QVERIFY(listing.contains(QStringLiteral("goupc.json)\tmissing\tyes\n")));
    QVERIFY(listing.contains(QStringLiteral("googlebooks.json)\tnone (optional)\tno\n")));
}

namespace {
// The made-up books of the SRU stand-in (tools/sample-service/SruStandIn.h), in the order asked.
const QStringList kBooks{"9783999000015", "978-3-9990-0002-2", "9783999000039", "9783999000046",
                         "9783999000053", "9780000000002",     "9783999000060"};
} // namespace

void TestPresetSources::catalogue_answersTheRows_data()
{
    QTest::addColumn<QString>("preset");
    QTest::addColumn<QString>("query"); // how its CQL asks for the first book
    QTest::newRow("dnb") << "dnb"
                         << "num%3D9783999000015";
    QTest::newRow("k10plus") << "k10plus"
                             << "pica.isb%3D9783999000015";
}

void TestPresetSources::catalogue_answersTheRows()
{
    QFETCH(QString, preset);
    QFETCH(QString, query);
    const Run done =
        run({"--batch", "--sources", preset, "--format", "jsonl", "--no-cache", "--columns",
             "code,status,name,author,publisher,published,"
             "control_number,detail"},
            kBooks.join(u'\n').toUtf8(), {});
    QVERIFY2(done.rows.size() == kBooks.size(), qPrintable(done.errors));
    QStringList got;
    for (const QJsonObject& row : done.rows) {
        QStringList cells;
        for (const char* column :
             {"status", "name", "author", "publisher", "published", "control_number", "detail"})
            cells.append(row.value(QLatin1String(column)).toString());
        got.append(cells.join(u'|'));
    }
    QCOMPARE(got,
             (QStringList{
                 "found|\u00dcber Federkiele und Tinte: eine kleine Geschichte des Schreibens|"
                 "Fenwick, Ada M.|Gullwing Press|2019|QF0000015|",
                 "found|Annual report of the Guild of Quill Makers|Guild of Quill Makers|The Guild|"
                 "1998|QF0000022|",
                 "not found||||||",
                 "found|Caf\u00e9 society in the age of the quill|\u0141ukasiewicz, Zo\u00eb|"
                 "\u00c9ditions Plume|1987|QF0000046|",
                 "failed||||||damaged record: not a MARCXML record", "not found||||||",
                 "found|Second of two||||QF0000060|"}));
    bool asked = false;
    for (const SampleServiceProcess::Arrival& arrival : m_service.arrivals())
        asked = asked || (arrival.api == u"sru" &&
                          arrival.target.startsWith(QByteArray("/sru/" + preset.toUtf8())) &&
                          arrival.target.contains(query.toUtf8()));
    QVERIFY(asked);
}

void TestPresetSources::catalogue_writesTheRecordsAndListsTheRest_data()
{
    QTest::addColumn<QString>("format");
    QTest::addColumn<QByteArray>("recordMark");            // one in each record written
    QTest::newRow("marc") << "marc" << QByteArray("\x1d"); // ISO 2709's record terminator
    QTest::newRow("marcxml") << "marcxml" << QByteArray("<record xmlns=");
}

void TestPresetSources::catalogue_writesTheRecordsAndListsTheRest()
{
    QFETCH(QString, format);
    QFETCH(QByteArray, recordMark);
    const QString path = m_home.filePath(QStringLiteral("records.") + format);
    const Run done = run({"--batch", "--sources", "dnb", "--format", format, "--output", path},
                         kBooks.join(u'\n').toUtf8(), {});
    QCOMPARE(done.status, 1); // the damaged record failed its row
    QFile file(path);
    QVERIFY(file.open(QIODevice::ReadOnly));
    const QByteArray written = file.readAll();
    // Four books found, each with its record; three rows without one, named.
    QCOMPARE(written.count(recordMark), 4);
    QVERIFY2(done.errors.contains(
                 QStringLiteral("quillfen: Left out of the file, without a catalogue record (3): "
                                "9783999000039, 9783999000053, 9780000000002")),
             qPrintable(done.errors));
}

void TestPresetSources::loc_overZ3950_takesNoOtherBooksRecord()
{
    // yaz-ztest finds records for any ISBN, but of its own few books, none of which is this one.
    const Run done = run({"--batch", "--sources", "loc", "--format", "jsonl", "--no-cache"},
                         "9783999000015\n", {});
    QVERIFY2(done.rows.size() == 1, qPrintable(done.errors));
    QCOMPARE(done.rows[0].value(u"status").toString(), QStringLiteral("not found"));
    QCOMPARE(done.rows[0].value(u"source").toString(), QString());
}

QTEST_GUILESS_MAIN(TestPresetSources)
#include "tst_presetsources.moc"
