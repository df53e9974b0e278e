#include "app/AppConfig.h"
#include "app/window/UiLanguage.h"

#include <QTest>

class TestAppConfig : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void defaults();
    void pingHost_optionWinsOverEnvironment();
    void pingHost_thatIsNoHostRefusesToStart_data();
    void pingHost_thatIsNoHostRefusesToStart();
    void pingHost_acceptsNamesAndAddresses_data();
    void pingHost_acceptsNamesAndAddresses();
    void serviceUrl_optionWinsOverEnvironmentWhichWinsOverPlaceholder();
    void serviceUrl_unusableAddressRefusesToStart_data();
    void serviceUrl_unusableAddressRefusesToStart();
    void webSite_environmentOverridesAndEmptyTurnsItOff();
    void language_optionWinsOverEnvironmentAndNoLanguageRefuses();
    void unknownOption_refusesToStartWithExitCode2();
    void help_printsUsageAndExitsCleanly();
    void batch_readsItsFilesOutputFormatAndQuiet();
    void batch_withoutFilesReadsStandardInputAndWritesStandardOutput();
    void batch_keepsTheSharedOptions();
    void batch_refusals_data();
    void batch_refusals();
    void windowFiles_areKeptForStartup();
    void uiLanguage_choice_data();
    void uiLanguage_choice();

private:
    static CommandLineResult parse(const QStringList& options, const QProcessEnvironment& env = {})
    {
        return ParseCommandLine(QStringList{QStringLiteral("quillfen")} + options, env,
                                QStringLiteral("/opt/quillfen"));
    }
};

void TestAppConfig::defaults()
{
    const CommandLineResult r = parse({});
    QVERIFY(r.config);
    QCOMPARE(r.config->productName, QStringLiteral("Quillfen"));
    QCOMPARE(r.config->applicationFolder, QStringLiteral("/opt/quillfen"));
    QCOMPARE(r.config->webSiteUrl, kMakerWebSite.toString());
    QCOMPARE(r.config->serviceUrl, kServiceUrlPlaceholder.toString());
    QCOMPARE(r.config->pingHost, QStringLiteral("dns.google"));
}

void TestAppConfig::pingHost_optionWinsOverEnvironment()
{
    QProcessEnvironment env;
    env.insert(QStringLiteral("QUILLFEN_PING_HOST"), QStringLiteral("127.0.0.2"));
    QCOMPARE(parse({}, env).config->pingHost, QStringLiteral("127.0.0.2"));
    QCOMPARE(
        parse({QStringLiteral("--ping-host"), QStringLiteral("127.0.0.1")}, env).config->pingHost,
        QStringLiteral("127.0.0.1"));
    QCOMPARE(parse({QStringLiteral("--ping-host=::1")}).config->pingHost, QStringLiteral("::1"));
    // Set but empty counts as unset, as for the service address.
    env.insert(QStringLiteral("QUILLFEN_PING_HOST"), QString());
    QCOMPARE(parse({}, env).config->pingHost, QStringLiteral("dns.google"));
}

void TestAppConfig::pingHost_thatIsNoHostRefusesToStart_data()
{
    QTest::addColumn<QString>("host");
    QTest::newRow("empty option") << "";
    QTest::newRow("an option") << "-f";
    QTest::newRow("two words") << "127.0.0.1 -f";
    QTest::newRow("shell characters") << "a;b";
}

void TestAppConfig::pingHost_thatIsNoHostRefusesToStart()
{
    QFETCH(QString, host);
    for (const bool fromOption : {true, false}) {
        if (host.isEmpty() && !fromOption)
            continue; // an empty variable counts as unset
        QProcessEnvironment env;
        if (!fromOption)
            env.insert(QStringLiteral("QUILLFEN_PING_HOST"), host);
        const CommandLineResult r = parse(
            fromOption ? QStringList{QStringLiteral("--ping-host=") + host} : QStringList{}, env);
        QVERIFY(!r.config);
        QCOMPARE(r.exitCode, 2);
        QVERIFY(r.message.contains(QStringLiteral("ping")));
    }
}

