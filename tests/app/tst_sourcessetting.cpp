// The Sources dialog's choice: what it opens with, what it refuses, and what it saves.
#include "app/LookupSetup.h"
#include "app/sources/FileSources.h"
#include "app/sources/SourceTools.h"
#include "app/sources/SourcesSetting.h"
#include "fakes/FakePlatform.h"
#include "fakes/FakeProductIndex.h"
#include "fakes/FakeSettingsStore.h"
#include "lookup/LookupSource.h"

#include <QTest>
#include <QUrlQuery>

namespace {
// The rows as "name" for a ticked source and "-name" for an unticked one, top down.
QStringList Rows(const SourcesDialogState& state)
{
    QStringList rows;
    for (const SourceRow& row : state.rows)
        rows.append((row.ticked ? QString() : QStringLiteral("-")) + row.name);
    return rows;
}

SourcesDialogState StateOf(const QStringList& rows, const QString& serviceUrl)
{
    SourcesDialogState state;
    for (const QString& row : rows) {
        const bool ticked = !row.startsWith(u'-');
        const QString name = ticked ? row : row.mid(1);
        state.rows.append(SourceRow{name, SourceDisplayName(name), ticked});
    }
    state.serviceUrl = serviceUrl;
    return state;
}

QString Saved(const FakeSettingsStore& settings, const QString& name)
{
    return settings.values.value(QStringLiteral("Zandrik/Quillfen/") + name, QStringLiteral("?"));
}
} // namespace

class TestSourcesSetting : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void saveThenRead_roundTripsTicksOrderAndAddress();
    void opening_data();
    void opening();
    void savedValuesThatDisagree_tickedSourcesKeepTheirRunOrder();
    void okAfterOpening_savesOnlyWhatTheUserChanged_data();
    void okAfterOpening_savesOnlyWhatTheUserChanged();
    void problem_data();
    void problem();
    void overrideNote_saysWhatTheCommandLineDecides();
    void displayNames_areTheSourcesOwn();

    // ---- The source buttons ----
    void setKey_keptInTheKeyringOrSaidHowToGiveItInstead();
    void test_showsWhatWasReadBesideTheAnswerWithTheKeyHidden_data();
    void test_showsWhatWasReadBesideTheAnswerWithTheKeyHidden();
    void addFile_takesTheSourceOrSaysWhyNot();
    void addFile_keptInTheUsersFolder_data();
    void addFile_keptInTheUsersFolder();
};

namespace {
// A configuration with one source described in a file, asked at 127.0.0.1:9 with a key.
struct Tools : FakePlatform
{
    Tools()
    {
        auto read = ReadSourceFile(QStringLiteral("acme.json"), R"({"name": "acme",
            "displayName": "Acme", "request": {"url": "http://127.0.0.1:9/i?ean={gtin13}&key={key}"},
            "answer": {"results": "/items", "name": "/title", "brand": "/brand",
                       "description": "/about"}})");
        config.fileSources.append(
            FileSourceEntry{std::get<SourceDescription>(read), QStringLiteral("preset"), {}, {}});
        config.keyFor = [](const QString&) { return SourceKey{QStringLiteral("s3cr3t"), {}}; };
    }
    AppConfig config;
    SourceTools tools{config, services()};
};
} // namespace

void TestSourcesSetting::saveThenRead_roundTripsTicksOrderAndAddress()
{
    FakeSettingsStore settings;
    SourcesDialogState chosen =
        StateOf({"upcitemdb", "-index", "page", "-openlibrary", "openfoodfacts"},
                QStringLiteral("http://127.0.0.1:8080/lookup"));
    chosen.fillGaps = true;
    SaveSources(settings, chosen);

    QCOMPARE(Saved(settings, "Sources"), QStringLiteral("upcitemdb,page,openfoodfacts"));
    QCOMPARE(Saved(settings, "Source Order"),
             QStringLiteral("upcitemdb,index,page,openlibrary,openfoodfacts"));
    QCOMPARE(Saved(settings, "Service URL"), QStringLiteral("http://127.0.0.1:8080/lookup"));
    QCOMPARE(Saved(settings, "Fill Gaps"), QStringLiteral("1"));
    QCOMPARE(SourcesDialogStateFor(AppConfig{}, ReadSavedSources(settings), false), chosen);
    QVERIFY(FillGapsFor(AppConfig{}, Saved(settings, "Fill Gaps")));
    // What a run then asks: the ticked ones in the saved order, at the saved address.
    const SourceChoice run = ChooseSources(AppConfig{}, Saved(settings, "Sources"), false);
    QCOMPARE(run.names, (QStringList{"upcitemdb", "page", "openfoodfacts"}));
    QVERIFY(!run.defaultOrder);
    QCOMPARE(ChooseServiceUrl(AppConfig{}, Saved(settings, "Service URL")),
             QStringLiteral("http://127.0.0.1:8080/lookup"));
}

