#pragma once

#include "fakes/FakeHook.h"
#include "platform/ShopColumnsDialog.h"

class FakeShopColumnsDialog final : public ShopColumnsDialog
{
public:
    struct Asked
    {
        QString fileName;
        QList<SheetColumnSummary> columns;
        ShopColumnChoice suggested;
    };

    ~FakeShopColumnsDialog() override;
    std::optional<ShopColumnChoice> choose(const QString& fileName,
                                           const QList<SheetColumnSummary>& columns,
                                           const ShopColumnChoice& suggested) override
    {
        hook(u"choose");
        asked.append(Asked{fileName, columns, suggested});
        if (answers.isEmpty())
            return std::nullopt;
        // An answer of none at all takes what was suggested, as OK alone does.
        const std::optional<ShopColumnChoice> answer = answers.takeFirst();
        return answer && *answer == ShopColumnChoice{-2, -2, -2} ? suggested : answer;
    }

    // The user's answers in turn: nothing for Cancel, {-2, -2, -2} for OK on what was suggested;
    // with none left the user cancels.
    QList<std::optional<ShopColumnChoice>> answers;
    QList<Asked> asked;
    FakeHook hook{"FakeShopColumnsDialog", {u"choose"}};
};
