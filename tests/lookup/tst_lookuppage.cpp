#include "lookup/LookupPage.h"

#include <QTest>

class TestLookupPage : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void parseLookupPage_data();
    void parseLookupPage();
    void parseLookupPage_nameOfAnEarlierPageNeverCarriesOver();
    void stripMarkup_data();
    void stripMarkup();
};

void TestLookupPage::parseLookupPage_data()
{
    QTest::addColumn<QString>("page");
    QTest::addColumn<QString>("code");
    QTest::addColumn<bool>("recordFound");
    QTest::addColumn<QString>("productName");

    // Space, bold tags, Foo, the non-breaking space entity and Bar.
    QTest::newRow("tags go, entity becomes a space, leading space trimmed")
        << "Product name for EAN 123: <b>Foo</b>&nbsp;Bar</a>"
        << "123" << true << "Foo Bar";
    QTest::newRow("inside a plausible page")
        << "<html><body><p>Product name for EAN 4988112412613: <a href=\"/p/1\">Green "
           "Tea</a></p></body></html>"
        << "4988112412613" << true << "Green Tea";

    QTest::newRow("no marker: no record, whatever else the page holds") << "EAN 123: Foo</a>"
                                                                        << "123" << false << "";
    QTest::newRow("marker without its trailing space is no marker")
        << "Product name for EAN:123: Foo</a>"
        << "123" << false << "";
    QTest::newRow("empty page") << ""
                                << "123" << false << "";

    QTest::newRow("marker and closing tag in capitals") << "PRODUCT NAME FOR EAN 123: Foo</A>"
                                                        << "123" << true << "Foo";
    QTest::newRow("marker in mixed case") << "pRoDuCt NaMe FoR eAn 123:Foo</a>"
                                          << "123" << true << "Foo";
    QTest::newRow("letters of the code match in any case") << "Product name for EAN ABC-1: Foo</a>"
                                                           << "abc-1" << true << "Foo";

    QTest::newRow("code with surrounding spaces is searched without them")
        << "Product name for EAN 123: Foo</a>"
        << "  123  " << true << "Foo";
    QTest::newRow("empty code: name runs from the first colon after the marker")
        << "Product name for EAN 999 (box): Foo</a>"
        << "" << true << "Foo";
    QTest::newRow("code of spaces only counts as empty") << "Product name for EAN : Foo</a>"
                                                         << "   " << true << "Foo";
    QTest::newRow("tabs around the code are not trimmed") << "Product name for EAN 123: Foo</a>"
                                                          << "\t123" << true << "";

    QTest::newRow("code absent after the marker: record, empty name")
        << "Product name for EAN 456: Foo</a>"
        << "123" << true << "";
    QTest::newRow("code only before the marker: record, empty name")
        << "123 Product name for EAN 456: Foo</a>"
        << "123" << true << "";
    QTest::newRow("code found inside a longer number") << "Product name for EAN 1234: Foo</a>"
                                                       << "123" << true << "Foo";
    QTest::newRow("code found in a later record")
        << "Product name for EAN 111: First</a> Product name for EAN 123: Second</a>"
        << "123" << true << "Second";
    QTest::newRow("first colon after the code, text between")
        << "Product name for EAN 123 (box of 6): Foo</a>"
        << "123" << true << "Foo";
    QTest::newRow("no colon after the code") << "Product name for EAN 123 Foo</a>"
                                             << "123" << true << "";
    QTest::newRow("colon only before the code") << "Product name for EAN : 123 Foo</a>"
                                                << "123" << true << "";
    QTest::newRow("no closing tag after the colon") << "Product name for EAN 123: Foo"
                                                    << "123" << true << "";
    QTest::newRow("closing tag only before the colon") << "</a>Product name for EAN 123: Foo"
                                                       << "123" << true << "";
    QTest::newRow("closing tag right after the colon gives an empty name")
        << "Product name for EAN 123:</a>"
        << "123" << true << "";
    QTest::newRow("marker at the very end, empty code") << "xx Product name for EAN "
                                                        << "" << true << "";
    QTest::newRow("name ends at the first closing tag")
        << "Product name for EAN 123: Foo</a>Bar</a>"
        << "123" << true << "Foo";

    QTest::newRow("line feed removed without a space") << "Product name for EAN 123: Foo\nBar</a>"
                                                       << "123" << true << "FooBar";
    QTest::newRow("CR LF removed without a space") << "Product name for EAN 123: Foo\r\nBar</a>"
                                                   << "123" << true << "FooBar";
    QTest::newRow("line breaks at the ends go before trimming")
        << "Product name for EAN 123:\r\n  Foo  \r\n</a>"
        << "123" << true << "Foo";
    QTest::newRow("only spaces are trimmed, tabs stay") << "Product name for EAN 123:\tFoo\t</a>"
                                                        << "123" << true << "\tFoo\t";
    QTest::newRow("non-breaking space entities at the ends are trimmed")
        << "Product name for EAN 123:&nbsp;Foo&nbsp;</a>"
        << "123" << true << "Foo";

    QTest::newRow("two identical tags are both removed")
        << "Product name for EAN 123: <b>Foo</b> <b>Bar</b></a>"
        << "123" << true << "Foo Bar";
    QTest::newRow("encoded ampersand stays encoded")
        << "Product name for EAN 123: Tom &amp; Jerry</a>"
        << "123" << true << "Tom &amp; Jerry";
    QTest::newRow("encoded tag is decoded but not removed")
        << "Product name for EAN 123: &lt;b&gt;Foo</a>"
        << "123" << true << "<b&gt;Foo";
    QTest::newRow("numeric references stay") << "Product name for EAN 123: Caf&#233;</a>"
                                             << "123" << true << "Caf&#233;";
    QTest::newRow("non-ASCII name passes through")
        << "Product name for EAN 123: Чай «Лес» 100 г</a>"
        << "123" << true << "Чай «Лес» 100 г";
}