void TestSourcesSetting::opening_data()
{
    QTest::addColumn<QStringList>("configSources");
    QTest::addColumn<QString>("configServiceUrl");
    QTest::addColumn<QString>("savedSources");
    QTest::addColumn<bool>("indexPresent");
    QTest::addColumn<QStringList>("rows");
    QTest::addColumn<QString>("serviceUrl");

    const QString none;
    QTest::newRow("nothing saved, no index: the built-in choice")
        << QStringList{} << none << none << false
        << QStringList{"openfoodfacts", "openlibrary", "-index", "-upcitemdb", "-page"} << none;
    QTest::newRow("nothing saved, an index: it comes first")
        << QStringList{} << none << none << true
        << QStringList{"index", "openfoodfacts", "openlibrary", "-upcitemdb", "-page"} << none;
    QTest::newRow("nothing saved, sources named: those")
        << QStringList{"upcitemdb", "openlibrary"} << none << none << false
        << QStringList{"upcitemdb", "openlibrary", "-index", "-openfoodfacts", "-page"} << none;
    QTest::newRow("nothing saved, service named: the page service alone at its address")
        << QStringList{} << QStringLiteral("http://127.0.0.1:5") << none << false
        << QStringList{"page", "-index", "-openfoodfacts", "-openlibrary", "-upcitemdb"}
        << QStringLiteral("http://127.0.0.1:5");
    QTest::newRow("saved: the saved choice, even with sources named")
        << QStringList{"upcitemdb"} << none << QStringLiteral("openlibrary") << true
        << QStringList{"openlibrary", "-index", "-openfoodfacts", "-upcitemdb", "-page"} << none;
    QTest::newRow("saved list unreadable: the choice in effect")
        << QStringList{} << none << QStringLiteral("openlibrary,nonsense") << false
        << QStringList{"openfoodfacts", "openlibrary", "-index", "-upcitemdb", "-page"} << none;
}

void TestSourcesSetting::opening()
{
    QFETCH(QStringList, configSources);
    QFETCH(QString, configServiceUrl);
    QFETCH(QString, savedSources);
    QFETCH(bool, indexPresent);
    QFETCH(QStringList, rows);
    QFETCH(QString, serviceUrl);
    AppConfig config;
    config.sources = configSources;
    if (!configServiceUrl.isEmpty()) {
        config.serviceUrl = configServiceUrl;
        config.serviceUrlNamed = true;
    }
    const SourcesDialogState state =
        SourcesDialogStateFor(config, SavedSources{savedSources, {}, {}}, indexPresent);
    QCOMPARE(Rows(state), rows);
    QCOMPARE(state.serviceUrl, serviceUrl);
    for (const SourceRow& row : state.rows)
        QCOMPARE(row.displayName, SourceDisplayName(row.name));
}

// Someone edited the settings file by hand: "Sources" lists the ticked ones in another order than
// "Source Order". The run asks them as "Sources" says, so the list shows them in that order, and
// the unticked ones keep their places.
void TestSourcesSetting::savedValuesThatDisagree_tickedSourcesKeepTheirRunOrder()
{
    const SavedSources saved{
        QStringLiteral("page,index"), QStringLiteral("index,openfoodfacts,page,upcitemdb"), {}};
    QCOMPARE(Rows(SourcesDialogStateFor(AppConfig{}, saved, false)),
             (QStringList{"page", "-openfoodfacts", "index", "-upcitemdb", "-openlibrary"}));
}

