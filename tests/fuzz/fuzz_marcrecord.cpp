// A catalogue's records as YAZ reads and writes them: any bytes as an ISO 2709 record and as a
// MARCXML one, and as the answer of a catalogue source. A record is refused with a reason or
// read whole, never anything else: what is kept is UTF-8 with position 09 of its leader 'a', fits
// ISO 2709, and reads back from both of its written forms as the same record; and a record the
// source takes holds the ISBN asked in its 020.
#include "desktop/network/YazMarcCodec.h"
#include "fuzz/FuzzSupport.h"
#include "lookup/CatalogueSource.h"
#include "lookup/MarcRecord.h"
#include "lookup/ProductCode.h"

namespace {
using fuzz::Quoted;

const QString kIsbn = QStringLiteral("9783999000015");

bool SameRecord(const MarcContents& one, const MarcContents& other)
{
    return ComparableLeader(one.leader) == ComparableLeader(other.leader) &&
           one.fields == other.fields;
}

void CheckRead(const std::variant<MarcRecord, QString>& read, const QString& context)
{
    if (const QString* refused = std::get_if<QString>(&read)) {
        FUZZ_CHECK(!refused->isEmpty(), context);
        return;
    }
    const MarcRecord& record = std::get<MarcRecord>(read);
    const QString got = context + QStringLiteral("\nkept ") + Quoted(record.marcXml());
    FUZZ_CHECK(record.contents().leader.size() >= 10 && record.contents().leader[9] == u'a', got);
    const QByteArray iso = record.iso2709();
    FUZZ_CHECK(!iso.isEmpty() && iso.size() <= MarcRecord::kLargestIso2709, got);
    const auto fromIso = MarcRecord::fromIso2709(iso);
    FUZZ_CHECK(std::holds_alternative<MarcRecord>(fromIso) &&
                   SameRecord(std::get<MarcRecord>(fromIso).contents(), record.contents()),
               got);
    const auto fromXml = MarcRecord::fromMarcXml(record.marcXml().toUtf8());
    FUZZ_CHECK(std::holds_alternative<MarcRecord>(fromXml) &&
                   std::get<MarcRecord>(fromXml).marcXml() == record.marcXml(),
               got);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    static YazMarcCodec codec;
    UseMarcCodec(&codec);
    const QByteArray bytes(reinterpret_cast<const char*>(data), qsizetype(size));
    const QString context = QStringLiteral("bytes ") + Quoted(QString::fromLatin1(bytes));
    CheckRead(MarcRecord::fromIso2709(bytes), context + QStringLiteral(" as ISO 2709"));
    CheckRead(MarcRecord::fromMarcXml(bytes), context + QStringLiteral(" as MARCXML"));

    // As a catalogue's answer: a book it takes holds the ISBN asked.
    SourceDescription description;
    description.name = QStringLiteral("lib");
    description.displayName = QStringLiteral("Library");
    description.catalogue = CatalogueDescription{};
    const CatalogueSource source(description);
    const CatalogueAnswer answer{
        {}, 2, {CatalogueRecord{bytes, false}, CatalogueRecord{bytes, true}}};
    const SourceAnswer read = source.readCatalogue(answer, CheckCode(kIsbn));
    const QString got = context + QStringLiteral("\nreason ") + Quoted(read.reason);
    FUZZ_CHECK((read.kind == SourceAnswer::Kind::Failed) == !read.reason.isEmpty(), got);
    if (read.kind == SourceAnswer::Kind::Found) {
        const auto kept = MarcRecord::fromMarcXml(read.product.details.record.toUtf8());
        FUZZ_CHECK(std::holds_alternative<MarcRecord>(kept) &&
                       RecordHoldsIsbn(std::get<MarcRecord>(kept).contents(), kIsbn),
                   got);
        FUZZ_CHECK(read.product.name == read.product.name.trimmed(), got);
    }
    return 0;
}
