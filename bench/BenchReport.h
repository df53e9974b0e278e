#pragma once

// One line per measured operation, in a form bench/run gathers into its table. Each benchmark
// still prints its own readable figures; these lines are what the table is built from.

#include <cstdio>
#include <sys/resource.h>

// The process's peak resident memory so far, in megabytes.
inline long PeakMegabytes()
{
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    return usage.ru_maxrss / 1024;
}

struct BenchRow
{
    const char* operation;
    const char* size;
    double seconds;
    // What the operation is measured against, and its time; none when baseline is null.
    const char* baseline = nullptr;
    double baselineSeconds = 0;
    // The target, as words ("< 1 s", "ratio <= 1.10").
    const char* target = "";
    // The peak memory of the process that did the work, when it was another one (a program the
    // benchmark started); otherwise the benchmark's own.
    long peakMegabytes = -1;
};

inline void PrintRow(const BenchRow& row, const char* kind)
{
    std::printf("@row\t%s\t%s\t%.4f\t%s\t%.4f\t%ld\t%s\t%s\n", row.operation, row.size, row.seconds,
                row.baseline ? row.baseline : "-", row.baselineSeconds,
                row.peakMegabytes >= 0 ? row.peakMegabytes : PeakMegabytes(), row.target, kind);
    std::fflush(stdout);
}

inline void ReportRow(const BenchRow& row)
{
    PrintRow(row, "-");
}

// A row whose baseline is a peer: the program a user would otherwise run on the same input, run
// in the same benchmark. bench/run lists these again in its "peers" section.
inline void ReportPeerRow(const BenchRow& row)
{
    PrintRow(row, "peer");
}
