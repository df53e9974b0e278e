#include "lookup/OpenFoodFactsSource.h"
#include "support/SourceAnswerText.h"

#include <QTest>

class TestOpenFoodFactsSource : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void request_data()
    {
        QTest::addColumn<QString>("base");
        QTest::addColumn<QString>("language");
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("url");

        const QString fields = QStringLiteral(
            "?fields=code,product_name,product_name_en,generic_name,brands,quantity,categories,"
            "countries,image_front_small_url,image_front_url,image_url&product_type=all");
        QTest::newRow("English") << "http://127.0.0.1:8080"
                                 << "en"
                                 << "4006381333931"
                                 << "http://127.0.0.1:8080/api/v3/product/4006381333931" + fields;
        QTest::newRow("no language, trailing slashes, spaces in the code")
            << "http://127.0.0.1:8080//"
            << ""
            << " 4006-381 333931"
            << "http://127.0.0.1:8080/api/v3/product/4006381333931" + fields;
        QTest::newRow("French, base with a path")
            << "https://off.test/mirror/"
            << "fr"
            << "96385074"
            << "https://off.test/mirror/api/v3/product/96385074?fields=code,product_name,"
               "product_name_fr,product_name_en,generic_name,brands,quantity,categories,countries,"
               "image_front_small_url,image_front_url,image_url&product_type=all&lc=fr&tags_lc=fr";
        QTest::newRow("a language that is no code is left out")
            << "http://127.0.0.1:1"
            << "fr&x=1"
            << "96385074"
            << "http://127.0.0.1:1/api/v3/product/96385074" + fields;
        QTest::newRow("a code that failed its checks is not asked") << "http://127.0.0.1:1"
                                                                    << "en"
                                                                    << "4006381333937"
                                                                    << "";
    }
    void request()
    {
        QFETCH(QString, base);
        QFETCH(QString, language);
        QFETCH(QString, typed);
        QFETCH(QString, url);
        const OpenFoodFactsSource source(base, language);
        const CheckedCode checked = CheckCode(typed);
        QCOMPARE(source.takes(checked), checked.isValid());
        const SourceRequest request = source.request(typed, checked);
        QCOMPARE(request.url.toString(QUrl::FullyEncoded), url);
        QCOMPARE(request.maxRedirects, url.isEmpty() ? 0 : 3);
        QCOMPARE(source.perMinute(), 10);
        QCOMPARE(OpenFoodFactsSource(base, language, 4).perMinute(), 4);
    }

    void read_data()
    {
        QTest::addColumn<int>("status");
        QTest::addColumn<QByteArray>("body");
        QTest::addColumn<QString>("answer");

        QTest::newRow("found") << 200
                               << QByteArray(R"({"code":"3017620422003","status":1,"status_verbose":
            "product found","product":{"code":"3017620422003","product_name":"Hazelnut Spread",
            "brands":"Ferrero,Nutella","quantity":"400 g","product_type":"food"}})")
                               << "found: Hazelnut Spread, Ferrero, 400 g";
        QTest::newRow("found, current answer")
            << 200 << QByteArray(R"({"code":"3017620422003","errors":[],"product":{"product_name":
            "Hazelnut Spread","brands":"Ferrero"},"result":{"id":"product_found"},"status":
            "success_with_warnings","warnings":[{"field":{"id":"fields"}}]})")
            << "found: Hazelnut Spread, Ferrero";
        QTest::newRow("the user's language before the product's own")
            << 200 << QByteArray(R"({"status":"success","product":{"product_name":"Hazelnut Spread",
            "product_name_fr":"Pâte à tartiner","product_name_en":"Spread"}})")
            << "found: Pâte à tartiner";
        QTest::newRow("found in the local language")
            << 200 << QByteArray(R"({"status":1,"product":{"product_name":" ","product_name_fr":
            "Pâte à tartiner","product_name_en":"Spread","brands":"Nutella"}})")
            << "found: Pâte à tartiner, Nutella";
        QTest::newRow("found in a sibling database, redirects already followed")
            << 200 << QByteArray(R"({"status":1,"product":{"product_name":"Shampoo","product_type":
            "beauty"}})")
            << "found: Shampoo [Open Beauty Facts]";
        QTest::newRow("fields of other types count as missing")
            << 200 << QByteArray(R"({"status":1,"product":{"product_name":42,"generic_name":"Cocoa",
            "brands":["Acme"],"quantity":null}})")
            << "found: Cocoa";
        QTest::newRow("found without any name")
            << 200 << QByteArray(R"({"status":1,"product":{}})") << "found: ";
        QTest::newRow("byte-order mark before the JSON")
            << 200
            << QByteArray("\xEF\xBB\xBF{\"status\":1,\"product\":{\"product_name\":\"Tea\"}}")
            << "found: Tea";

        QTest::newRow("not found, older answer with 200")
            << 200 << QByteArray(R"({"code":"4006381333931","status":0,"status_verbose":
            "product not found"})")
            << "not found";
        QTest::newRow("not found, 404")
            << 404 << QByteArray(R"({"status":0,"code":"1"})") << "not found";
        QTest::newRow("not found, newer answer")
            << 404 << QByteArray(R"({"code":"4006381333931","errors":[{"message":{"id":
            "product_not_found"}}],"result":{"id":"product_not_found","name":"Product not found"},
            "status":"failure"})")
            << "not found";

        QTest::newRow("429 is busy")
            << 429 << QByteArray(R"({"status":0})") << "failed: HTTP 429 (busy)";
        QTest::newRow("503 is busy")
            << 503 << QByteArray("<html>Down</html>") << "failed: HTTP 503 (busy)";
        QTest::newRow("500 is not busy") << 500 << QByteArray() << "failed: HTTP 500";
        QTest::newRow("404 page") << 404 << QByteArray("<!DOCTYPE html><title>404</title>")
                                  << "failed: HTTP 404";
        QTest::newRow("HTML page")
            << 200 << QByteArray("\n <!DOCTYPE html><html>Log in</html>") << "failed: not JSON";
        QTest::newRow("malformed") << 200 << QByteArray(R"({"status":1,"product":{"product_name")")
                                   << "failed: malformed JSON";
        QTest::newRow("empty body") << 200 << QByteArray(" \r\n") << "failed: empty answer";
        QTest::newRow("array") << 200 << QByteArray("[1,2]") << "failed: unexpected answer";
        QTest::newRow("no product")
            << 200 << QByteArray(R"({"status":1})") << "failed: unexpected answer";
        QTest::newRow("an answer about another code")
            << 200 << QByteArray(R"({"code":"9999999999994","product":{"product_name":"Other"},
            "result":{"id":"product_found"},"status":"success"})")
            << "failed: answer about another code";
        QTest::newRow("a product under another code")
            << 200 << QByteArray(R"({"code":"3017620422003","product":{"code":"9999999999994",
            "product_name":"Other"},"status":1})")
            << "failed: answer about another code";
        QTest::newRow("the code written with a leading zero")
            << 200 << QByteArray(R"({"code":"03017620422003","product":{"product_name":"Tea"},
            "status":1})")
            << "found: Tea";
        QTest::newRow("a failure the service explains")
            << 200 << QByteArray(R"({"status":"failure","errors":[{"message":{"id":
            "invalid_code"}}],"result":{"id":"product_not_read"}})")
            << "failed: invalid_code";
    }
    void read()
    {
        QFETCH(int, status);
        QFETCH(QByteArray, body);
        QFETCH(QString, answer);
        const OpenFoodFactsSource source(QStringLiteral("http://127.0.0.1:1"),
                                         QStringLiteral("fr"));
        QCOMPARE(AnswerText(source.read(Response(status, body), QStringLiteral("3017620422003"))),
                 answer);
    }

    void noHttpAnswer_failsWithTheLoadersWords()
    {
        SourceResponse response;
        response.failure = QStringLiteral("timed out");
        const OpenFoodFactsSource source(QStringLiteral("http://127.0.0.1:1"), QString());
        QCOMPARE(AnswerText(source.read(response, QString())), QStringLiteral("failed: timed out"));
        QVERIFY(source.remembered());
    }
};

QTEST_GUILESS_MAIN(TestOpenFoodFactsSource)
#include "tst_openfoodfactssource.moc"
