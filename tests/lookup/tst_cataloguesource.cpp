// Library catalogues as a source: their records read by YAZ (hostile ones refused with the
// reason), the fields a row shows, the 020 guard, the source files that describe them, and the
// chain asking one through the catalogue connection.
#include "desktop/network/YazMarcCodec.h"
#include "fakes/FakePlatform.h"
#include "lookup/CatalogueSource.h"
#include "lookup/LookupChain.h"
#include "lookup/MarcRecord.h"
#include "lookup/ProductCode.h"
#include "lookup/SourceFile.h"
#include "support/MarcTestRecords.h"

#include <QTest>

Q_DECLARE_METATYPE(CatalogueAnswer)

class TestCatalogueSource : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    // Records are read by YAZ, as the program reads them.
    void initTestCase() { UseMarcCodec(&m_codec); }
    // ---- Records ----
    void iso2709_readOrRefusedWithTheReason_data();
    void iso2709_readOrRefusedWithTheReason();
    void marcXml_readOrRefusedWithTheReason_data();
    void marcXml_readOrRefusedWithTheReason();
    void marc8Record_convertedToUtf8ByYaz();
    void record_survivesIso2709AndBack();

    // ---- What a record says ----
    void standInRecord_givesTheRowsFields();
    void isbdEnd_removed_data();
    void isbdEnd_removed();
    void isbnGuard_takesEitherFormOnly_data();
    void isbnGuard_takesEitherFormOnly();
    void answer_firstRecordOfTheIsbnWins_data();
    void answer_firstRecordOfTheIsbnWins();

    // ---- Source files and addresses ----
    void catalogueFile_readOrRefusedNamingTheField_data();
    void catalogueFile_readOrRefusedNamingTheField();
    void address_overridesWhereTheCatalogueAnswers_data();
    void address_overridesWhereTheCatalogueAnswers();
    void search_carriesQueryUserAndPassword();

    // ---- In the chain ----
    void chain_asksTheCatalogueAndRemembersTheRecord();
    void chain_refusedSearchTakesNoTurn();

private:
    YazMarcCodec m_codec;
};

namespace {

const QString kFound = QStringLiteral("9783999000015");

SourceDescription Described(const QByteArray& catalogue, const QByteArray& name = "lib")
{
    const auto read = ReadSourceFile(
        QStringLiteral("lib.json"),
        R"({"name": ")" + name + R"(", "displayName": "Library", "catalogue": )" + catalogue + "}");
    return std::get<SourceDescription>(read);
}

SourceDescription Sru()
{
    return Described(R"({"protocol": "sru", "host": "127.0.0.1", "port": 8080,
                         "database": "sru/lib", "query": "num={isbn13}"})");
}

CatalogueRecord XmlRecord(const QString& isbn)
{
    return CatalogueRecord{MarcTest::StandInRecord(isbn), true};
}

QString Refusal(const std::variant<MarcRecord, QString>& read)
{
    return std::holds_alternative<QString>(read) ? std::get<QString>(read) : QString();
}

} // namespace

