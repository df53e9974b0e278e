#pragma once

#include "fakes/FakeHook.h"
#include "platform/LineInput.h"

#include <QList>

// Standard input as `lines`, each given as soon as it is watched, then its end. Make the watch
// fail through the hook ("watch").
class FakeLineInput final : public LineInput
{
public:
    ~FakeLineInput() override;
    void watch(qsizetype longest, std::function<void(const QByteArray& line)> onLine,
               std::function<void()> onEnd) override
    {
        hook(u"watch");
        for (const QByteArray& line : lines)
            onLine(line.first(std::min(line.size(), longest)));
        onEnd();
    }

    QList<QByteArray> lines;
    FakeHook hook{"FakeLineInput", {u"watch"}};
};
