#pragma once

#include "platform/ShopColumnsDialog.h"

#include <QCoreApplication>

class QtEventLoop;
class QWidget;

// Asks over the main window which of a spreadsheet's columns is the price, the SKU and the stock:
// a list to choose from for each, "(none)" first, then every column by its letter and header.
class QtShopColumnsDialog final : public ShopColumnsDialog
{
    Q_DECLARE_TR_FUNCTIONS(QtShopColumnsDialog)
public:
    QtShopColumnsDialog(QWidget& window, QtEventLoop& loop);
    std::optional<ShopColumnChoice> choose(const QString& fileName,
                                           const QList<SheetColumnSummary>& columns,
                                           const ShopColumnChoice& suggested) override;

private:
    QWidget& m_window;
    QtEventLoop& m_loop;
};
