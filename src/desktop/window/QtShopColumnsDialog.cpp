#include "desktop/window/QtShopColumnsDialog.h"

#include "desktop/system/QtEventLoop.h"
#include "desktop/window/DialogParent.h"

#include <QComboBox>
#include <QDialog>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QLabel>
#include <QVBoxLayout>

QtShopColumnsDialog::QtShopColumnsDialog(QWidget& window, QtEventLoop& loop)
    : m_window(window)
    , m_loop(loop)
{}

std::optional<ShopColumnChoice>
QtShopColumnsDialog::choose(const QString& fileName, const QList<SheetColumnSummary>& columns,
                            const ShopColumnChoice& suggested)
{
    m_loop.throwIfEnding();
    QDialog dialog(DialogParent(m_window));
    dialog.setObjectName(QStringLiteral("ShopColumnsDialog"));
    dialog.setWindowTitle(tr("Your Columns"));

    auto* const intro = new QLabel(&dialog);
    // The file's name is the user's, the headers the file's: plain, never taken for HTML.
    intro->setTextFormat(Qt::PlainText);
    intro->setWordWrap(true);
    //: %1 is a spreadsheet's file name.
    intro->setText(tr("The shop's file takes these from %1.").arg(fileName));

    QStringList choices{tr("(none)")};
    for (const SheetColumnSummary& column : columns)
        choices.append(column.header.isEmpty()
                           ? column.letter
                           : QStringLiteral("%1: %2").arg(column.letter, column.header));
    const auto makeList = [&](const QString& name, qsizetype chosen) {
        auto* const list = new QComboBox(&dialog);
        list->setObjectName(name);
        list->addItems(choices);
        list->setCurrentIndex(chosen >= 0 && chosen < columns.size() ? int(chosen) + 1 : 0);
        return list;
    };
    QComboBox* const price = makeList(QStringLiteral("PriceColumn"), suggested.price);
    QComboBox* const sku = makeList(QStringLiteral("SkuColumn"), suggested.sku);
    QComboBox* const stock = makeList(QStringLiteral("StockColumn"), suggested.stock);
    auto* const form = new QFormLayout;
    form->addRow(tr("Which of your columns is the price?"), price);
    form->addRow(tr("Which is your SKU (your own article number)?"), sku);
    form->addRow(tr("Which is the stock?"), stock);
    for (QComboBox* const list : {price, sku, stock}) {
        if (auto* const label = qobject_cast<QLabel*>(form->labelForField(list))) {
            label->setTextFormat(Qt::PlainText);
            list->setAccessibleName(label->text());
        }
    }

    auto* const buttons =
        new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, &dialog);
    QObject::connect(buttons, &QDialogButtonBox::accepted, &dialog, &QDialog::accept);
    QObject::connect(buttons, &QDialogButtonBox::rejected, &dialog, &QDialog::reject);

    auto* const layout = new QVBoxLayout(&dialog);
    layout->addWidget(intro);
    layout->addLayout(form);
    layout->addWidget(buttons);
    price->setFocus();

    const int result = dialog.exec();
    m_loop.throwIfEnding();
    if (result != QDialog::Accepted)
        return std::nullopt;
    return ShopColumnChoice{price->currentIndex() - 1, sku->currentIndex() - 1,
                            stock->currentIndex() - 1};
}