void TestCatalogueSource::iso2709_readOrRefusedWithTheReason_data()
{
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<QString>("refusal"); // a part of it; empty: read
    using MarcTest::DataField;
    const QByteArray good =
        MarcTest::Iso2709({{"001", "QF1"}, {"245", DataField("10", {{'a', "Title"}})}}, 'a');
    QTest::newRow("utf-8") << good << QString();
    QTest::newRow("empty") << QByteArray() << QStringLiteral("not a MARC record");
    QTest::newRow("leader not digits")
        << QByteArray("xxxxxnam a2200000 a 4500\x1e\x1d") << QStringLiteral("not a MARC record");
    QByteArray longer = good;
    longer.replace(0, 5, "00999");
    QTest::newRow("leader says longer") << longer << QStringLiteral("the leader says 999 bytes");
    QByteArray shorter = good;
    shorter.replace(0, 5, "00040");
    QTest::newRow("leader says shorter") << shorter << QStringLiteral("the leader says 40 bytes");
    QByteArray pastEnd = good;
    pastEnd.replace(24 + 12 + 7, 5, "99999"); // the second field starts far past the end
    QTest::newRow("directory past the end") << pastEnd << QStringLiteral("out of bounds");
    QTest::newRow("cut short") << good.left(good.size() - 20) << QStringLiteral("leader says");
    QTest::newRow("over 99,999 bytes")
        << QByteArray(100'000, '0') << QStringLiteral("larger than a MARC 21 record");
    QTest::newRow("invalid UTF-8")
        << MarcTest::Iso2709({{"001", "QF2"}, {"245", DataField("10", {{'a', "A\xff\xfe"}})}}, 'a')
        << QStringLiteral("its text is not UTF-8");
    // Not the last piece of the record: YAZ's converter would forget the failure by the next.
    QTest::newRow("invalid UTF-8 early")
        << MarcTest::Iso2709({{"245", DataField("10", {{'a', "Caf\xe2"
                                                             "e"},
                                                       {'c', "Z."}})}},
                             'a')
        << QStringLiteral("its text is not UTF-8");
    // YAZ reads subfield codes and indicators of the leader's counts and writes past them.
    QByteArray fiveCharacterCodes = good;
    fiveCharacterCodes[11] = '6';
    QTest::newRow("subfield codes of five characters")
        << fiveCharacterCodes << QStringLiteral("not a MARC 21 record");
    QByteArray oneIndicator = good;
    oneIndicator[10] = '1';
    QTest::newRow("one indicator") << oneIndicator << QStringLiteral("not a MARC 21 record");
    QTest::newRow("NUL in a field")
        << MarcTest::Iso2709(
               {{"001", "QF4"}, {"245", DataField("10", {{'a', QByteArray("A\0B", 3)}})}}, 'a')
        << QStringLiteral("a NUL byte");
    QTest::newRow("leader alone") << QByteArray("00026cam a2200025 i 4500\x1e\x1d") << QString();
    // Into the multibyte (CJK) set, then bytes that are none of its characters.
    QTest::newRow("MARC-8 bytes of no character")
        << MarcTest::Iso2709({{"001", "QF3"},
                              {"245", DataField("10", {{'a', "A \x1b$1 \xff\xfe"}, {'c', "Z."}})}})
        << QStringLiteral("its text is not MARC-8");
    // A MARC-8 code byte that converts to nothing: YAZ's writer read past the empty code.
    QTest::newRow("MARC-8 subfield code of no character")
        << MarcTest::Iso2709({{"001", "QF5"}, {"245", DataField("10", {{'\xff', "\xff\xff"}})}})
        << QStringLiteral("a subfield code that is not MARC 21's");
}

void TestCatalogueSource::iso2709_readOrRefusedWithTheReason()
{
    QFETCH(QByteArray, bytes);
    QFETCH(QString, refusal);
    const QString said = Refusal(MarcRecord::fromIso2709(bytes));
    if (refusal.isEmpty())
        QCOMPARE(said, QString());
    else
        QVERIFY2(said.contains(refusal), qPrintable(said));
}

void TestCatalogueSource::marcXml_readOrRefusedWithTheReason_data()
{
    QTest::addColumn<QByteArray>("xml");
    QTest::addColumn<QString>("refusal");
    QTest::newRow("stand-in record") << MarcTest::StandInRecord(kFound) << QString();
    QTest::newRow("damaged stand-in record")
        << MarcTest::StandInRecord(QStringLiteral("9783999000053"))
        << QStringLiteral("not a MARCXML record");
    QTest::newRow("not XML") << QByteArray("<record><leader>") << QStringLiteral("not XML");
    QTest::newRow("collection") << QByteArray("<collection xmlns=\"http://www.loc.gov/MARC21/"
                                              "slim\"/>")
                                << QStringLiteral("not a MARCXML record");
    QTest::newRow("entities of a document type")
        << QByteArray("<!DOCTYPE r [<!ENTITY a \"aaaaaaaaaa\"><!ENTITY b \"&a;&a;&a;&a;&a;\">]>"
                      "<record><leader>00000nam a2200000 a 4500</leader></record>")
        << QStringLiteral("document type");
    QByteArray many = "<record><leader>00000nam a2200000 a 4500</leader>";
    for (int i = 0; i < 10'000; ++i)
        many += "<datafield tag=\"500\" ind1=\" \" ind2=\" \"><subfield code=\"a\">n</subfield>"
                "</datafield>";
    QTest::newRow("10,000 fields")
        << many + "</record>" << QStringLiteral("does not fit an ISO 2709 record");
    const auto withIndicators = [](const char* indicators) -> QByteArray {
        return QByteArray("<record xmlns=\"http://www.loc.gov/MARC21/slim\"><leader>00000nam "
                          "a2200000 a 4500</leader><datafield tag=\"245\" ") +
               indicators + "><subfield code=\"a\">Title\t(boxed)</subfield></datafield></record>";
    };
    QTest::newRow("indicator of two characters")
        << withIndicators("ind1=\"1\" ind2=\"@7\"")
        << QStringLiteral("indicators that are not MARC 21");
    QTest::newRow("a third indicator") << withIndicators("ind1=\"1\" ind2=\"0\" ind3=\"7\"")
                                       << QStringLiteral("indicators that are not MARC 21");
    QTest::newRow("empty indicator") << withIndicators("ind1=\"\" ind2=\"0\"")
                                     << QStringLiteral("indicators that are not MARC 21");
    const auto withCode = [](const char* code) -> QByteArray {
        return QByteArray("<record><leader>00000nam a2200000 a 4500</leader><datafield tag=\"245\" "
                          "ind1=\"1\" ind2=\"0\"><subfield ") +
               code + ">Title</subfield></datafield></record>";
    };
    QTest::newRow("empty subfield code")
        << withCode("code=\"\"") << QStringLiteral("a subfield code that is not MARC 21's");
    QTest::newRow("subfield code of two characters")
        << withCode("code=\"ab\"") << QStringLiteral("a subfield code that is not MARC 21's");
    QTest::newRow("subfield without a code")
        << withCode("") << QStringLiteral("a subfield code that is not MARC 21's");
    QTest::newRow("tab in a subfield") << withIndicators("ind1=\"1\" ind2=\"0\"") << QString();
    QTest::newRow("leader of one indicator")
        << QByteArray("<record><leader>00000nam a1100000 a 4500</leader></record>")
        << QStringLiteral("not a MARC 21 record");
    QTest::newRow("over 2 MB") << QByteArray(3 * 1024 * 1024, ' ')
                               << QStringLiteral("larger than a MARC 21 record");
}

void TestCatalogueSource::marcXml_readOrRefusedWithTheReason()
{
    QFETCH(QByteArray, xml);
    QFETCH(QString, refusal);
    const QString said = Refusal(MarcRecord::fromMarcXml(xml));
    if (refusal.isEmpty())
        QCOMPARE(said, QString());
    else
        QVERIFY2(said.contains(refusal), qPrintable(said));
}

void TestCatalogueSource::marc8Record_convertedToUtf8ByYaz()
{
    const auto read = MarcRecord::fromIso2709(MarcTest::Marc8Book());
    QVERIFY2(std::holds_alternative<MarcRecord>(read), qPrintable(Refusal(read)));
    const MarcRecord& record = std::get<MarcRecord>(read);
    QCOMPARE(record.contents().leader.at(9), u'a');
    // MARC-8 writes a combining mark before its letter; Unicode after it.
    QCOMPARE(record.contents().subfields(u"245", u"a"),
             QStringList{QStringLiteral("Cafe\u0301 society /")});
    // Its ISO 2709 form is UTF-8 too, its lengths counted anew.
    QVERIFY(record.iso2709().contains("Cafe\xcc\x81 society"));
    QCOMPARE(record.iso2709().left(5).toInt(), record.iso2709().size());
}

void TestCatalogueSource::record_survivesIso2709AndBack()
{
    const auto fromXml = MarcRecord::fromMarcXml(MarcTest::StandInRecord(kFound));
    QVERIFY(std::holds_alternative<MarcRecord>(fromXml));
    const MarcRecord& first = std::get<MarcRecord>(fromXml);
    const auto again = MarcRecord::fromIso2709(first.iso2709());
    QVERIFY2(std::holds_alternative<MarcRecord>(again), qPrintable(Refusal(again)));
    const MarcContents& second = std::get<MarcRecord>(again).contents();
    QCOMPARE(second.fields, first.contents().fields);
    QCOMPARE(ComparableLeader(second.leader), ComparableLeader(first.contents().leader));
    // Nothing added or dropped: every field the library sent is there, in its order.
    const std::optional<MarcContents> sent =
        ReadMarcXmlContents(QString::fromUtf8(MarcTest::StandInRecord(kFound)));
    QVERIFY(sent);
    QCOMPARE(first.contents().fields, sent->fields);
}

void TestCatalogueSource::standInRecord_givesTheRowsFields()
{
    const auto read = MarcRecord::fromMarcXml(MarcTest::StandInRecord(kFound));
    const ProductAnswer book = BookFromRecord(std::get<MarcRecord>(read));
    QCOMPARE(book.name, QStringLiteral("\u00dcber Federkiele und Tinte: eine kleine Geschichte des "
                                       "Schreibens"));
    QCOMPARE(book.details.author, QStringLiteral("Fenwick, Ada M."));
    QCOMPARE(book.details.publishers, QStringLiteral("Gullwing Press"));
    QCOMPARE(book.details.published, QStringLiteral("2019"));
    QCOMPARE(book.details.controlNumber, QStringLiteral("QF0000015"));
    QCOMPARE(book.details.subjects, QStringLiteral("Schreibger\u00e4te; Kalligraphie"));
    QVERIFY(book.details.record.contains(u"<controlfield tag=\"001\">QF0000015"));
    // A body as author, and 260 where there is no 264.
    const ProductAnswer report = BookFromRecord(std::get<MarcRecord>(
        MarcRecord::fromMarcXml(MarcTest::StandInRecord(QStringLiteral("9783999000022")))));
    QCOMPARE(report.details.author, QStringLiteral("Guild of Quill Makers"));
    QCOMPARE(report.details.publishers, QStringLiteral("The Guild"));
    QCOMPARE(report.details.published, QStringLiteral("1998"));
}

void TestCatalogueSource::isbdEnd_removed_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("expected");
    QTest::newRow("slash") << "Surreal numbers /"
                           << "Surreal numbers";
    QTest::newRow("colon") << "Title :"
                           << "Title";
    QTest::newRow("comma and stop") << "Gullwing Press,."
                                    << "Gullwing Press";
    QTest::newRow("full stop") << "Kalligraphie."
                               << "Kalligraphie";
    QTest::newRow("initial kept") << "Knuth, Donald E.,"
                                  << "Knuth, Donald E.";
    QTest::newRow("ellipsis kept") << "Wait..."
                                   << "Wait...";
    QTest::newRow("only punctuation") << " / ."
                                      << "";
}

void TestCatalogueSource::isbdEnd_removed()
{
    QFETCH(QString, text);
    QFETCH(QString, expected);
    QCOMPARE(WithoutIsbdEnd(text), expected);
}

void TestCatalogueSource::isbnGuard_takesEitherFormOnly_data()
{
    QTest::addColumn<QString>("field020");
    QTest::addColumn<QChar>("code");
    QTest::addColumn<bool>("holds");
    QTest::newRow("13 digits") << "9780306406157" << QChar(u'a') << true;
    QTest::newRow("hyphens and qualifier") << "978-0-306-40615-7 (pbk.)" << QChar(u'a') << true;
    QTest::newRow("10 digits") << "0306406152" << QChar(u'a') << true;
    QTest::newRow("another book") << "9780140328721" << QChar(u'a') << false;
    QTest::newRow("cancelled ($z)") << "9780306406157" << QChar(u'z') << false;
    QTest::newRow("one digit more") << "97803064061570" << QChar(u'a') << false;
}

void TestCatalogueSource::isbnGuard_takesEitherFormOnly()
{
    QFETCH(QString, field020);
    QFETCH(QChar, code);
    QFETCH(bool, holds);
    MarcContents record;
    record.fields.append(MarcField{QStringLiteral("020"),
                                   false,
                                   {},
                                   QStringLiteral("  "),
                                   {MarcSubfield{QString(code), field020}}});
    QCOMPARE(RecordHoldsIsbn(record, QStringLiteral("9780306406157")), holds);
}

void TestCatalogueSource::answer_firstRecordOfTheIsbnWins_data()
{
    QTest::addColumn<QString>("isbn");
    QTest::addColumn<CatalogueAnswer>("answer");
    QTest::addColumn<QString>("expected"); // "found: <control number>", "not found", "failed: ..."
    QTest::newRow("its record") << kFound << CatalogueAnswer{{}, 1, {XmlRecord(kFound)}}
                                << "found: QF0000015";
    QTest::newRow("another book's") << QStringLiteral("9783999000039")
                                    << CatalogueAnswer{{}, 1, {XmlRecord(kFound)}} << "not found";
    QTest::newRow("second of two")
        << QStringLiteral("9783999000060")
        << CatalogueAnswer{{}, 2, {XmlRecord(kFound), XmlRecord(QStringLiteral("9783999000060"))}}
        << "found: QF0000060";
    QTest::newRow("nothing") << kFound << CatalogueAnswer{{}, 0, {}} << "not found";
    QTest::newRow("damaged") << QStringLiteral("9783999000053")
                             << CatalogueAnswer{{}, 1, {XmlRecord(QStringLiteral("9783999000053"))}}
                             << "failed: damaged record: not a MARCXML record";
    QTest::newRow("server's diagnostic")
        << kFound << CatalogueAnswer{{}, 1, {CatalogueRecord{{}, false, "Record too large (16)"}}}
        << "failed: damaged record: Record too large (16)";
    QTest::newRow("hits, no records")
        << kFound << CatalogueAnswer{{}, 3, {}} << "failed: the catalogue sent no records";
    QTest::newRow("no answer") << kFound << CatalogueAnswer{QStringLiteral("timed out"), 0, {}}
                               << "failed: timed out";
}

void TestCatalogueSource::answer_firstRecordOfTheIsbnWins()
{
    QFETCH(QString, isbn);
    QFETCH(CatalogueAnswer, answer);
    QFETCH(QString, expected);
    const CatalogueSource source(Sru());
    const SourceAnswer read = source.readCatalogue(answer, CheckCode(isbn));
    const QString got = read.kind == SourceAnswer::Kind::Found
                            ? QStringLiteral("found: ") + read.product.details.controlNumber
                        : read.kind == SourceAnswer::Kind::NotFound
                            ? QStringLiteral("not found")
                            : QStringLiteral("failed: ") + read.reason;
    QCOMPARE(got, expected);
}

void TestCatalogueSource::catalogueFile_readOrRefusedNamingTheField_data()
{
    QTest::addColumn<QByteArray>("catalogue");
    QTest::addColumn<QString>("refusal");
    QTest::newRow("z3950") << QByteArray(R"({"protocol": "z3950", "host": "z.example.org",
        "database": "Books", "query": "@attr 1=7 {isbn13}", "user": "me",
        "password": "required"})")
                           << QString();
    QTest::newRow("unknown protocol")
        << QByteArray(R"({"protocol": "gopher", "host": "h", "query": "{isbn13}"})")
        << "lib.json: catalogue.protocol: \"z3950\" or \"sru\"";
    QTest::newRow("https for Z39.50")
        << QByteArray(R"({"protocol": "z3950", "host": "h", "database": "d", "https": true,
                          "query": "{isbn13}"})")
        << "lib.json: catalogue.https: true or false, and only for SRU";
    QTest::newRow("no ISBN in the query")
        << QByteArray(R"({"protocol": "sru", "host": "h", "query": "dc.title=x"})")
        << "lib.json: catalogue.query: names neither {isbn13} nor {isbn10}";
    QTest::newRow("unknown placeholder")
        << QByteArray(R"({"protocol": "sru", "host": "h", "query": "isbn={gtin}"})")
        << "lib.json: catalogue.query: unknown placeholder {gtin}";
    QTest::newRow("host with a path")
        << QByteArray(R"({"protocol": "sru", "host": "h/x", "query": "isbn={isbn13}"})")
        << "lib.json: catalogue.host: not a host name or address";
    QTest::newRow("unknown field") << QByteArray(R"({"protocol": "sru", "host": "h",
        "query": "isbn={isbn13}", "url": "x"})")
                                   << "lib.json: catalogue.url: unknown field";
}

