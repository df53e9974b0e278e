// Which sources a run asks and how they are addressed: the options and QUILLFEN_* variables that
// choose them, what the Sources dialog saved, the built-in order, and the sources built from that.
#include "app/AppConfig.h"
#include "app/LookupSetup.h"
#include "app/sources/FileSources.h"
#include "app/sources/SourceKeys.h"
#include "fakes/FakeFileSystem.h"
#include "fakes/FakeKeyStore.h"
#include "lookup/LookupSource.h"

#include <QTest>

namespace {
CommandLineResult Parse(const QStringList& options, const QProcessEnvironment& environment = {})
{
    return ParseCommandLine(QStringList{QStringLiteral("quillfen")} + options, environment,
                            QStringLiteral("/opt/quillfen"));
}

QProcessEnvironment Environment(std::initializer_list<std::pair<const char*, const char*>> pairs)
{
    QProcessEnvironment environment;
    for (const auto& [name, value] : pairs)
        environment.insert(QString::fromLatin1(name), QString::fromUtf8(value));
    return environment;
}

QStringList Names(const std::vector<std::unique_ptr<LookupSource>>& sources)
{
    QStringList names;
    for (const auto& source : sources)
        names.append(source->name());
    return names;
}
} // namespace

class TestLookupSetup : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void sourceList_optionWinsAndNamesAreTidied();
    void badLookupSettings_refuseToStart_data();
    void badLookupSettings_refuseToStart();
    void sourceNamedButNotDescribed_refusedOnceTheFilesAreRead();
    void fileSources_theUsersOverrideThePresetsAndBadOnesAreSaid();
    void sourceKeys_fromWhereTheyAreGivenAndNeverFromASharedFile();
    void lookupSettings_fromTheEnvironment();
    void choice_commandLineThenSavedThenServiceThenDefault();
    void serviceUrl_namedWinsOverSaved();
    void sources_builtWithTheirAddressesAndPaces();
    void agent_namesTheVersionAndTheContact();
};

void TestLookupSetup::sourceList_optionWinsAndNamesAreTidied()
{
    const QProcessEnvironment environment = Environment({{"QUILLFEN_SOURCES", "upcitemdb"}});
    QCOMPARE(Parse({}, environment).config->sources, QStringList{"upcitemdb"});
    QCOMPARE(Parse({QStringLiteral("--sources"), QStringLiteral(" OpenLibrary , page,,page")},
                   environment)
                 .config->sources,
             (QStringList{"openlibrary", "page"}));
    QVERIFY(Parse({}).config->sources.isEmpty());
}

void TestLookupSetup::badLookupSettings_refuseToStart_data()
{
    QTest::addColumn<QStringList>("options");
    QTest::addColumn<QString>("variable");
    QTest::addColumn<QString>("value");
    QTest::addColumn<QString>("said");
    QTest::newRow("unknown source") << QStringList{"--sources", "openfoodfacts,amazon.com"} << ""
                                    << ""
                                    << "Unknown lookup source \"amazon.com\"";
    QTest::newRow("no source") << QStringList{"--sources", " , "} << ""
                               << ""
                               << "No lookup source";
    QTest::newRow("unusable base address") << QStringList{} << "QUILLFEN_OPENLIBRARY_URL"
                                           << "ftp://books.test"
                                           << "QUILLFEN_OPENLIBRARY_URL";
    QTest::newRow("pace of nothing") << QStringList{} << "QUILLFEN_OPENFOODFACTS_PER_MINUTE"
                                     << "0"
                                     << "QUILLFEN_OPENFOODFACTS_PER_MINUTE";
    QTest::newRow("pace that is no number") << QStringList{} << "QUILLFEN_UPCITEMDB_PER_MINUTE"
                                            << "fast"
                                            << "QUILLFEN_UPCITEMDB_PER_MINUTE";
    QTest::newRow("contact that would end the header") << QStringList{} << "QUILLFEN_CONTACT"
                                                       << "me@example.test\r\nX-Evil: 1"
                                                       << "QUILLFEN_CONTACT";
    QTest::newRow("seventeen at once") << QStringList{"--parallel", "17"} << ""
                                       << ""
                                       << "--parallel";
    QTest::newRow("none at once") << QStringList{} << "QUILLFEN_PARALLEL"
                                  << "0"
                                  << "--parallel";
    QTest::newRow("an index address that is no web address")
        << QStringList{} << "QUILLFEN_INDEX_URL"
        << "file:///tmp/x.csv.gz"
        << "QUILLFEN_INDEX_URL";
}

