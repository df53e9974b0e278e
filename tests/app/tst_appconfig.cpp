#include "app/AppConfig.h"

#include <QTest>

class TestAppConfig : public QObject
{
    Q_OBJECT

    static CommandLineResult parse(const QStringList& options, const QProcessEnvironment& env = {})
    {
        return ParseCommandLine(QStringList{QStringLiteral("quillfen")} + options, env,
                                QStringLiteral("/opt/quillfen"));
    }

private Q_SLOTS:
    void defaults()
    {
        const CommandLineResult r = parse({});
        QVERIFY(r.config);
        QCOMPARE(r.config->productName, QStringLiteral("Quillfen"));
        QCOMPARE(r.config->applicationFolder, QStringLiteral("/opt/quillfen"));
        QCOMPARE(r.config->webSiteUrl, kMakerWebSite.toString());
        QCOMPARE(r.config->serviceUrl, kServiceUrlPlaceholder.toString());
    }

    void serviceUrl_optionWinsOverEnvironmentWhichWinsOverPlaceholder()
    {
        QProcessEnvironment env;
        env.insert(QStringLiteral("QUILLFEN_SERVICE_URL"), QStringLiteral("http://127.0.0.1:8080"));
        QCOMPARE(parse({}, env).config->serviceUrl, QStringLiteral("http://127.0.0.1:8080"));
        const QStringList option{QStringLiteral("--service-url"),
                                 QStringLiteral("https://lookup.test:8443/")};
        QCOMPARE(parse(option, env).config->serviceUrl,
                 QStringLiteral("https://lookup.test:8443/"));
        env.insert(QStringLiteral("QUILLFEN_SERVICE_URL"), QString());
        QCOMPARE(parse({}, env).config->serviceUrl, kServiceUrlPlaceholder.toString());
    }

    void serviceUrl_unusableAddressRefusesToStart_data()
    {
        QTest::addColumn<QString>("url");
        QTest::newRow("no scheme") << "127.0.0.1:8080";
        QTest::newRow("not a web scheme") << "ftp://lookup.test";
        QTest::newRow("no host") << "http://";
        QTest::newRow("with a query") << "http://lookup.test/?q=1";
        QTest::newRow("empty") << "";
        QTest::newRow("spaces") << "http://look up.test";
    }
    void serviceUrl_unusableAddressRefusesToStart()
    {
        QFETCH(QString, url);
        const CommandLineResult r = parse({QStringLiteral("--service-url"), url});
        QVERIFY(!r.config);
        QCOMPARE(r.exitCode, 2);
        QVERIFY2(r.message.contains(QStringLiteral("--service-url")), qPrintable(r.message));
    }

    void webSite_environmentOverridesAndEmptyTurnsItOff()
    {
        QProcessEnvironment env;
        env.insert(QStringLiteral("QUILLFEN_WEBSITE_URL"), QStringLiteral("http://127.0.0.1:9/"));
        QCOMPARE(parse({}, env).config->webSiteUrl, QStringLiteral("http://127.0.0.1:9/"));
        env.insert(QStringLiteral("QUILLFEN_WEBSITE_URL"), QString());
        QCOMPARE(parse({}, env).config->webSiteUrl, QString());
    }

    void unknownOption_refusesToStartWithExitCode2()
    {
        const CommandLineResult r = parse({QStringLiteral("--no-such-option")});
        QVERIFY(!r.config);
        QCOMPARE(r.exitCode, 2);
        QVERIFY(r.message.contains(QStringLiteral("no-such-option")));
    }

    void help_printsUsageAndExitsCleanly()
    {
        const CommandLineResult r = parse({QStringLiteral("--help")});
        QVERIFY(!r.config);
        QCOMPARE(r.exitCode, 0);
        QVERIFY(r.message.contains(QStringLiteral("Usage")));
    }
};

QTEST_GUILESS_MAIN(TestAppConfig)
#include "tst_appconfig.moc"
