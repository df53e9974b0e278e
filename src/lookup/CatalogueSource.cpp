#include "lookup/CatalogueSource.h"

#include "common/PublicAddress.h"
#include "lookup/ProductName.h"

#include <QCoreApplication>
#include <QRegularExpression>
#include <QUrl>

namespace {

// The records of a search that are read to find the one about the ISBN: a catalogue finds a few
// editions and copies of one book at most, and more would only cost time.
constexpr int kRecordsAsked = 5;

// Reasons batch mode writes in English and the window's rows show in the user's language.
[[maybe_unused]] constexpr const char* kCatalogueReasons[] = {
    QT_TRANSLATE_NOOP("LookupChain", "no catalogue connection"),
    QT_TRANSLATE_NOOP("LookupChain", "could not connect"),
    QT_TRANSLATE_NOOP("LookupChain", "connection closed"),
    QT_TRANSLATE_NOOP("LookupChain", "answer too large"),
    QT_TRANSLATE_NOOP("LookupChain", "the catalogue sent no records"),
};

QString Isbn10Of(const QString& isbn13)
{
    if (isbn13.size() != 13 || !isbn13.startsWith(u"978"))
        return {};
    const QString nine = isbn13.sliced(3, 9);
    int sum = 0;
    for (int i = 0; i < 9; ++i)
        sum += (10 - i) * (nine[i].unicode() - u'0');
    const int check = (11 - sum % 11) % 11;
    return nine + (check == 10 ? QStringLiteral("X") : QString::number(check));
}

// The ISBN a 020 $a begins with: digits, X, hyphens and spaces, up to whatever follows it
// ("(pbk.)",
// ": 12.00 EUR").
QString LeadingIsbn(const QString& text)
{
    QString digits;
    for (const QChar c : text.trimmed()) {
        if (c.isDigit() && c.unicode() < 128)
            digits.append(c);
        else if (c == u'X' || c == u'x')
            digits.append(u'X');
        else if (c != u'-' && c != u' ')
            break;
    }
    return digits;
}

QString Joined(const QStringList& texts, QStringView separator)
{
    QStringList cleaned;
    for (const QString& text : texts) {
        QString one = WithoutIsbdEnd(text);
        if (!one.isEmpty() && !cleaned.contains(one))
            cleaned.append(std::move(one));
    }
    return cleaned.join(separator);
}

// The year a 260 or 264 $c gives ("c1979.", "[2001]", "2019, ©2018"), or the text when it holds
// none.
QString YearOf(const QString& date)
{
    static const QRegularExpression year(QStringLiteral("(?<![0-9])[0-9]{4}(?![0-9])"));
    const QRegularExpressionMatch match = year.match(date);
    return match.hasMatch() ? match.captured() : WithoutIsbdEnd(date);
}

// The field of publication: 264 with second indicator 1 (publication) first, then any 264, then
// 260.
const MarcField* PublicationField(const MarcContents& record)
{
    const MarcField* any264 = nullptr;
    const MarcField* any260 = nullptr;
    for (const MarcField& field : record.fields) {
        if (field.control)
            continue;
        if (field.tag == u"264") {
            if (field.indicators.size() == 2 && field.indicators[1] == u'1')
                return &field;
            if (!any264)
                any264 = &field;
        } else if (field.tag == u"260" && !any260) {
            any260 = &field;
        }
    }
    return any264 ? any264 : any260;
}

QStringList SubfieldsOf(const MarcField* field, QStringView code)
{
    QStringList texts;
    if (field)
        for (const MarcSubfield& subfield : field->subfields)
            if (subfield.code == code)
                texts.append(subfield.value);
    return texts;
}

QString FirstOf(const QStringList& texts)
{
    for (const QString& text : texts)
        if (QString cleaned = WithoutIsbdEnd(text); !cleaned.isEmpty())
            return cleaned;
    return {};
}

} // namespace

QString WithoutIsbdEnd(const QString& text)
{
    QString cleaned = CleanField(text);
    while (!cleaned.isEmpty()) {
        const QChar last = cleaned.back();
        const qsizetype n = cleaned.size();
        if (last == u'/' || last == u':' || last == u';' || last == u',' || last == u'=') {
            cleaned.chop(1);
        } else if (last == u'.') {
            // "Knuth, Donald E." keeps the full stop of its initial; "Wait..." its ellipsis.
            const bool initial =
                n >= 2 && cleaned[n - 2].isLetter() && (n == 2 || !cleaned[n - 3].isLetter());
            if (initial || (n >= 2 && cleaned[n - 2] == u'.'))
                break;
            cleaned.chop(1);
        } else {
            break;
        }
        cleaned = CleanField(cleaned);
    }
    return cleaned;
}