void TestCatalogueSource::catalogueFile_readOrRefusedNamingTheField()
{
    QFETCH(QByteArray, catalogue);
    QFETCH(QString, refusal);
    const auto read = ReadSourceFile(QStringLiteral("lib.json"),
                                     R"({"name": "lib", "displayName": "Library", "catalogue": )" +
                                         catalogue + "}");
    if (!refusal.isEmpty()) {
        QCOMPARE(std::get<QString>(read), refusal);
        return;
    }
    const SourceDescription& described = std::get<SourceDescription>(read);
    QCOMPARE(described.takes, SourceDescription::Takes::Isbn);
    QCOMPARE(described.key, SourceDescription::KeyUse::Required);
    QCOMPARE(described.catalogue->port, 210);
    QCOMPARE(described.catalogue->recordSyntax, QStringLiteral("usmarc"));
    QCOMPARE(described.catalogue->user, QStringLiteral("me"));
}

void TestCatalogueSource::address_overridesWhereTheCatalogueAnswers_data()
{
    QTest::addColumn<QString>("address");
    QTest::addColumn<QString>("shown"); // empty: refused
    QTest::addColumn<QString>("query");
    QTest::newRow("SRU elsewhere") << "http://127.0.0.1:8080/sru/dnb"
                                   << "http://127.0.0.1:8080/sru/dnb"
                                   << "num={isbn13}";
    QTest::newRow("a Z39.50 stand-in") << "z3950://127.0.0.1:2100/Default"
                                       << "z3950://127.0.0.1:2100/Default"
                                       << "@attr 1=7 {isbn13}";
    QTest::newRow("no database") << "z3950://127.0.0.1:2100" << QString() << QString();
    QTest::newRow("another scheme") << "ftp://127.0.0.1/x" << QString() << QString();
    QTest::newRow("a user in it") << "http://me@127.0.0.1/sru" << QString() << QString();
}

