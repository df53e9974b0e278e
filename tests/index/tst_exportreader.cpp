#include "index/ExportReader.h"

#include <QTest>

namespace {
struct ReadResult
{
    QStringList rows; // code|key|product|local|english|generic|brands|quantity
    qint64 wrongFieldCount = 0;
    qint64 emptyCode = 0;
    QString problem;
};

ReadResult Read(const QByteArray& text, qsizetype piece, QByteArrayView language = "de")
{
    ReadResult result;
    ExportReader reader(language);
    const auto sink = [&](const ExportRow& row) {
        QStringList fields;
        for (const QByteArrayView field :
             {row.code, row.key, row.productName, row.localName, row.englishName, row.genericName,
              row.brands, row.quantity})
            fields.append(QString::fromUtf8(field));
        result.rows.append(fields.join(u'|'));
    };
    for (qsizetype at = 0; at < text.size(); at += piece)
        reader.feed(QByteArrayView(text).sliced(at, std::min(piece, text.size() - at)), sink);
    reader.finish(sink);
    // Damaged lines of either kind: a wrong width, or not a JSON object.
    result.wrongFieldCount = reader.skips().wrongFieldCount + reader.skips().notJson;
    result.emptyCode = reader.skips().emptyCode;
    result.problem = reader.problem();
    if (result.problem.isEmpty() && reader.rows() != result.rows.size())
        result.problem = QStringLiteral("rows() disagrees");
    return result;
}
} // namespace

