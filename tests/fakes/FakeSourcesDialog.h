#pragma once

#include "fakes/FakeHook.h"
#include "platform/SourcesDialog.h"

#include <QList>
#include <QStringList>

#include <functional>

class FakeSourcesDialog final : public SourcesDialog
{
public:
    ~FakeSourcesDialog() override;
    struct Asked
    {
        SourcesDialogState initial;
        QString note;
    };
    // What the user does to the state before pressing OK; the state is checked after each try,
    // as the dialog does.
    using Edit = std::function<void(SourcesDialogState&)>;

    std::optional<SourcesDialogState> ask(const SourcesDialogState& initial, const QString& note,
                                          const Check& check) override
    {
        hook(u"ask");
        m_asked.append(Asked{initial, note});
        SourcesDialogState state = initial;
        // Tries in turn, each on what the one before left; with none left (or after a refused
        // last one) the user presses Cancel.
        while (!tries.isEmpty()) {
            tries.takeFirst()(state);
            const QString problem = check(state);
            if (problem.isEmpty())
                return state;
            problems.append(problem);
        }
        return std::nullopt;
    }

    const QList<Asked>& asked() const { return m_asked; }

    QList<Edit> tries;
    // What the dialog showed after each refused OK.
    QStringList problems;
    FakeHook hook{"FakeSourcesDialog", {u"ask"}};

private:
    QList<Asked> m_asked;
};