void TestLookupSetup::badLookupSettings_refuseToStart()
{
    QFETCH(QStringList, options);
    QFETCH(QString, variable);
    QFETCH(QString, value);
    QFETCH(QString, said);
    QProcessEnvironment environment;
    if (!variable.isEmpty())
        environment.insert(variable, value);
    const CommandLineResult result = Parse(options, environment);
    QVERIFY(!result.config);
    QCOMPARE(result.exitCode, 2);
    QVERIFY2(result.message.contains(said), qPrintable(result.message));
}

void TestLookupSetup::sourceNamedButNotDescribed_refusedOnceTheFilesAreRead()
{
    std::optional<AppConfig> config =
        Parse({"--sources", "openfoodfacts,acme"}, QProcessEnvironment()).config;
    QVERIFY(config);
    QVERIFY(CheckChosenSources(*config).startsWith(u"Unknown lookup source \"acme\""));
    config->fileSources.append(FileSourceEntry{});
    config->fileSources.back().description.name = QStringLiteral("acme");
    QCOMPARE(CheckChosenSources(*config), QString());
    // So is a key for a source there is not.
    config->keyFiles.insert(QStringLiteral("nosuch"), QStringLiteral("k600"));
    QCOMPARE(CheckChosenSources(*config),
             QStringLiteral("--key-file nosuch=...: no source named nosuch"));
    config->keyFiles = {{QStringLiteral("acme"), QStringLiteral("k600")}};
    QCOMPARE(CheckChosenSources(*config), QString());
}

void TestLookupSetup::fileSources_theUsersOverrideThePresetsAndBadOnesAreSaid()
{
    const auto file = [](const char* name, const char* shown) {
        return QStringLiteral(R"({"name": "%1", "displayName": "%2",
            "request": {"url": "https://x.example/{gtin}"}, "answer": {"name": "/n"}})")
            .arg(QString::fromLatin1(name), QString::fromLatin1(shown))
            .toUtf8();
    };
    FakeFileSystem files;
    files.contents.insert(QStringLiteral("/p/acme.json"), file("acme", "Acme preset"));
    files.contents.insert(QStringLiteral("/p/bad.json"), "{}");
    files.contents.insert(QStringLiteral("/p/off.json"), file("openfoodfacts", "Mine"));
    files.contents.insert(QStringLiteral("/u/acme.json"), file("acme", "Acme mine"));
    files.contents.insert(QStringLiteral("/run/one.json"), file("one", "One"));
    QProcessEnvironment environment;
    environment.insert(QStringLiteral("QUILLFEN_ACME_URL"), QStringLiteral("http://127.0.0.1:9"));
    FileSourcesRead read = ReadFileSources(files, SourceFolders{{"/p"}, "/u"},
                                           {QStringLiteral("/run/one.json")}, environment);
    QCOMPARE(read.fatal, QString());
    QCOMPARE(read.problems,
             (QStringList{"bad.json: name: missing",
                          "off.json: name: \"openfoodfacts\" is a built-in source's"}));
    QCOMPARE(read.entries.size(), 2);
    QCOMPARE(read.entries[0].description.displayName, QStringLiteral("Acme mine"));
    QCOMPARE(read.entries[0].origin, QStringLiteral("your folder"));
    QCOMPARE(read.entries[0].address, QStringLiteral("http://127.0.0.1:9"));
    QCOMPARE(read.entries[1].origin, QStringLiteral("--source-file"));
    // A file named for the run that cannot be used stops the start.
    read = ReadFileSources(files, {}, {QStringLiteral("/p/bad.json")}, environment);
    QCOMPARE(read.fatal, QStringLiteral("bad.json: name: missing"));
}