void TestCatalogueSource::address_overridesWhereTheCatalogueAnswers()
{
    QFETCH(QString, address);
    QFETCH(QString, shown);
    QFETCH(QString, query);
    const std::optional<CatalogueDescription> at = CatalogueAt(address, *Sru().catalogue);
    QCOMPARE(at.has_value(), !shown.isEmpty());
    if (!at)
        return;
    QCOMPARE(CatalogueAddress(*at), shown);
    QCOMPARE(at->query, query);
}

void TestCatalogueSource::search_carriesQueryUserAndPassword()
{
    SourceDescription described = Described(R"({"protocol": "z3950", "host": "127.0.0.1",
        "database": "Books", "query": "@or @attr 1=7 {isbn13} @attr 1=7 {isbn10}", "user": "me",
        "password": "required"})");
    QString password;
    const CatalogueSource source(described, [&password] { return SourceKey{password, {}}; });
    const CheckedCode book = CheckCode(u"978-0-306-40615-7");
    // Without its password the search is not made, and the row says why.
    QVERIFY(!source.catalogueSearch(book));
    QVERIFY(source.request({}, book).refusal.startsWith(u"no password given"));
    password = QStringLiteral("s3cret");
    const std::optional<CatalogueSearch> search = source.catalogueSearch(book);
    QVERIFY(search);
    QCOMPARE(search->query, QStringLiteral("@or @attr 1=7 9780306406157 @attr 1=7 0306406152"));
    QCOMPARE(search->user, QStringLiteral("me"));
    QCOMPARE(search->password, password);
    // A 979 ISBN has no ten-digit form for the query; an EAN is no book.
    QVERIFY(!source.takes(CheckCode(u"9791000000008")));
    QVERIFY(!source.takes(CheckCode(u"4006381333931")));
}

