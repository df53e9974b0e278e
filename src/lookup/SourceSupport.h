#pragma once

#include "lookup/LookupSource.h"

#include <QJsonObject>
#include <QJsonValue>
#include <QString>
#include <QStringList>
#include <QUrl>

#include <optional>
#include <variant>

// What the open databases' sources share when they build requests and read answers.

// The base address with the path appended, however many slashes the base ends with, and the
// query (already encoded) in place of any the base had.
QUrl SourceAddress(const QString& base, const QString& path, const QString& query = {});
// The text with every form a key takes in a request replaced by "***": as it is, percent-encoded
// (either case of hex digits, a space as %20 or +) and in Base64 (as HTTP Basic authentication
// and many services carry it, with or without padding, standard or URL-safe, alone or after a
// user name and a colon). Whatever shows a request or what came back for it goes through this.
QString RedactKey(QString text, const QString& key);

// The hosts and ports of these base addresses (HostAndPort), each once, leaving out those without
// a host.
QStringList HostsOf(const QStringList& bases);

// The last `count` non-empty pieces of a list with that separator, cleaned, joined with ", ": the
// databases list categories from the most general to the most specific.
QString LastListPieces(const QString& list, QChar separator, int count);

// The strings of a JSON array, cleaned, the empty ones left out.
QStringList JsonTexts(const QJsonValue& array);

// The product's page on the site of the Open Food Facts database that holds it ("Open Beauty
// Facts", or empty for the food database itself). The sibling databases live on hosts named like
// the main one ("world.openbeautyfacts.org"); a base that is not the real service (a mirror, a
// test server) is taken to hold the pages of every database.
QString OpenFoodFactsPage(const QString& base, const QString& database, const QString& gtin);

// A status the source has no other use for as a failed answer: "HTTP 503", busy for 429 and 503.
SourceAnswer StatusFailure(int status);

// The body as one JSON object, or why it is not one: "empty answer", "not JSON" (an HTML page,
// plain text), "malformed JSON" (it starts like JSON but does not parse), "unexpected answer"
// (JSON, but not an object).
std::variant<QJsonObject, QString> JsonObjectBody(const QByteArray& body);

// The whole header value as a non-negative integer, surrounding blanks allowed; nothing for
// anything else.
std::optional<qint64> HeaderInteger(QByteArrayView value);
