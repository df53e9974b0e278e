#pragma once

#include "HttpConnection.h"
#include "OpenCatalog.h"

#include <QString>

#include <optional>

// A request on one of the open databases' API paths.
struct OpenRoute
{
    enum class Kind {
        Product, // Open Food Facts or a sibling: /api/v3/product/CODE (or v2), behind /beauty, ...
        Isbn,    // Open Library: /isbn/ISBN.json, which redirects to the edition
        Edition, // Open Library: /books/OLnM.json
        Books,   // Open Library: /api/books?bibkeys=ISBN:a,ISBN:b&jscmd=data&format=json
        Lookup,  // UPCitemdb: /prod/trial/lookup?upc=CODE
    };
    Kind kind = Kind::Product;
    QString api;         // "openfoodfacts", "openbeautyfacts", ..., "openlibrary" or "upcitemdb"
    QString code;        // the code asked about, as faults name it: ISBNs as ISBN-13
    QString productType; // Product: the database whose path this is ("food", "beauty", ...)
    QString argument;    // the code, ISBN or edition key as the path or query holds it
    int apiVersion = 3;  // Product: the API version the path names (2 or 3)
};

// Which open database's path the request is on; nullopt for any other path.
std::optional<OpenRoute> MatchOpenRoute(const HttpRequest& request, const OpenCatalog& catalog);

// How the answer departs from the usual one, for faults and the alternative shapes.
struct OpenAnswerStyle
{
    bool resultShape = false;  // Open Food Facts' newer shape
    bool notFoundCode = false; // UPCitemdb's 404 "NOT_FOUND" for an unknown code
    QString afterName;         // goes right after each product name, title or generic name
    qint64 padTo = 0;          // a padding field makes the JSON at least this many bytes
};

// The database's answer from the catalog, as its API gives it.
HttpReply AnswerOpenRoute(const OpenRoute& route, const HttpRequest& request,
                          const OpenCatalog& catalog, const OpenAnswerStyle& style);

// UPCitemdb's body for a refused request: "EXCEED_LIMIT" for the daily allowance, "TOO_FAST"
// for too many requests in a short time.
QByteArray UpcitemdbRefusal(bool daily);
