#pragma once

#include "lookup/JsonFileSource.h"
#include "lookup/LookupSource.h"
#include "lookup/MarcRecord.h"
#include "lookup/SourceFile.h"

#include <QString>
#include <QStringList>

#include <optional>

// Where a catalogue answers, as QUILLFEN_<NAME>_URL names it for a stand-in or a mirror: an SRU
// base address ("http://127.0.0.1:8080/sru/dnb") or "z3950://host:port/database". Nothing for
// anything else.
std::optional<CatalogueDescription> CatalogueAt(const QString& address,
                                                const CatalogueDescription& described);
// The catalogue's address as the About box and the remembered answers name it:
// "z3950://z3950.loc.gov:7090/Voyager", "https://services.dnb.de:443/sru/dnb".
QString CatalogueAddress(const CatalogueDescription& catalogue);

// What a record says of a book, as rows and the details window show it: the title (245 $a and
// $b), the author (100 or 110 $a), the publisher and the year (264, else 260, $b and $c), the
// control number (001), the subjects (650 $a), each without the punctuation ISBD puts at the
// end of a part.
ProductAnswer BookFromRecord(const MarcRecord& record);
// Whether the record's 020 $a names the ISBN, in its 13- or 10-digit form, hyphens and
// qualifiers such as "(pbk.)" aside.
bool RecordHoldsIsbn(const MarcContents& record, const QString& isbn13);
// The text without the punctuation ISBD ends a part with (" /", " :", " ;", ",", " =", a full
// stop), an initial's full stop and an ellipsis kept.
QString WithoutIsbdEnd(const QString& text);

// A library catalogue asked over Z39.50 or SRU about ISBNs: the first record it finds whose 020
// holds the ISBN answers the row, and is kept whole to be written out (--format marc, marcxml).
// Described in a source file ("catalogue"); the presets loc, dnb and k10plus are such files.
class CatalogueSource final : public LookupSource
{
public:
    // The password, asked for as each search is made; the file's user goes with it.
    using KeyProvider = JsonFileSource::KeyProvider;

    // `description.catalogue` must be set. `address` (QUILLFEN_<NAME>_URL) replaces where the
    // catalogue answers, as CatalogueAt reads it.
    CatalogueSource(SourceDescription description, KeyProvider password = {},
                    const QString& address = {});

    QString name() const override { return m_description.name; }
    QString displayName() const override { return m_description.displayName; }
    QStringList ownHosts() const override;
    // An ISBN, with a form for every placeholder the query names (no {isbn10} for a 979 ISBN).
    bool takes(const CheckedCode& checked) const override;
    // No web request: only what keeps the search from being made (a password it needs and was
    // not given), or the catalogue's address.
    SourceRequest request(const QString& typed, const CheckedCode& checked) const override;
    SourceAnswer read(const SourceResponse& response, const QString& typed) const override;
    QString answerAddress(const QString& typed, const CheckedCode& checked) const override;
    // Nothing when the search cannot be made (see request()).
    std::optional<CatalogueSearch> catalogueSearch(const CheckedCode& checked) const override;
    SourceAnswer readCatalogue(const CatalogueAnswer& answer,
                               const CheckedCode& checked) const override;
    int perMinute() const override { return m_description.perMinute; }
    bool remembered() const override { return true; }
    qint64 foundLifetime() const override;
    qint64 notFoundLifetime() const override;
    QString licence() const override { return m_description.licence; }

    const CatalogueDescription& catalogue() const { return m_catalogue; }
    // The query for the code, its placeholders filled.
    QString query(const CheckedCode& checked) const;

private:
    SourceDescription m_description;
    CatalogueDescription m_catalogue;
    KeyProvider m_password;
};