void TestCatalogueSource::chain_asksTheCatalogueAndRemembersTheRecord()
{
    FakePlatform fake;
    fake.catalogue.respond = [](const CatalogueSearch& search) {
        return CatalogueAnswer{{}, 1, {XmlRecord(search.query.section(u'=', 1))}};
    };
    std::vector<std::unique_ptr<LookupSource>> sources;
    sources.push_back(std::make_unique<CatalogueSource>(Sru()));
    LookupChain chain(LookupServices{fake.pageLoader, fake.eventLoop, fake.clock, &fake.answers,
                                     &fake.pacing, &fake.catalogue},
                      std::move(sources), {});
    chain.startRun();
    const std::optional<CodeOutcome> first = chain.lookUp(kFound);
    QVERIFY(first);
    QCOMPARE(first->status, CodeOutcome::Status::Found);
    QCOMPARE(first->source, QStringLiteral("Library"));
    QCOMPARE(fake.catalogue.searches.size(), 1);
    QCOMPARE(fake.catalogue.searches[0].query, QStringLiteral("num=9783999000015"));
    QCOMPARE(fake.pageLoader.requested.size(), 0);
    // Asked again in a later run, the record comes from the remembered answers, whole.
    chain.startRun();
    const std::optional<CodeOutcome> again = chain.lookUp(kFound);
    QCOMPARE(fake.catalogue.searches.size(), 1);
    QCOMPARE(again->product.details.record, first->product.details.record);
    QVERIFY(!again->product.details.record.isEmpty());
}

