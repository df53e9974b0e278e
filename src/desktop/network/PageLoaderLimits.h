#pragma once

#include <QtGlobal>

#include <chrono>

// What every page loader holds a request to, whichever HTTP client carries it.
struct PageLoaderLimits
{
    // A page that has not arrived by then fails with "timed out".
    std::chrono::milliseconds timeLimit = std::chrono::seconds(30);
    // A page larger than this fails instead of filling memory; real pages are a few kilobytes.
    qint64 maxPageBytes = 16 * 1024 * 1024;
    // Only loopback addresses may be asked (QUILLFEN_LOOPBACK_ONLY): any other host, the first
    // one or one a redirection points to, fails before its name is looked up.
    bool loopbackOnly = false;
};
