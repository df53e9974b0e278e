#pragma once

#include "fakes/FakeHook.h"
#include "platform/LabelsDialog.h"

#include <QList>

#include <functional>

// The Print Labels dialog as a user would answer it: `answer` changes the state as the user
// would and says which button is pressed (nothing: Cancel; no answer at all: Cancel at once).
// The preview is asked for the first state and again after the answer, as the dialog asks it on
// every change; both are kept.
class FakeLabelsDialog final : public LabelsDialog
{
public:
    ~FakeLabelsDialog() override;

    std::optional<LabelsChoice> ask(const LabelsDialogState& initial,
                                    const LabelsDialogOffer& given, const Preview& preview) override
    {
        hook(u"ask");
        offer = given;
        first = initial;
        LabelsDialogState state = initial;
        previews.append(preview(state));
        if (!answer)
            return std::nullopt;
        const std::optional<LabelsAction> action = answer(state);
        previews.append(preview(state));
        if (!action)
            return std::nullopt;
        return LabelsChoice{state, *action};
    }

    std::function<std::optional<LabelsAction>(LabelsDialogState&)> answer;
    LabelsDialogOffer offer;
    LabelsDialogState first;
    QList<LabelsPreview> previews;
    FakeHook hook{"FakeLabelsDialog", {u"ask"}};
};