void TestCatalogueSource::chain_refusedSearchTakesNoTurn()
{
    FakePlatform fake;
    fake.catalogue.loopbackOnly = true;
    std::vector<std::unique_ptr<LookupSource>> sources;
    sources.push_back(std::make_unique<CatalogueSource>(
        Described(R"({"protocol": "z3950", "host": "z3950.loc.gov", "port": 7090,
                      "database": "Voyager", "query": "@attr 1=7 {isbn13}"})",
                  "loc")));
    sources.push_back(std::make_unique<CatalogueSource>(Sru()));
    LookupChain chain(LookupServices{fake.pageLoader, fake.eventLoop, fake.clock, nullptr,
                                     &fake.pacing, &fake.catalogue},
                      std::move(sources), {});
    chain.startRun();
    const std::optional<CodeOutcome> outcome = chain.lookUp(kFound);
    QVERIFY(outcome);
    QCOMPARE(outcome->status, CodeOutcome::Status::Failed);
    QVERIFY(outcome->detail.startsWith(u"not a loopback address: z3950.loc.gov"));
    // The refused search sent nothing; the next catalogue was asked in its own turn.
    QCOMPARE(fake.catalogue.hook.calls(u"search"), 1);
    QCOMPARE(fake.catalogue.searches.front().host, QStringLiteral("127.0.0.1"));
    // Without a catalogue connection every code fails, saying so.
    std::vector<std::unique_ptr<LookupSource>> alone;
    alone.push_back(std::make_unique<CatalogueSource>(Sru()));
    LookupChain unconnected(LookupServices{fake.pageLoader, fake.eventLoop, fake.clock},
                            std::move(alone), {});
    unconnected.startRun();
    QCOMPARE(unconnected.lookUp(kFound)->detail, QStringLiteral("no catalogue connection"));
}

QTEST_GUILESS_MAIN(TestCatalogueSource)
#include "tst_cataloguesource.moc"
