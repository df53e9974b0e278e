#pragma once

#include "HttpConnection.h"

#include <QString>

#include <optional>

// A stand-in for a library catalogue's SRU service (version 1.1, searchRetrieve), at any path
// under /sru/: it answers the ISBN the CQL query ends with ("num=9783999000015",
// "pica.isb=...") from a few made-up MARCXML records (records/*.xml, built in):
//   9783999000015  found (its 020 hyphenated, with a qualifier)
//   9783999000022  found through the ISBN-10 in its 020
//   9783999000039  answered with 9783999000015's record: another book, to be refused
//   9783999000046  found, a record whose leader still says MARC-8 (position 09 blank)
//   9783999000053  a damaged record: no leader, a field without a tag
//   9783999000060  two records: 9783999000015's, then its own
//   anything else  no records
// It sends at most maximumRecords of them (default 10).
struct SruSearch
{
    QString isbn; // as the query ends with it; empty when it ends with no ISBN
    int maximumRecords = 10;
};

// The search an SRU request asks for; nothing for a request that is none.
std::optional<SruSearch> MatchSruRoute(const HttpRequest& request);
HttpReply SruReply(const SruSearch& search);
// The made-up record of that name ("9783999000015"), as records/ holds it; empty when none.
QByteArray SruRecord(const QString& isbn);
