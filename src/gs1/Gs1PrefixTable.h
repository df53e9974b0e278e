#pragma once

#include "gs1/CodeFacts.h"

#include <span>

// One range of three-digit GS1 prefixes: either an office's, or a special range whose codes are
// of one kind whatever their form.
struct Gs1PrefixRange
{
    int first;
    int last;
    // Unknown for an office's range: the kind is then the code's form.
    CodeKind special;
    const char16_t* office; // empty for a special range
};

// The prefixes of GTIN-13 (and of UPC-A and GTIN-14 by their GTIN-13 form), in order, without
// overlaps; prefixes that are in no range belong to no one yet.
std::span<const Gs1PrefixRange> Gs1Prefixes();
// The same for EAN-8 codes, whose prefixes GS1 allocates apart.
std::span<const Gs1PrefixRange> Gs1EightDigitPrefixes();
