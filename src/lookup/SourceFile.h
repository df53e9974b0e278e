#pragma once

#include "gs1/CodeFacts.h"
#include "platform/CatalogueSearch.h"

#include <QByteArray>
#include <QJsonObject>
#include <QJsonValue>
#include <QList>
#include <QString>
#include <QStringList>

#include <optional>
#include <utility>
#include <variant>

// A library catalogue a source file describes instead of a request and its answer: where it is,
// how it is asked about an ISBN, and the record syntax it sends.
struct CatalogueDescription
{
    CatalogueSearch::Protocol protocol = CatalogueSearch::Protocol::Z3950;
    QString host;
    int port = 210;
    // Z39.50: the database's name; SRU: the service's path ("/sru/dnb").
    QString database;
    // SRU over https rather than http.
    bool https = false;
    // A template: Z39.50 a prefix query ("@attr 1=7 {isbn13}"), SRU a CQL query
    // ("num={isbn13}"); {isbn13} and {isbn10} are the ISBN's forms.
    QString query;
    // Z39.50: the record syntax ("usmarc"); SRU: the record schema ("marcxml").
    QString recordSyntax;
    // Given to the catalogue with the password, which is kept as keys are (SourceDescription::key).
    QString user;
};

// A source the user describes in a small JSON file (README, "Your own sources"): what it takes,
// the request to send, and how its answer is read. Every field is checked as the file is read,
// so that a mistake is reported once, naming the field, rather than as odd answers later.
struct SourceDescription
{
    enum class Takes { All, Isbn, Kinds };
    enum class Body { None, Json, Form };
    // Whether the source needs a key: "optional" works without one (a shared allowance), and
    // then drops the query parameters and headers that would carry it.
    enum class KeyUse { None, Optional, Required };
    using Pointer = std::optional<QStringList>; // the tokens of a JSON Pointer, if one was given

    QString fileName;    // as messages name it: "acme.json"
    QString name;        // in --sources: lower-case letters and digits
    QString displayName; // in rows and boxes

    Takes takes = Takes::All;
    QList<CodeKind> kinds; // Takes::Kinds

    QString url; // a template
    QByteArray method = QByteArrayLiteral("GET");
    QList<std::pair<QByteArray, QString>> headers; // name, value template
    Body body = Body::None;
    QJsonObject jsonBody;                        // Body::Json: its strings are templates
    QList<std::pair<QString, QString>> formBody; // Body::Form: name, value template
    KeyUse key = KeyUse::None;

    struct Answer
    {
        Pointer results, match;
        Pointer name, brand, quantity, categories, picture, page, description;
    } answer;

    struct NotFound
    {
        QList<int> statuses{404};
        bool emptyResults = true;
        Pointer missing; // the answer lacks this: not found
        Pointer valueAt; // the answer holds `value` here: not found
        QJsonValue value;
    } notFound;

    int perMinute = 60;
    int perDay = 0; // 0: no daily allowance
    int foundDays = 30;
    int notFoundDays = 7;
    QString licence;
    // Said for a 429 to a request without a key, instead of waiting and trying again: the
    // shared allowance of keyless requests is gone for a while.
    QString keylessQuotaMessage;
    // A library catalogue ("catalogue" in the file, in place of "request", "answer" and
    // "notFound"); its password, when it needs one, is its key.
    std::optional<CatalogueDescription> catalogue = std::nullopt;
};

// The placeholders a template may name, each replaced by the code in that form ("{gtin13}"), the
// code as typed ("{typed}") or the key ("{key}").
inline const QStringList& SourcePlaceholders()
{
    static const QStringList names{QStringLiteral("gtin"),   QStringLiteral("gtin13"),
                                   QStringLiteral("upca"),   QStringLiteral("isbn10"),
                                   QStringLiteral("isbn13"), QStringLiteral("typed"),
                                   QStringLiteral("key")};
    return names;
}

// The names between braces in a template, in order: "{" then letters and digits then "}". Any
// other brace is plain text.
QStringList TemplatePlaceholders(QStringView text);

// A file larger than this is not a source description.
inline constexpr qsizetype kLargestSourceFile = 256 * 1024;

// The description, or why the file is refused: "acme.json: answer.name: not a JSON pointer".
std::variant<SourceDescription, QString> ReadSourceFile(const QString& fileName,
                                                        const QByteArray& content);