class TestExportReader : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void read_data()
    {
        QTest::addColumn<QByteArray>("text");
        QTest::addColumn<QStringList>("rows");
        QTest::addColumn<qint64>("wrongFieldCount");
        QTest::addColumn<qint64>("emptyCode");

        QTest::newRow("the usual columns")
            << QByteArray("code\turl\tproduct_name\tgeneric_name\tquantity\tbrands\n"
                          "3017620422003\thttp://x\tNutella\tPâte\t400 g\tFerrero,Nutella\n")
            << QStringList{"3017620422003|3017620422003|Nutella|||Pâte|Ferrero,Nutella|400 g"}
            << qint64(0) << qint64(0);
        QTest::newRow("shuffled and extra columns, local and English names")
            << QByteArray("brands\tx_1\tproduct_name_en\tquantity\tproduct_name_fr\tcode\t"
                          "product_name_de\tproduct_name\tgeneric_name\ty\n"
                          "Acme\t\tCrisps\t1 kg\tChips\t0012345678905\tKartoffelchips\t\t\tz\n")
            << QStringList{"0012345678905|12345678905||Kartoffelchips|Crisps||Acme|1 kg"}
            << qint64(0) << qint64(0);
        QTest::newRow("CR LF line ends, and no line break at the very end")
            << QByteArray("code\tproduct_name\r\n123\tOne\r\n0456\tTwo")
            << QStringList{"123|123|One|||||", "0456|456|Two|||||"} << qint64(0) << qint64(0);
        QTest::newRow("lines of the wrong width are skipped and counted")
            << QByteArray("code\tproduct_name\tbrands\n1\ta\tb\n2\ta\n3\ta\tb\tc\n4\t\t\n")
            << QStringList{"1|1|a||||b|", "4|4||||||"} << qint64(2) << qint64(0);
        QTest::newRow("empty codes are skipped and counted")
            << QByteArray("code\tproduct_name\n\tNothing\n   \tSpaces\n 77 \tSeven\n")
            << QStringList{"77|77|Seven|||||"} << qint64(0) << qint64(2);
        QTest::newRow("names in any script, quotes kept as text")
            << QByteArray("code\tproduct_name\n1\tМолоко \"Домик\"\n2\t牛奶 "
                          "🥛\n3\tحليب\n")
            << QStringList{"1|1|Молоко \"Домик\"|||||", "2|2|牛奶 🥛|||||", "3|3|حليب|||||"}
            << qint64(0) << qint64(0);
        QTest::newRow("blank lines hold nothing")
            << QByteArray("code\tproduct_name\n\n1\tA\n\r\n\n") << QStringList{"1|1|A|||||"}
            << qint64(0) << qint64(0);
        QTest::newRow("byte-order mark before the header")
            << QByteArray("\xEF\xBB\xBF"
                          "code\tbrands\n5\tB\n")
            << QStringList{"5|5|||||B|"} << qint64(0) << qint64(0);
        QTest::newRow("the first of two columns of one name")
            << QByteArray("code\tproduct_name\tproduct_name\n9\tfirst\tsecond\n")
            << QStringList{"9|9|first|||||"} << qint64(0) << qint64(0);
        QTest::newRow("codes: zeros, letters")
            << QByteArray("code\n0000\n00A12\n012345678905\n")
            << QStringList{"0000|0||||||", "00A12|00A12||||||", "012345678905|12345678905||||||"}
            << qint64(0) << qint64(0);
        QTest::newRow("JSON Lines: fields by their JSON names, in any order, among others")
            << QByteArray("{\"brands\":\"Acme\",\"code\":\"0012345678905\",\"x\":[1],"
                          "\"product_name_de\":\"Chips\",\"quantity\":\"1 kg\"}\n"
                          "\n{\"code\":\"7\",\"product_name\":\"Seven\"}")
            << QStringList{"0012345678905|12345678905||Chips|||Acme|1 kg", "7|7|Seven|||||"}
            << qint64(0) << qint64(0);
        QTest::newRow("JSON Lines of a newer schema: a field of another type is left empty")
            << QByteArray("\xEF\xBB\xBF{\"code\":\"1\",\"product_name\":{\"en\":\"A\"},"
                          "\"brands\":[\"B\"],\"quantity\":\"2 l\"}\n"
                          "{\"code\":123,\"generic_name\":\"G\"}\n"
                          "{\"code\":null,\"product_name\":\"No code\"}\n")
            << QStringList{"1|1||||||2 l", "123|123||||G||"} << qint64(0) << qint64(1);
        QTest::newRow("JSON Lines: a damaged line or one that is not an object is skipped")
            << QByteArray("{\"code\":\"1\"}\n{\"code\":\"2\"\n[1,2]\n\"text\"\n{\"code\":\"3\"}\n")
            << QStringList{"1|1||||||", "3|3||||||"} << qint64(3) << qint64(0);
        QTest::newRow("header alone")
            << QByteArray("code\tproduct_name\n") << QStringList{} << qint64(0) << qint64(0);
    }
    void read()
    {
        QFETCH(QByteArray, text);
        QFETCH(QStringList, rows);
        QFETCH(qint64, wrongFieldCount);
        QFETCH(qint64, emptyCode);
        // Every cut of the text into chunks reads the same.
        for (const qsizetype piece : {qsizetype(1 << 20), qsizetype(7), qsizetype(1)}) {
            const ReadResult result = Read(text, piece);
            QCOMPARE(result.problem, QString());
            QCOMPARE(result.rows, rows);
            QCOMPARE(result.wrongFieldCount, wrongFieldCount);
            QCOMPARE(result.emptyCode, emptyCode);
        }
    }

    void englishAsLocalLanguage_takesNoLocalName()
    {
        const QByteArray text = "code\tproduct_name_en\n1\tMilk\n";
        QCOMPARE(Read(text, 100, "en").rows, QStringList{"1|1|||Milk|||"});
        QCOMPARE(Read(text, 100, "").rows, QStringList{"1|1|||Milk|||"});
    }

    void notAnExport_isRefusedWithAReason_data()
    {
        QTest::addColumn<QByteArray>("text");
        QTest::addColumn<QString>("problem");
        const QString noCode =
            QStringLiteral("the first line names no \"code\" column: not a product export");
        QTest::newRow("comma-separated") << QByteArray("code,product_name\n1,A\n") << noCode;
        QTest::newRow("no code column") << QByteArray("ean\tproduct_name\n1\tA\n") << noCode;
        QTest::newRow("empty") << QByteArray() << QStringLiteral("the export holds no header line");
    }
    void notAnExport_isRefusedWithAReason()
    {
        QFETCH(QByteArray, text);
        QFETCH(QString, problem);
        const ReadResult result = Read(text, 3);
        QCOMPARE(result.problem, problem);
        QVERIFY(result.rows.isEmpty());
    }

    void longFields_areCutOnACharacterAndCounted_longCodesSkipped()
    {
        // Two-byte characters, so that a cut by bytes would show (and could split one).
        const QByteArray name = QString(1500, u'é').toUtf8();
        const QByteArray brand = QByteArray(kLongestIndexedText, 'b'); // at the limit: kept whole
        const QByteArray text = "code\tproduct_name\tbrands\n1\t" + name + '\t' + brand + "\n" +
                                QByteArray(kLongestCode + 1, '7') + "\tA\tB\n" +
                                QByteArray(kLongestCode, '8') + "\tA\tB\n";
        ExportReader reader;
        QStringList rows;
        const auto sink = [&](const ExportRow& row) {
            rows.append(QString::fromUtf8(row.productName) + u'|' + QString::fromUtf8(row.brands));
        };
        for (qsizetype at = 0; at < text.size(); at += 333)
            reader.feed(QByteArrayView(text).sliced(at, std::min<qsizetype>(333, text.size() - at)),
                        sink);
        QVERIFY(reader.finish(sink));
        QCOMPARE(rows, (QStringList{QString(1000, u'é') + u'|' + QString::fromUtf8(brand), "A|B"}));
        QCOMPARE(reader.fieldsCut(), 1);
        QCOMPARE(reader.skips().longCode, 1);
    }

    // A line past the longest is skipped as it comes, wherever it stands, and counted; only a
    // header that long is no export's. `long` stands for that line.
    void overlongLine_isSkippedWithoutBeingHeld_data()
    {
        QTest::addColumn<QByteArray>("before");
        QTest::addColumn<QByteArray>("after");
        QTest::addColumn<QStringList>("codes");
        QTest::addColumn<QString>("problem");
        QTest::newRow("a product line") << QByteArray("code\tproduct_name\n1\t")
                                        << QByteArray("\n2\tB\n") << QStringList{"2"} << "";
        QTest::newRow("the first line of JSON Lines")
            << QByteArray("\xEF\xBB\xBF {\"code\":\"1\",\"x\":\"")
            << QByteArray("\"}\n{\"code\":\"2\"}\n") << QStringList{"2"} << "";
        QTest::newRow("the last line, without its line break")
            << QByteArray("{\"code\":\"2\"}\n{") << QByteArray() << QStringList{"2"} << "";
        QTest::newRow("a header") << QByteArray("code\tproduct_name") << QByteArray("\n2\tB\n")
                                  << QStringList{} << "the first line is not a header line";
    }
    void overlongLine_isSkippedWithoutBeingHeld()
    {
        QFETCH(QByteArray, before);
        QFETCH(QByteArray, after);
        QFETCH(QStringList, codes);
        QFETCH(QString, problem);
        const QByteArray megabyte(1024 * 1024, 'y');
        // In pieces as a file arrives, and whole in one piece.
        for (const bool whole : {false, true}) {
            ExportReader reader;
            QStringList read;
            const auto sink = [&](const ExportRow& row) {
                read.append(QString::fromUtf8(row.code));
            };
            if (whole) {
                reader.feed(QByteArray(before + megabyte.repeated(17) + after), sink);
            } else {
                reader.feed(before, sink);
                for (int i = 0; i < 17; ++i)
                    reader.feed(megabyte, sink);
                reader.feed(after, sink);
            }
            QCOMPARE(reader.finish(sink), problem.isEmpty());
            QCOMPARE(reader.problem(), problem);
            QCOMPARE(read, codes);
            QCOMPARE(reader.skips().longLine, problem.isEmpty() ? 1 : 0);
            QCOMPARE(reader.skips().total(), reader.skips().longLine);
        }
    }

    // The picture's address is kept as the part the code does not give, when it has the usual
    // shape for that very code, and whole otherwise.
    void details_pictureShortenedOnlyWhenItsPathIsTheCodes_data()
    {
        QTest::addColumn<QByteArray>("code");
        QTest::addColumn<QByteArray>("image");
        QTest::addColumn<QString>("kept");
        const QByteArray host = "https://images.openfoodfacts.org/images/products/";
        QTest::newRow("13 digits")
            << QByteArray("3800123400018") << host + "380/012/340/0018/front_en.3.400.jpg"
            << "front_en.3";
        QTest::newRow("8 digits") << QByteArray("40172637") << host + "40172637/front_fr.12.400.jpg"
                                  << "front_fr.12";
        QTest::newRow("another code's folder")
            << QByteArray("3800123400018") << host + "380/012/340/0019/front_en.3.400.jpg"
            << QString(host + "380/012/340/0019/front_en.3.400.jpg");
        QTest::newRow("another size")
            << QByteArray("40172637") << host + "40172637/front_fr.12.200.jpg"
            << QString(host + "40172637/front_fr.12.200.jpg");
        QTest::newRow("another host")
            << QByteArray("40172637") << QByteArray("https://x.test/40172637/front.400.jpg")
            << "https://x.test/40172637/front.400.jpg";
        QTest::newRow("none") << QByteArray("40172637") << QByteArray() << "";
    }
    void details_pictureShortenedOnlyWhenItsPathIsTheCodes()
    {
        QFETCH(QByteArray, code);
        QFETCH(QByteArray, image);
        QFETCH(QString, kept);
        QStringList rows;
        ExportReader reader;
        const auto sink = [&](const ExportRow& row) {
            rows.append(QString::fromUtf8(row.mainCategory) + u'|' +
                        QString::fromUtf8(row.countries) + u'|' + QString::fromUtf8(row.image));
        };
        reader.feed(QByteArray("code\tmain_category_en\timage_url\tcountries_en\tmain_category\n" +
                               code + "\tSpreads\t" + image + "\tFrance,Germany\ten:spreads\n"),
                    sink);
        QVERIFY(reader.finish(sink));
        // JSON Lines name the category and the countries by their tags.
        ExportReader json;
        const QByteArray line = "{\"code\":\"" + code +
                                "\",\"main_category\":\"en:spreads\",\"countries_tags\":"
                                "[\"en:france\",7,\"en:germany\"],\"image_front_url\":\"" +
                                image + "\"}\n";
        json.feed(line, sink);
        QVERIFY(json.finish(sink));
        QCOMPARE(rows,
                 QStringList({"Spreads|France,Germany|" + kept, "Spreads|France,Germany|" + kept}));
    }
};

QTEST_GUILESS_MAIN(TestExportReader)
#include "tst_exportreader.moc"
