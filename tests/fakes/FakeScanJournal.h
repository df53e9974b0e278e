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
    void append(const QString& line) override
    {
        hook(u"append");
        lines.append(line);
    }
    void clear() override
    {
        hook(u"clear");
        lines.clear();
    }

    QStringList lines;
    FakeHook hook{"FakeScanJournal", {u"read", u"append", u"clear"}};
};
