#pragma once

#include "platform/ColumnChoiceDialog.h"

#include <QCoreApplication>

class QtEventLoop;
class QWidget;

// Asks over the main window which column holds the codes: one line per column with its letter,
// header and first values; OK or a double-click takes the current line. Asks which columns go
// into a file: one line per column with a tick box; OK only while one is ticked.
class QtColumnChoiceDialog final : public ColumnChoiceDialog
{
    Q_DECLARE_TR_FUNCTIONS(QtColumnChoiceDialog)
public:
    QtColumnChoiceDialog(QWidget& window, QtEventLoop& loop);
    std::optional<qsizetype> choose(const QString& fileName,
                                    const QList<SheetColumnSummary>& columns) override;
    std::optional<QList<qsizetype>> chooseSeveral(const QString& title, const QString& question,
                                                  const QStringList& columns,
                                                  const QList<qsizetype>& ticked) override;

private:
    QWidget& m_window;
    QtEventLoop& m_loop;
};
