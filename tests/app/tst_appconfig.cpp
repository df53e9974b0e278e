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