void TestLookupSetup::sourceKeys_fromWhereTheyAreGivenAndNeverFromASharedFile()
{
    FakeFileSystem files;
    files.contents.insert(QStringLiteral("/k/mine"), "fromfile\n");
    files.contents.insert(QStringLiteral("/k/shared"), "fromshared\n");
    files.sharedFiles.insert(QStringLiteral("/k/shared"));
    FakeKeyStore keyring;
    keyring.keys.insert(QStringLiteral("acme"), QStringLiteral("fromkeyring"));
    keyring.keys.insert(QStringLiteral("env"), QStringLiteral("fromkeyring"));
    QProcessEnvironment environment;
    environment.insert(QStringLiteral("QUILLFEN_KEY_ENV"), QStringLiteral("fromenv"));
    const SourceKeys keys(environment,
                          {{"file", "/k/mine"}, {"shared", "/k/shared"}, {"gone", "/k/gone"}},
                          files, &keyring);
    QCOMPARE(keys.key(QStringLiteral("env")).key, std::optional(QStringLiteral("fromenv")));
    QCOMPARE(keys.key(QStringLiteral("file")).key, std::optional(QStringLiteral("fromfile")));
    QCOMPARE(keys.key(QStringLiteral("acme")).key, std::optional(QStringLiteral("fromkeyring")));
    QCOMPARE(keys.origin(QStringLiteral("acme")), QStringLiteral("keyring"));
    const SourceKey shared = keys.key(QStringLiteral("shared"));
    QVERIFY(!shared.key);
    QVERIFY(shared.problem.contains(u"chmod 600 /k/shared"));
    QVERIFY(!shared.problem.contains(u"fromshared"));
    QCOMPARE(keys.key(QStringLiteral("gone")).problem,
             QStringLiteral("The key file /k/gone: no such file."));
    // No keyring answers: said, with the other ways to give the key.
    keyring.hook.failAll(QStringLiteral("no Secret Service"));
    const SourceKey unanswered = keys.key(QStringLiteral("acme"));
    QVERIFY(!unanswered.key);
    QVERIFY2(unanswered.problem.contains(u"QUILLFEN_KEY_ACME or with --key-file acme=PATH"),
             qPrintable(unanswered.problem));
    const SourceKeys headless(environment, {}, files, nullptr);
    QVERIFY(headless.key(QStringLiteral("acme")).problem.contains(u"no keyring"));
}

void TestLookupSetup::lookupSettings_fromTheEnvironment()
{
    const AppConfig config =
        *Parse({QStringLiteral("--parallel=8")},
               Environment({{"QUILLFEN_OPENFOODFACTS_URL", "http://127.0.0.1:8080/off"},
                            {"QUILLFEN_OPENFOODFACTS_PER_MINUTE", "600"},
                            {"QUILLFEN_CONTACT", "lookups@example.test"},
                            {"QUILLFEN_NO_CACHE", "1"},
                            {"QUILLFEN_LOOPBACK_ONLY", "1"},
                            {"QUILLFEN_PARALLEL", "2"}}))
             .config;
    QCOMPARE(config.openFoodFactsUrl, QStringLiteral("http://127.0.0.1:8080/off"));
    QCOMPARE(config.openLibraryUrl, kOpenLibraryBase.toString());
    QCOMPARE(config.perMinute.value(QStringLiteral("openfoodfacts")), 600);
    QCOMPARE(config.contact, QStringLiteral("lookups@example.test"));
    QVERIFY(config.noCache);
    QVERIFY(config.loopbackOnly);
    QCOMPARE(config.parallel, 8); // the option wins
    const AppConfig plain = *Parse({}, Environment({{"QUILLFEN_NO_CACHE", "0"}})).config;
    QVERIFY(!plain.noCache);
    QVERIFY(!plain.loopbackOnly);
    QCOMPARE(plain.parallel, 1);
    QVERIFY(Parse({QStringLiteral("--no-cache")}).config->noCache);
}

