#pragma once

#include "fakes/FakeHook.h"
#include "platform/LineInput.h"

#include <QList>

// Standard input as `lines`, given as soon as they are watched (each on its own, as a person
// scanning sends them, or all in one arrival when `together`), then its end. Make the watch fail
// through the hook ("watch").
class FakeLineInput final : public LineInput
{
public:
    ~FakeLineInput() override;
    void watch(qsizetype longest, std::function<void(const QList<QByteArray>& lines)> onLines,
               std::function<void()> onEnd) override
    {
        hook(u"watch");
        QList<QByteArray> cut;
        for (const QByteArray& line : lines)
            cut.append(line.first(std::min(line.size(), longest)));
        if (together && !cut.isEmpty())
            onLines(cut);
        for (qsizetype i = 0; !together && i < cut.size(); ++i)
            onLines({cut[i]});
        onEnd();
    }

    QList<QByteArray> lines;
    bool together = false;
    FakeHook hook{"FakeLineInput", {u"watch"}};
};