void TestSourcesSetting::okAfterOpening_savesOnlyWhatTheUserChanged_data()
{
    QTest::addColumn<QStringList>("rows");
    QTest::addColumn<QString>("serviceUrl");
    QTest::addColumn<QStringList>(
        "written"); // Sources, Source Order, Service URL; "?": not written

    // The session was started with --service-url http://127.0.0.1:5 and nothing saved: the dialog
    // opens with the page service alone at that address.
    const QStringList opened{"page", "-index", "-openfoodfacts", "-openlibrary", "-upcitemdb"};
    const QString sessionUrl = QStringLiteral("http://127.0.0.1:5");
    QTest::newRow("nothing changed") << opened << sessionUrl << QStringList{"?", "?", "?"};
    QTest::newRow("spaces around the same address")
        << opened << u' ' + sessionUrl + u' ' << QStringList{"?", "?", "?"};
    QTest::newRow("a source ticked: the session's address is not saved")
        << QStringList{"page", "index", "-openfoodfacts", "-openlibrary", "-upcitemdb"}
        << sessionUrl
        << QStringList{"page,index", "page,index,openfoodfacts,openlibrary,upcitemdb", "?"};
    QTest::newRow("another address typed: only it is saved")
        << opened << QStringLiteral("http://127.0.0.1:6")
        << QStringList{"?", "?", "http://127.0.0.1:6"};
}

void TestSourcesSetting::okAfterOpening_savesOnlyWhatTheUserChanged()
{
    QFETCH(QStringList, rows);
    QFETCH(QString, serviceUrl);
    QFETCH(QStringList, written);
    AppConfig config;
    config.serviceUrl = QStringLiteral("http://127.0.0.1:5");
    config.serviceUrlNamed = true;
    FakeSettingsStore settings;
    const SourcesDialogState opened =
        SourcesDialogStateFor(config, ReadSavedSources(settings), false);
    const bool saved = SaveSourceChanges(settings, opened, StateOf(rows, serviceUrl));
    QCOMPARE(saved, written != (QStringList{"?", "?", "?"}));
    QCOMPARE((QStringList{Saved(settings, "Sources"), Saved(settings, "Source Order"),
                          Saved(settings, "Service URL")}),
             written);
}

void TestSourcesSetting::problem_data()
{
    QTest::addColumn<QStringList>("rows");
    QTest::addColumn<QString>("serviceUrl");
    QTest::addColumn<QString>("problem"); // a piece of it; empty: none

    const QStringList pageAlone{"page", "-index", "-openfoodfacts", "-openlibrary", "-upcitemdb"};
    const QStringList pageOff{"-page", "index", "-openfoodfacts", "-openlibrary", "-upcitemdb"};
    QTest::newRow("nothing ticked")
        << QStringList{"-page", "-index", "-openfoodfacts", "-openlibrary", "-upcitemdb"}
        << QStringLiteral("http://127.0.0.1:1") << QStringLiteral("Tick at least one source.");
    QTest::newRow("page service without an address")
        << pageAlone << QString() << QStringLiteral("needs an address");
    QTest::newRow("no address, page service unticked: fine") << pageOff << QString() << QString();
    QTest::newRow("another scheme") << pageAlone << QStringLiteral("ftp://127.0.0.1/")
                                    << QStringLiteral("\"ftp://127.0.0.1/\" cannot be used");
    QTest::newRow("unusable even while unticked")
        << pageOff << QStringLiteral("lookup.example.net") << QStringLiteral("cannot be used");
    QTest::newRow("http with a port and a path")
        << pageAlone << QStringLiteral("http://127.0.0.1:8080/svc") << QString();
    QTest::newRow("https, spaces around")
        << pageAlone << QStringLiteral(" https://lookup.example.net ") << QString();
}

void TestSourcesSetting::problem()
{
    QFETCH(QStringList, rows);
    QFETCH(QString, serviceUrl);
    QFETCH(QString, problem);
    const QString found = SourcesProblem(StateOf(rows, serviceUrl));
    if (problem.isEmpty())
        QCOMPARE(found, QString());
    else
        QVERIFY2(found.contains(problem), qPrintable(found));
}

