#pragma once

#include "platform/LabelsDialog.h"

#include <QCoreApplication>

class QtEventLoop;
class QWidget;

// The Print Labels dialog over the main window: the layout, what goes on each label, where the
// codes come from and how many of each, the first free place on the sheet, and the first page as
// it will print, drawn again on every change.
class QtLabelsDialog final : public LabelsDialog
{
    Q_DECLARE_TR_FUNCTIONS(QtLabelsDialog)
public:
    QtLabelsDialog(QWidget& window, QtEventLoop& loop);
    std::optional<LabelsChoice> ask(const LabelsDialogState& initial,
                                    const LabelsDialogOffer& offer,
                                    const Preview& preview) override;

    // The preview's size on the screen.
    static constexpr int kPreviewWidth = 360;
    static constexpr int kPreviewHeight = 480;

private:
    QWidget& m_window;
    QtEventLoop& m_loop;
};