void TestAppConfig::pingHost_acceptsNamesAndAddresses_data()
{
    QTest::addColumn<QString>("host");
    QTest::newRow("name") << "dns.google";
    QTest::newRow("ipv4") << "127.0.0.1";
    QTest::newRow("ipv6 with zone") << "fe80::1%eth0";
    QTest::newRow("international name") << "bücher.example";
}

void TestAppConfig::pingHost_acceptsNamesAndAddresses()
{
    QFETCH(QString, host);
    QVERIFY(IsAcceptablePingHost(host));
}

void TestAppConfig::serviceUrl_optionWinsOverEnvironmentWhichWinsOverPlaceholder()
{
    QProcessEnvironment env;
    env.insert(QStringLiteral("QUILLFEN_SERVICE_URL"), QStringLiteral("http://127.0.0.1:8080"));
    QCOMPARE(parse({}, env).config->serviceUrl, QStringLiteral("http://127.0.0.1:8080"));
    const QStringList option{QStringLiteral("--service-url"),
                             QStringLiteral("https://lookup.test:8443/")};
    QCOMPARE(parse(option, env).config->serviceUrl, QStringLiteral("https://lookup.test:8443/"));
    env.insert(QStringLiteral("QUILLFEN_SERVICE_URL"), QString());
    QCOMPARE(parse({}, env).config->serviceUrl, kServiceUrlPlaceholder.toString());
}

void TestAppConfig::serviceUrl_unusableAddressRefusesToStart_data()
{
    QTest::addColumn<QString>("url");
    QTest::newRow("no scheme") << "127.0.0.1:8080";
    QTest::newRow("not a web scheme") << "ftp://lookup.test";
    QTest::newRow("no host") << "http://";
    QTest::newRow("with a query") << "http://lookup.test/?q=1";
    QTest::newRow("empty") << "";
    QTest::newRow("spaces") << "http://look up.test";
}

void TestAppConfig::serviceUrl_unusableAddressRefusesToStart()
{
    QFETCH(QString, url);
    const CommandLineResult r = parse({QStringLiteral("--service-url"), url});
    QVERIFY(!r.config);
    QCOMPARE(r.exitCode, 2);
    QVERIFY2(r.message.contains(QStringLiteral("--service-url")), qPrintable(r.message));
}

void TestAppConfig::webSite_environmentOverridesAndEmptyTurnsItOff()
{
    QProcessEnvironment env;
    env.insert(QStringLiteral("QUILLFEN_WEBSITE_URL"), QStringLiteral("http://127.0.0.1:9/"));
    QCOMPARE(parse({}, env).config->webSiteUrl, QStringLiteral("http://127.0.0.1:9/"));
    env.insert(QStringLiteral("QUILLFEN_WEBSITE_URL"), QString());
    QCOMPARE(parse({}, env).config->webSiteUrl, QString());
}

void TestAppConfig::language_optionWinsOverEnvironmentAndNoLanguageRefuses()
{
    QProcessEnvironment env;
    env.insert(QStringLiteral("QUILLFEN_LANGUAGE"), QStringLiteral("fr"));
    QCOMPARE(parse({}, env).config->language, QStringLiteral("fr"));
    QCOMPARE(parse({QStringLiteral("--language=pt_BR")}, env).config->language,
             QStringLiteral("pt_BR"));
    const CommandLineResult refused = parse({QStringLiteral("--language"), QStringLiteral("fr&x")});
    QVERIFY(!refused.config);
    QVERIFY(refused.message.contains(QStringLiteral("Not a language: \"fr&x\"")));
    // The index's languages: each checked, kept by their language alone.
    QCOMPARE(
        parse({QStringLiteral("--languages"), QStringLiteral("de, fr_CA")}).config->indexLanguages,
        (QStringList{"de", "fr"}));
    QVERIFY(parse({QStringLiteral("--languages"), QStringLiteral("de,../x")})
                .message.contains(QStringLiteral("Not a language in --languages: \"../x\"")));
}

