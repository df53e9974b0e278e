#pragma once

#include <QByteArray>
#include <QList>
#include <QString>

#include <chrono>

// One search of a library catalogue over Z39.50 or SRU: where, the query, and how much of what
// it finds comes back.
struct CatalogueSearch
{
    enum class Protocol { Z3950, Sru };
    Protocol protocol = Protocol::Z3950;
    QString host;
    int port = 210;
    // Z39.50: the database's name ("Voyager"); SRU: the service's path ("/sru/dnb").
    QString database;
    // SRU over https rather than http.
    bool https = false;
    // Z39.50: a prefix query ("@attr 1=7 9780306406157"); SRU: a CQL query ("num=978...").
    QString query;
    // Z39.50: the record syntax asked for ("usmarc"); SRU: the record schema ("marcxml").
    QString recordSyntax;
    // Given to the server when not empty. The password is fetched from the keyring for this
    // search alone and goes nowhere else.
    QString user;
    QString password;
    // The records found past this many are not asked for.
    int maxRecords = 5;
    // From connecting to the last record: past this the search fails, "timed out".
    std::chrono::milliseconds timeLimit{30'000};
    // Past this many bytes received the search fails, "answer too large".
    qint64 maxBytes = 16 * 1024 * 1024;
};

// One record as the catalogue sent it.
struct CatalogueRecord
{
    QByteArray bytes;
    // XML (SRU, or an XML record syntax); otherwise ISO 2709 in whatever character set the
    // catalogue keeps.
    bool xml = false;
    // Non-empty when the server sent a diagnostic in the record's place ("Record too large to
    // be returned (16)").
    QString failure = {};
};

// What a catalogue answered to one search.
struct CatalogueAnswer
{
    // Non-empty when no answer came, in a few words: "connection refused", "timed out",
    // "connection closed", "answer too large", "not a loopback address: ...", or the server's
    // diagnostic ("Database unavailable (109)"). Then hits and records are empty.
    QString failure;
    // How many records the search found; more than `records` holds when there were more than
    // the search asked for.
    qint64 hits = 0;
    QList<CatalogueRecord> records;
};