bool RecordHoldsIsbn(const MarcContents& record, const QString& isbn13)
{
    const QString isbn10 = Isbn10Of(isbn13);
    for (const QString& given : record.subfields(u"020", u"a")) {
        const QString isbn = LeadingIsbn(given);
        if (!isbn.isEmpty() && (isbn == isbn13 || isbn == isbn10))
            return true;
    }
    return false;
}

ProductAnswer BookFromRecord(const MarcRecord& record)
{
    const MarcContents& contents = record.contents();
    ProductAnswer book;
    const QString title = FirstOf(contents.subfields(u"245", u"a"));
    const QString remainder = FirstOf(contents.subfields(u"245", u"b"));
    book.name = title.isEmpty() || remainder.isEmpty()
                    ? QString(title + remainder)
                    : QString(title + QStringLiteral(": ") + remainder);
    ProductDetails& details = book.details;
    details.author = FirstOf(contents.subfields(u"100", u"a"));
    if (details.author.isEmpty())
        details.author = FirstOf(contents.subfields(u"110", u"a"));
    const MarcField* publication = PublicationField(contents);
    details.publishers = Joined(SubfieldsOf(publication, u"b"), u", ");
    const QStringList dates = SubfieldsOf(publication, u"c");
    details.published = dates.isEmpty() ? QString() : YearOf(dates.front());
    details.controlNumber = CleanField(contents.controlField(u"001"));
    details.subjects = Joined(contents.subfields(u"650", u"a"), u"; ");
    details.record = record.marcXml();
    return book;
}

std::optional<CatalogueDescription> CatalogueAt(const QString& address,
                                                const CatalogueDescription& described)
{
    const QUrl url(address, QUrl::StrictMode);
    if (!url.isValid() || url.host().isEmpty() || !url.userInfo().isEmpty() || url.hasQuery() ||
        url.hasFragment())
        return std::nullopt;
    CatalogueDescription at = described;
    at.host = url.host();
    const QString scheme = url.scheme();
    if (scheme == u"z3950") {
        at.protocol = CatalogueSearch::Protocol::Z3950;
        at.https = false;
        at.port = url.port(210);
        at.database = url.path().mid(1);
        if (at.database.isEmpty())
            return std::nullopt;
    } else if (scheme == u"http" || scheme == u"https") {
        at.protocol = CatalogueSearch::Protocol::Sru;
        at.https = scheme == u"https";
        at.port = url.port(at.https ? 443 : 80);
        at.database = url.path();
    } else {
        return std::nullopt;
    }
    // A stand-in of the other protocol speaks its own language: a preset's CQL is no query for
    // a Z39.50 server, nor its record syntax a schema.
    if (at.protocol != described.protocol) {
        const bool sru = at.protocol == CatalogueSearch::Protocol::Sru;
        at.query = sru ? QStringLiteral("isbn={isbn13}") : QStringLiteral("@attr 1=7 {isbn13}");
        at.recordSyntax = sru ? QStringLiteral("marcxml") : QStringLiteral("usmarc");
    }
    return at;
}

QString CatalogueAddress(const CatalogueDescription& catalogue)
{
    QUrl url;
    if (catalogue.protocol == CatalogueSearch::Protocol::Z3950) {
        url.setScheme(QStringLiteral("z3950"));
        url.setPath(u'/' + catalogue.database);
    } else {
        url.setScheme(catalogue.https ? QStringLiteral("https") : QStringLiteral("http"));
        url.setPath(catalogue.database);
    }
    url.setHost(catalogue.host);
    url.setPort(catalogue.port);
    return url.toString(QUrl::FullyEncoded);
}

CatalogueSource::CatalogueSource(SourceDescription description, KeyProvider password,
                                 const QString& address)
    : m_description(std::move(description))
    , m_catalogue(m_description.catalogue.value_or(CatalogueDescription{}))
    , m_password(std::move(password))
{
    if (!address.isEmpty())
        if (const std::optional<CatalogueDescription> at = CatalogueAt(address, m_catalogue))
            m_catalogue = *at;
}

QStringList CatalogueSource::ownHosts() const
{
    return {HostAndPort(QUrl(CatalogueAddress(m_catalogue)))};
}

qint64 CatalogueSource::foundLifetime() const
{
    return m_description.foundDays * kSecondsPerDay;
}

qint64 CatalogueSource::notFoundLifetime() const
{
    return m_description.notFoundDays * kSecondsPerDay;
}

