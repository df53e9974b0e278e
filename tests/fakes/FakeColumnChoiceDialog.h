#pragma once

#include "fakes/FakeHook.h"
#include "platform/ColumnChoiceDialog.h"

class FakeColumnChoiceDialog final : public ColumnChoiceDialog
{
public:
    struct Asked
    {
        QString fileName;
        QList<SheetColumnSummary> columns;
    };

    ~FakeColumnChoiceDialog() override;
    std::optional<qsizetype> choose(const QString& fileName,
                                    const QList<SheetColumnSummary>& columns) override
    {
        hook(u"choose");
        asked.append(Asked{fileName, columns});
        return answers.isEmpty() ? std::nullopt : answers.takeFirst();
    }

    std::optional<QList<qsizetype>> chooseSeveral(const QString& title, const QString& question,
                                                  const QStringList& columns,
                                                  const QList<qsizetype>& ticked) override
    {
        hook(u"chooseSeveral");
        askedSeveral.append(AskedSeveral{title, question, columns, ticked});
        return severalAnswers.isEmpty() ? std::nullopt : severalAnswers.takeFirst();
    }

    struct AskedSeveral
    {
        QString title;
        QString question;
        QStringList columns;
        QList<qsizetype> ticked;
    };
    // The places ticked at each OK in turn, or nothing for Cancel; with none left the user
    // cancels.
    QList<std::optional<QList<qsizetype>>> severalAnswers;
    QList<AskedSeveral> askedSeveral;

    // The user's answers in turn: an index into the columns shown, or nothing for Cancel; with
    // none left the user cancels.
    QList<std::optional<qsizetype>> answers;
    QList<Asked> asked;
    FakeHook hook{"FakeColumnChoiceDialog", {u"choose", u"chooseSeveral"}};
};