void TestLookupPage::parseLookupPage()
{
    QFETCH(QString, page);
    QFETCH(QString, code);
    QFETCH(bool, recordFound);
    QFETCH(QString, productName);
    const LookupPageResult result = ParseLookupPage(page, code);
    QCOMPARE(result.recordFound, recordFound);
    QCOMPARE(result.productName, productName);
}

void TestLookupPage::parseLookupPage_nameOfAnEarlierPageNeverCarriesOver()
{
    QCOMPARE(ParseLookupPage(u"Product name for EAN 1: Foo</a>", u"1").productName,
             QStringLiteral("Foo"));
    const LookupPageResult second = ParseLookupPage(u"Product name for EAN 2 Foo</a>", u"2");
    QVERIFY(second.recordFound);
    QCOMPARE(second.productName, QString());
}

void TestLookupPage::stripMarkup_data()
{
    QTest::addColumn<QString>("fragment");
    QTest::addColumn<QString>("stripped");

    QTest::newRow("empty") << ""
                           << "";
    QTest::newRow("no tag, entities decoded") << "a &lt; b&nbsp;c"
                                              << "a < b c";
    QTest::newRow("no tag, other entities stay") << "&amp; &gt; &quot; &#60; &#x3c;"
                                                 << "&amp; &gt; &quot; &#60; &#x3c;";
    QTest::newRow("entities are case sensitive") << "&LT;&NBSP;"
                                                 << "&LT;&NBSP;";
    QTest::newRow("tags with attributes") << "<a href=\"x\">Foo</a>"
                                          << "Foo";
    QTest::newRow("repeated tag removed everywhere at its first sighting") << "<b>x</b>y<b>z</b>"
                                                                           << "xyz";
    QTest::newRow("tag text compared exactly") << "<B>x<b>"
                                               << "x";
    QTest::newRow("encoded tag stays as text") << "&lt;b&gt;x&lt;/b&gt;"
                                               << "<b&gt;x</b&gt;";
    QTest::newRow("tag produced by decoding is not removed") << "&lt;i>x"
                                                             << "<i>x";
    QTest::newRow("lone < first keeps the fragment") << "<b"
                                                     << "<b";
    QTest::newRow("lone < later keeps the text from there on") << "a<b>c<d"
                                                               << "ac<d";
    QTest::newRow("lone < before a tag-free rest") << "x < y"
                                                   << "x < y";
    QTest::newRow("lone > is text") << "a > b<i>c"
                                    << "a > bc";
    QTest::newRow("nested brackets remove the outer tag text") << "<<b>>"
                                                               << ">";
    QTest::newRow("tag spanning a line break") << "a<b\r\nclass=x>c"
                                               << "ac";
    QTest::newRow("entity joined by removing a tag is decoded") << "&l<i>t;"
                                                                << "<";
    QTest::newRow("removing a tag everywhere can leave a stray <") << "<a>x<<a>"
                                                                   << "x<";
    QTest::newRow("a < before a tag starts it") << "a < b<i>c"
                                                << "a c";

    // Long fragments, each tag different: every one goes, and only the tags.
    QString manyTags;
    QString manyTagsStripped;
    for (int i = 0; i < 3000; ++i) {
        manyTags += QStringLiteral("<i n=%1>%1 ").arg(i);
        manyTagsStripped += QString::number(i) + u' ';
    }
    QTest::newRow("thousands of different tags") << manyTags << manyTagsStripped;
    QTest::newRow("thousands of different tags after a stray <")
        << QString(QStringLiteral("1 <<b>") + manyTags)
        << QString(QStringLiteral("1 ") + manyTagsStripped);
}

void TestLookupPage::stripMarkup()
{
    QFETCH(QString, fragment);
    QFETCH(QString, stripped);
    QCOMPARE(StripMarkup(fragment), stripped);
}

QTEST_GUILESS_MAIN(TestLookupPage)
#include "tst_lookuppage.moc"