void TestLookupSetup::choice_commandLineThenSavedThenServiceThenDefault()
{
    AppConfig config;
    SourceChoice choice = ChooseSources(config, {}, false);
    QCOMPARE(choice.names, (QStringList{"openfoodfacts", "openlibrary"}));
    QVERIFY(choice.defaultOrder);
    QCOMPARE(ChooseSources(config, {}, true).names,
             (QStringList{"index", "openfoodfacts", "openlibrary"}));
    QCOMPARE(ChooseSources(config, QStringLiteral("openlibrary,upcitemdb"), true).names,
             (QStringList{"openlibrary", "upcitemdb"}));
    // A saved value that no longer reads as a list is passed over.
    QCOMPARE(ChooseSources(config, QStringLiteral("nonsense"), false).names.size(), 2);

    config.serviceUrlNamed = true;
    choice = ChooseSources(config, QStringLiteral("openlibrary"), true);
    QCOMPARE(choice.names, QStringList{"page"});
    QVERIFY(!choice.defaultOrder);
    config.sources = QStringList{QStringLiteral("page"), QStringLiteral("openfoodfacts")};
    QCOMPARE(ChooseSources(config, QStringLiteral("openlibrary"), true).names, config.sources);
}

void TestLookupSetup::serviceUrl_namedWinsOverSaved()
{
    AppConfig config;
    QCOMPARE(ChooseServiceUrl(config, QStringLiteral("http://saved.test")),
             QStringLiteral("http://saved.test"));
    QCOMPARE(ChooseServiceUrl(config, QStringLiteral("not an address")),
             kServiceUrlPlaceholder.toString());
    config.serviceUrl = QStringLiteral("http://named.test");
    config.serviceUrlNamed = true;
    QCOMPARE(ChooseServiceUrl(config, QStringLiteral("http://saved.test")),
             QStringLiteral("http://named.test"));
}

void TestLookupSetup::sources_builtWithTheirAddressesAndPaces()
{
    AppConfig config;
    config.openFoodFactsUrl = QStringLiteral("http://127.0.0.1:1/off");
    config.perMinute.insert(QStringLiteral("openlibrary"), 600);
    const auto sources = MakeSources({QStringLiteral("upcitemdb"), QStringLiteral("openfoodfacts"),
                                      QStringLiteral("openlibrary"), QStringLiteral("page"),
                                      QStringLiteral("index")},
                                     config, QStringLiteral("http://page.test"), nullptr, {});
    // The index needs an index to join.
    QCOMPARE(Names(sources), (QStringList{"upcitemdb", "openfoodfacts", "openlibrary", "page"}));
    QCOMPARE(sources[0]->perMinute(), 60);
    QCOMPARE(sources[1]->perMinute(), 10);
    QCOMPARE(sources[2]->perMinute(), 600);
    QCOMPARE(sources[3]->perMinute(), 0);
    const CheckedCode tea = CheckCode(u"4006381333931");
    QVERIFY(sources[1]
                ->request(QStringLiteral("4006381333931"), tea)
                .url.toString()
                .startsWith(QStringLiteral("http://127.0.0.1:1/off/api/v3/product/4006381333931")));
    QCOMPARE(sources[3]->request(QStringLiteral(" 4006 "), tea).url.toString(QUrl::FullyEncoded),
             QStringLiteral("http://page.test/perl/ean-search.pl?q=%204006%20"));
}

void TestLookupSetup::agent_namesTheVersionAndTheContact()
{
    QCOMPARE(OpenDatabaseAgent(QStringLiteral("lookups@example.test")),
             QByteArray("Quillfen/" QUILLFEN_VERSION " (lookups@example.test)"));
}

QTEST_GUILESS_MAIN(TestLookupSetup)
#include "tst_lookupsetup.moc"