void TestAppConfig::unknownOption_refusesToStartWithExitCode2()
{
    const CommandLineResult r = parse({QStringLiteral("--no-such-option")});
    QVERIFY(!r.config);
    QCOMPARE(r.exitCode, 2);
    QVERIFY(r.message.contains(QStringLiteral("no-such-option")));
}

void TestAppConfig::help_printsUsageAndExitsCleanly()
{
    const CommandLineResult r = parse({QStringLiteral("--help")});
    QVERIFY(!r.config);
    QCOMPARE(r.exitCode, 0);
    QVERIFY(r.message.contains(QStringLiteral("Usage")));
    QVERIFY(r.message.contains(QStringLiteral("--ping-host")));
}

void TestAppConfig::batch_readsItsFilesOutputFormatAndQuiet()
{
    const CommandLineResult r = parse({"--batch", "--output", "out.json", "--format", "JSON",
                                       "--quiet", "a.txt", "-", "b c.txt"});
    QVERIFY(r.config);
    QCOMPARE(r.config->mode, RunMode::Batch);
    QCOMPARE(r.config->batch.inputs, (QStringList{"a.txt", "-", "b c.txt"}));
    QCOMPARE(r.config->batch.output, QStringLiteral("out.json"));
    QCOMPARE(r.config->batch.format, QStringLiteral("json"));
    QVERIFY(r.config->batch.quiet);
}

void TestAppConfig::batch_withoutFilesReadsStandardInputAndWritesStandardOutput()
{
    const CommandLineResult r = parse({"--batch"});
    QVERIFY(r.config);
    QCOMPARE(r.config->mode, RunMode::Batch);
    QVERIFY(r.config->batch.inputs.isEmpty());
    QVERIFY(r.config->batch.output.isEmpty());
    QVERIFY(r.config->batch.format.isEmpty());
    QVERIFY(!r.config->batch.quiet);
    QCOMPARE(parse({}).config->mode, RunMode::Window);
    // The files of catalogue records.
    QCOMPARE(parse({"--batch", "--format", "MARCXML"}).config->batch.format,
             QStringLiteral("marcxml"));
}

void TestAppConfig::batch_keepsTheSharedOptions()
{
    QProcessEnvironment env;
    env.insert(QStringLiteral("QUILLFEN_NO_CACHE"), QStringLiteral("1"));
    env.insert(QStringLiteral("QUILLFEN_LOOPBACK_ONLY"), QStringLiteral("1"));
    const CommandLineResult r = parse({"codes.txt", "--sources", "index, page", "--parallel", "4",
                                       "--batch", "--service-url", "http://127.0.0.1:8080"},
                                      env);
    QVERIFY(r.config);
    QCOMPARE(r.config->batch.inputs, QStringList{"codes.txt"});
    QCOMPARE(r.config->sources, (QStringList{"index", "page"}));
    QCOMPARE(r.config->parallel, 4);
    QCOMPARE(r.config->serviceUrl, QStringLiteral("http://127.0.0.1:8080"));
    QVERIFY(r.config->noCache);
    QVERIFY(r.config->loopbackOnly);
}

