#pragma once

#include "platform/CatalogueSearch.h"
#include "platform/PendingCatalogueAnswer.h"

#include <QString>

#include <memory>

// Searches library catalogues over Z39.50 and SRU: connects, searches, asks for the first
// records found and closes, one connection a search.
class CatalogueConnection
{
public:
    virtual ~CatalogueConnection() = default;

    // Starts the search and returns at once; everything that goes wrong on the way is reported
    // by the answer's failure.
    virtual std::unique_ptr<PendingCatalogueAnswer> search(const CatalogueSearch& search) = 0;

    // Why the search would fail without anything leaving the machine, or an empty text when it
    // would be sent. A caller that paces its searches asks first, so that one never sent takes
    // no turn.
    virtual QString refusal(const CatalogueSearch& /*search*/) const { return {}; }
};
