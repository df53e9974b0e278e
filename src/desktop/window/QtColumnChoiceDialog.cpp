#include "desktop/window/QtColumnChoiceDialog.h"

#include "desktop/system/QtEventLoop.h"
#include "desktop/window/DialogParent.h"

#include <QDialog>
#include <QDialogButtonBox>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QTreeWidget>
#include <QVBoxLayout>

QtColumnChoiceDialog::QtColumnChoiceDialog(QWidget& window, QtEventLoop& loop)
    : m_window(window)
    , m_loop(loop)
{}

std::optional<qsizetype> QtColumnChoiceDialog::choose(const QString& fileName,
                                                      const QList<SheetColumnSummary>& columns)
{
    m_loop.throwIfEnding();
    QDialog dialog(DialogParent(m_window));
    dialog.setObjectName(QStringLiteral("ColumnChoiceDialog"));
    dialog.setWindowTitle(tr("Code Column"));

    auto* const question = new QLabel(&dialog);
    // The file's name is the user's, the sheet's the file's: plain, never taken for HTML.
    question->setTextFormat(Qt::PlainText);
    question->setText(tr("Which column of %1 holds the codes?").arg(fileName));
    question->setWordWrap(true);
    auto* const list = new QTreeWidget(&dialog);
    list->setObjectName(QStringLiteral("ColumnList"));
    list->setAccessibleName(tr("Columns"));
    list->setRootIsDecorated(false);
    //: Columns of the list: the column's letter (A, B, ...), its first row's text, and the first
    //: values under it.
    list->setHeaderLabels({tr("Column"), tr("Header"), tr("First values")});
    for (const SheetColumnSummary& column : columns)
        new QTreeWidgetItem(
            list, {column.letter, column.header, column.firstValues.join(QStringLiteral(", "))});
    list->header()->setSectionResizeMode(QHeaderView::ResizeToContents);
    list->setCurrentItem(list->topLevelItem(0));
    question->setBuddy(list);

    auto* const buttons =
        new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, &dialog);
    QObject::connect(buttons, &QDialogButtonBox::accepted, &dialog, &QDialog::accept);
    QObject::connect(buttons, &QDialogButtonBox::rejected, &dialog, &QDialog::reject);
    QObject::connect(list, &QTreeWidget::itemDoubleClicked, &dialog, &QDialog::accept);

    auto* const layout = new QVBoxLayout(&dialog);
    layout->addWidget(question);
    layout->addWidget(list);
    layout->addWidget(buttons);
    dialog.resize(520, 320);
    list->setFocus();

    const int result = dialog.exec();
    m_loop.throwIfEnding();
    const int chosen = list->indexOfTopLevelItem(list->currentItem());
    if (result != QDialog::Accepted || chosen < 0)
        return std::nullopt;
    return chosen;
}

std::optional<QList<qsizetype>> QtColumnChoiceDialog::chooseSeveral(const QString& title,
                                                                    const QString& question,
                                                                    const QStringList& columns,
                                                                    const QList<qsizetype>& ticked)
{
    m_loop.throwIfEnding();
    QDialog dialog(DialogParent(m_window));
    dialog.setObjectName(QStringLiteral("ColumnsChoiceDialog"));
    dialog.setWindowTitle(title);

    auto* const label = new QLabel(question, &dialog);
    label->setTextFormat(Qt::PlainText);
    label->setWordWrap(true);
    auto* const list = new QTreeWidget(&dialog);
    list->setObjectName(QStringLiteral("ColumnList"));
    list->setAccessibleName(tr("Columns"));
    list->setRootIsDecorated(false);
    list->setHeaderHidden(true);
    for (qsizetype c = 0; c < columns.size(); ++c) {
        auto* const item = new QTreeWidgetItem(list, {columns[c]});
        item->setFlags(item->flags() | Qt::ItemIsUserCheckable);
        item->setCheckState(0, ticked.contains(c) ? Qt::Checked : Qt::Unchecked);
    }
    list->setCurrentItem(list->topLevelItem(0));
    label->setBuddy(list);

    auto* const buttons =
        new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, &dialog);
    const auto places = [list] {
        QList<qsizetype> chosen;
        for (int c = 0; c < list->topLevelItemCount(); ++c) {
            if (list->topLevelItem(c)->checkState(0) == Qt::Checked)
                chosen.append(c);
        }
        return chosen;
    };
    // A file of no columns would be a file of empty lines.
    const auto allowOk = [buttons, places] {
        buttons->button(QDialogButtonBox::Ok)->setEnabled(!places().isEmpty());
    };
    QObject::connect(list, &QTreeWidget::itemChanged, &dialog, allowOk);
    allowOk();
    QObject::connect(buttons, &QDialogButtonBox::accepted, &dialog, &QDialog::accept);
    QObject::connect(buttons, &QDialogButtonBox::rejected, &dialog, &QDialog::reject);

    auto* const layout = new QVBoxLayout(&dialog);
    layout->addWidget(label);
    layout->addWidget(list);
    layout->addWidget(buttons);
    dialog.resize(320, 400);
    list->setFocus();

    const int result = dialog.exec();
    m_loop.throwIfEnding();
    const QList<qsizetype> chosen = places();
    if (result != QDialog::Accepted || chosen.isEmpty())
        return std::nullopt;
    return chosen;
}