bool CatalogueSource::takes(const CheckedCode& checked) const
{
    if (!checked.isValid() || !checked.isbn || checked.gtin.size() != 13)
        return false;
    return !TemplatePlaceholders(m_catalogue.query).contains(QStringLiteral("isbn10")) ||
           !Isbn10Of(checked.gtin).isEmpty();
}

QString CatalogueSource::query(const CheckedCode& checked) const
{
    QString filled = m_catalogue.query;
    filled.replace(QLatin1String("{isbn13}"), checked.gtin);
    filled.replace(QLatin1String("{isbn10}"), Isbn10Of(checked.gtin));
    return filled;
}

SourceRequest CatalogueSource::request(const QString& /*typed*/, const CheckedCode& checked) const
{
    SourceRequest request;
    request.url = QUrl(CatalogueAddress(m_catalogue));
    if (!takes(checked)) {
        request.refusal = QStringLiteral("not an ISBN this catalogue is asked about");
        return request;
    }
    if (m_description.key == SourceDescription::KeyUse::Required) {
        const SourceKey given = m_password ? m_password() : SourceKey{};
        if (!given.key || given.key->isEmpty()) {
            request.refusal = !given.problem.isEmpty()
                                  ? given.problem
                                  : QStringLiteral("no password given (Lookup > Sources > Set Key, "
                                                   "QUILLFEN_KEY_%1 or --key-file %2=PATH)")
                                        .arg(m_description.name.toUpper(), m_description.name);
            return request;
        }
    }
    // What the chain sends goes through catalogueSearch(); a web request is never made.
    request.refusal = QStringLiteral("a library catalogue, asked over Z39.50 or SRU");
    return request;
}

SourceAnswer CatalogueSource::read(const SourceResponse& /*response*/,
                                   const QString& /*typed*/) const
{
    return SourceAnswer::failed(QStringLiteral("a library catalogue, asked over Z39.50 or SRU"));
}

QString CatalogueSource::answerAddress(const QString& /*typed*/,
                                       const CheckedCode& /*checked*/) const
{
    return CatalogueAddress(m_catalogue);
}

std::optional<CatalogueSearch> CatalogueSource::catalogueSearch(const CheckedCode& checked) const
{
    if (!takes(checked))
        return std::nullopt;
    CatalogueSearch search;
    search.protocol = m_catalogue.protocol;
    search.host = m_catalogue.host;
    search.port = m_catalogue.port;
    search.database = m_catalogue.database;
    search.https = m_catalogue.https;
    search.query = query(checked);
    search.recordSyntax = m_catalogue.recordSyntax;
    search.maxRecords = kRecordsAsked;
    if (m_description.key != SourceDescription::KeyUse::None) {
        const SourceKey given = m_password ? m_password() : SourceKey{};
        const bool has = given.key && !given.key->isEmpty();
        if (!has && m_description.key == SourceDescription::KeyUse::Required)
            return std::nullopt; // request() says why
        if (has) {
            search.user = m_catalogue.user;
            search.password = *given.key;
        }
    } else {
        search.user = m_catalogue.user;
    }
    return search;
}

SourceAnswer CatalogueSource::readCatalogue(const CatalogueAnswer& answer,
                                            const CheckedCode& checked) const
{
    if (!answer.failure.isEmpty())
        return SourceAnswer::failed(answer.failure);
    if (answer.records.isEmpty())
        return answer.hits > 0
                   ? SourceAnswer::failed(QStringLiteral("the catalogue sent no records"))
                   : SourceAnswer::notFound();
    QString refused;
    for (const CatalogueRecord& sent : answer.records) {
        if (!sent.failure.isEmpty()) {
            refused = refused.isEmpty() ? sent.failure : refused;
            continue;
        }
        auto read =
            sent.xml ? MarcRecord::fromMarcXml(sent.bytes) : MarcRecord::fromIso2709(sent.bytes);
        if (const QString* why = std::get_if<QString>(&read)) {
            refused = refused.isEmpty() ? *why : refused;
            continue;
        }
        const MarcRecord& record = std::get<MarcRecord>(read);
        // A record about another book is no answer about this one, however the catalogue came to
        // send it.
        if (RecordHoldsIsbn(record.contents(), checked.gtin))
            return SourceAnswer::found(BookFromRecord(record));
    }
    // A damaged record may have been the one about the book: that is no "not found".
    if (!refused.isEmpty())
        return SourceAnswer::failed(QStringLiteral("damaged record: ") + refused);
    return SourceAnswer::notFound();
}