void TestSourcesSetting::overrideNote_saysWhatTheCommandLineDecides()
{
    AppConfig config;
    QCOMPARE(SourcesOverrideNote(config), QString());

    config.serviceUrl = QStringLiteral("http://127.0.0.1:5");
    config.serviceUrlNamed = true;
    const QString service = SourcesOverrideNote(config);
    QVERIFY2(service.contains(u"page service alone, at http://127.0.0.1:5") &&
                 service.contains(u"saved for later sessions started without it"),
             qPrintable(service));

    config.sources = QStringList{"upcitemdb", "index"};
    const QString both = SourcesOverrideNote(config);
    QVERIFY2(both.contains(u"(UPCitemdb, Product index), and the page service at "
                           u"http://127.0.0.1:5") &&
                 both.contains(u"saved for later sessions"),
             qPrintable(both));
}

// The dialog names the sources as the rows of a run name them.
void TestSourcesSetting::displayNames_areTheSourcesOwn()
{
    FakeProductIndex index;
    const QStringList names = KnownSourceNames();
    const auto sources =
        MakeSources(names, AppConfig{}, QStringLiteral("http://127.0.0.1:1"), &index, {});
    QCOMPARE(qsizetype(sources.size()), names.size());
    for (const auto& source : sources)
        QCOMPARE(SourceDisplayName(source->name()), source->displayName());
    QCOMPARE(SourceDisplayName(QStringLiteral("index")), QStringLiteral("Product index"));
}

void TestSourcesSetting::setKey_keptInTheKeyringOrSaidHowToGiveItInstead()
{
    Tools fake;
    QCOMPARE(fake.tools.setKey(QStringLiteral("acme"), QStringLiteral(" k1 ")),
             QStringLiteral("The key for Acme is kept in your desktop's keyring."));
    QCOMPARE(fake.keyring.keys.value(QStringLiteral("acme")), QStringLiteral("k1"));
    fake.keyring.hook.failAll(QStringLiteral("No keyring answers (no Secret Service)."));
    const QString said = fake.tools.setKey(QStringLiteral("goupc"), QStringLiteral("k2"));
    QVERIFY2(said.startsWith(u"No keyring answers") &&
                 said.contains(u"QUILLFEN_KEY_GOUPC, or with --key-file goupc=PATH") &&
                 !said.contains(u"k2"),
             qPrintable(said));
}

void TestSourcesSetting::test_showsWhatWasReadBesideTheAnswerWithTheKeyHidden_data()
{
    // Whatever form of the key the service echoes, or a failure names.
    QTest::addColumn<QString>("key");
    QTest::addColumn<QString>("echoed");
    QTest::addColumn<QString>("shown");
    QTest::newRow("as it is") << "s3cr3t"
                              << "s3cr3t"
                              << "***";
    QTest::newRow("percent-encoded") << "Ab+Cd/Ef="
                                     << "Ab%2BCd%2FEf%3D"
                                     << "***";
    QTest::newRow("percent-encoded, small hex digits") << "Ab+Cd/Ef="
                                                       << "Ab%2bCd%2fEf%3d"
                                                       << "***";
    QTest::newRow("Base64") << "Ab+Cd/Ef="
                            << "QWIrQ2QvRWY9"
                            << "***";
    // The user name's characters stay: only those that hold the key's bits alone go.
    QTest::newRow("Basic authentication after a user name")
        << "Ab+Cd/Ef=" << QString::fromLatin1(QByteArray("ann:Ab+Cd/Ef=").toBase64())
        << "YW5uOk***==";
}

void TestSourcesSetting::test_showsWhatWasReadBesideTheAnswerWithTheKeyHidden()
{
    QFETCH(QString, key);
    QFETCH(QString, echoed);
    QFETCH(QString, shown);
    Tools fake;
    fake.config.keyFor = [key](const QString&) { return SourceKey{key, {}}; };
    const QString body = QStringLiteral(R"({"asked": "key=)") + echoed +
                         QStringLiteral(R"(", "items": [{"title": "Pen", "brand": "Wirex",
                               "about": "Blue ink"}]})");
    fake.pageLoader.respond = [&](const QUrl&) { return FakeResponse{body}; };
    const auto [read, raw] =
        fake.tools.test(QStringLiteral("acme"), QStringLiteral("036000291452"));
    QCOMPARE(read, QStringLiteral("Asked: http://127.0.0.1:9/i?ean=0036000291452&key=***\n"
                                  "HTTP status: 200\n\nFound.\nname: Pen\nbrand: Wirex\n"
                                  "quantity: \ncategories: \npicture: \npage: \n"
                                  "description: Blue ink"));
    QCOMPARE(raw, QString(body).replace(echoed, shown));
    // The key went to the service, and nowhere the user is shown.
    QCOMPARE(QUrlQuery(fake.pageLoader.requested.value(0))
                 .queryItemValue(QStringLiteral("key"), QUrl::FullyDecoded),
             key);
}

