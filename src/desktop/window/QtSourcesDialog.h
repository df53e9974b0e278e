#pragma once

#include "platform/SourcesDialog.h"

#include <QCoreApplication>

class QtEventLoop;
class QWidget;

// The Sources dialog over the main window: a list of ticked sources that can be put in order
// (with the buttons, or Ctrl+Up and Ctrl+Down in the list), the page service's address, and a
// line for what is wrong with them.
class QtSourcesDialog final : public SourcesDialog
{
    Q_DECLARE_TR_FUNCTIONS(QtSourcesDialog)
public:
    QtSourcesDialog(QWidget& window, QtEventLoop& loop);
    std::optional<SourcesDialogState> ask(const SourcesDialogState& initial, const QString& note,
                                          const Check& check) override;

private:
    QWidget& m_window;
    QtEventLoop& m_loop;
};