void TestAppConfig::batch_refusals_data()
{
    QTest::addColumn<QStringList>("options");
    QTest::addColumn<QString>("said");
    QTest::newRow("unknown format") << QStringList{"--batch", "--format", "xls"} << "xls";
    // A scan's rows are written again for a repeat: no file of records.
    QTest::newRow("records of scans")
        << QStringList{"--scan", "--format", "marc"}
        << "Unknown --format \"marc\": choose from csv, tsv, json, jsonl, xlsx, ods.";
    QTest::newRow("format without its value") << QStringList{"--batch", "--format"} << "format";
    QTest::newRow("empty output") << QStringList{"--batch", "--output="} << "--output";
    QTest::newRow("with the index import")
        << QStringList{"--batch", "--import-index", "x.csv"} << "go alone";
    QTest::newRow("output without batch") << QStringList{"--output", "x.csv"} << "--output";
    QTest::newRow("format without batch") << QStringList{"--format", "csv"} << "--format";
    QTest::newRow("quiet without batch") << QStringList{"--quiet"} << "--quiet";
    QTest::newRow("unknown column, and the right ones")
        << QStringList{"--batch", "--columns", "code,office"}
        << "Unknown column \"office\" in --columns: choose from code, gtin, status, name, brand, "
           "quantity, source, detail, categories, kind, gs1_office, image_url, url, same_as, "
           "inner_gtin, upc, isbn10, isbn_hyphenated, issn, author, publisher, published, "
           "control_number, or all.";
    QTest::newRow("no column at all") << QStringList{"--batch", "--columns="} << "column \"\"";
    QTest::newRow("columns without batch") << QStringList{"--columns", "all"} << "--columns";
    QTest::newRow("files with the index download")
        << QStringList{"--download-index", "codes.txt"} << "codes.txt";
}

void TestAppConfig::batch_refusals()
{
    QFETCH(QStringList, options);
    QFETCH(QString, said);
    const CommandLineResult r = parse(options);
    QVERIFY(!r.config);
    QCOMPARE(r.exitCode, 2);
    QVERIFY2(r.message.contains(said), qPrintable(r.message));
}

void TestAppConfig::windowFiles_areKeptForStartup()
{
    const CommandLineResult r = parse({"codes.txt", "/home/a/more codes.txt"});
    QVERIFY(r.config);
    QCOMPARE(r.config->mode, RunMode::Window);
    QCOMPARE(r.config->openFiles, (QStringList{"codes.txt", "/home/a/more codes.txt"}));
    QVERIFY(r.config->batch.inputs.isEmpty());
}

void TestAppConfig::uiLanguage_choice_data()
{
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<QString>("environment");
    QTest::addColumn<QString>("saved");
    QTest::addColumn<QStringList>("desktop");
    QTest::addColumn<QString>("chosen");
    const QStringList german{"de-AT", "de"};
    QTest::newRow("desktop") << QStringList{} << ""
                             << "" << german << "de";
    QTest::newRow("first shipped of the desktop's") << QStringList{} << ""
                                                    << "" << QStringList{"pt-BR", "fr-CA"} << "fr";
    QTest::newRow("desktop shipping none") << QStringList{} << ""
                                           << "" << QStringList{"C"} << "en";
    QTest::newRow("saved over desktop") << QStringList{} << ""
                                        << "es" << german << "es";
    QTest::newRow("environment over saved") << QStringList{} << "fr_FR"
                                            << "es" << german << "fr";
    QTest::newRow("option over environment") << QStringList{"--language", "es"} << "fr"
                                             << "" << german << "es";
    QTest::newRow("option with =, the last one")
        << QStringList{"--language=fr", "--language=de-CH"} << ""
        << "" << QStringList{} << "de";
    QTest::newRow("a file named after --") << QStringList{"--", "--language=fr"} << ""
                                           << "" << german << "de";
    // A language named for product names that has no texts: English, never the desktop's.
    QTest::newRow("named but not shipped") << QStringList{"--language", "pt_BR"} << ""
                                           << "" << german << "en";
}

void TestAppConfig::uiLanguage_choice()
{
    QFETCH(QStringList, arguments);
    QFETCH(QString, environment);
    QFETCH(QString, saved);
    QFETCH(QStringList, desktop);
    QFETCH(QString, chosen);
    QCOMPARE(ChooseUiLanguage(QStringList{"quillfen"} + arguments, environment, saved, desktop),
             chosen);
}

QTEST_GUILESS_MAIN(TestAppConfig)
#include "tst_appconfig.moc"
