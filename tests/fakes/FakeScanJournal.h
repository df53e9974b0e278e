#pragma once

#include "fakes/FakeHook.h"
#include "platform/ScanJournal.h"

// The session file as a list of lines in memory. Make an operation fail through the hook
// ("read", "append", "clear").
class FakeScanJournal final : public ScanJournal
{
public:
    ~FakeScanJournal() override;
    QStringList read() override
    {
        hook(u"read");
        return lines;
    }
    void append(const QStringList& more) override
    {
        hook(u"append");
        lines.append(more);
        ++syncs;
        if (killedAfterWrite)
            throw Killed{};
    }
    void clear() override
    {
        hook(u"clear");
        lines.clear();
    }

    QStringList lines;
    // How many times lines were written down (each a sync on a disk).
    int syncs = 0;
    // The process killed the moment its lines are on the disk: append() throws Killed after
    // writing them, and nothing after it in the session runs.
    struct Killed
    {
    };
    bool killedAfterWrite = false;
    FakeHook hook{"FakeScanJournal", {u"read", u"append", u"clear"}};
};