void TestSourcesSetting::addFile_takesTheSourceOrSaysWhyNot()
{
    Tools fake;
    fake.files.contents.insert(QStringLiteral("/h/bad.json"), R"({"name": "bad"})");
    fake.files.contents.insert(QStringLiteral("/h/mine.json"),
                               R"({"name": "mine", "displayName": "Mine",
                                   "request": {"url": "https://m.example/{gtin}"},
                                   "answer": {"name": "/n"}})");
    const SourceAdded bad = fake.tools.addFile(QStringLiteral("/h/bad.json"));
    QVERIFY(!bad.row);
    QCOMPARE(bad.message, QStringLiteral("bad.json: displayName: missing"));
    QCOMPARE(fake.tools.addFile(QStringLiteral("/h/mine.json")).row,
             (SourceRow{"mine", "Mine", true}));
    QCOMPARE(FileSourceNames(fake.config), (QStringList{"acme", "mine"}));
}

void TestSourcesSetting::addFile_keptInTheUsersFolder_data()
{
    QTest::addColumn<QByteArray>("there"); // the file of that name in the folder; empty: none
    QTest::addColumn<bool>("replace");     // the answer to "Replace it?"
    QTest::addColumn<bool>("writeFails");
    QTest::addColumn<QString>("origin"); // where the next start reads it from
    QTest::addColumn<QString>("said");   // a piece of the message

    const QString mine = QStringLiteral("/u/sources/mine.json");
    QTest::newRow("none there: kept") << QByteArray() << false << false << "your folder"
                                      << "Mine is kept in " + mine;
    QTest::newRow("one there, replaced") << QByteArray("old") << true << false << "your folder"
                                         << "Mine is kept in " + mine;
    QTest::newRow("one there, kept as it was")
        << QByteArray("old") << false << false << "--source-file"
        << QStringLiteral("Mine is used for this session only.");
    QTest::newRow("disk full: said, the old file whole")
        << QByteArray("old") << true << true << "--source-file"
        << QStringLiteral("could not be kept for later sessions: Disk full");
}

void TestSourcesSetting::addFile_keptInTheUsersFolder()
{
    QFETCH(QByteArray, there);
    QFETCH(bool, replace);
    QFETCH(bool, writeFails);
    QFETCH(QString, origin);
    QFETCH(QString, said);
    Tools fake;
    fake.config.userSourceFolder = QStringLiteral("/u/sources");
    const QString target = QStringLiteral("/u/sources/mine.json");
    const QByteArray file = R"({"name": "mine", "displayName": "Mine",
        "request": {"url": "https://m.example/{gtin}"}, "answer": {"name": "/n"}})";
    fake.files.contents.insert(QStringLiteral("/h/mine.json"), file);
    if (!there.isEmpty())
        fake.files.contents.insert(target, there);
    fake.questionBox.answers = {replace};
    if (writeFails)
        fake.files.hook.fail(u"writeWholeFile", QStringLiteral("Disk full"));

    const SourceAdded added = fake.tools.addFile(QStringLiteral("/h/mine.json"));
    QCOMPARE(added.row, (SourceRow{"mine", "Mine", true}));
    QVERIFY2(added.message.contains(said), qPrintable(added.message));
    QCOMPARE(fake.questionBox.asked().size(), there.isEmpty() ? 0 : 1);
    const bool kept = origin == u"your folder";
    QCOMPARE(fake.files.contents.value(target), kept ? file : there);
    QCOMPARE(fake.config.fileSources.back().origin, origin);
    QCOMPARE(fake.config.fileSources.back().path, kept ? target : QStringLiteral("/h/mine.json"));
}

QTEST_GUILESS_MAIN(TestSourcesSetting)
#include "tst_sourcessetting.moc"
