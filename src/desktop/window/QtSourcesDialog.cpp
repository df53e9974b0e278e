#include "desktop/window/QtSourcesDialog.h"

#include "desktop/system/QtEventLoop.h"
#include "desktop/window/DialogParent.h"

#include <QDialog>
#include <QDialogButtonBox>
#include <QGridLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>

namespace {
constexpr int kNameRole = Qt::UserRole;

// Moves the current row of the list up (-1) or down (+1), tick and all, and keeps it current.
void MoveCurrentRow(QListWidget& list, int by)
{
    const int from = list.currentRow();
    const int to = from + by;
    if (from < 0 || to < 0 || to >= list.count())
        return;
    QListWidgetItem* const item = list.takeItem(from);
    list.insertItem(to, item);
    list.setCurrentRow(to);
}

// Ctrl+Up and Ctrl+Down in the list move the current source, as the buttons do.
class ReorderKeys final : public QObject
{
public:
    explicit ReorderKeys(QListWidget& list)
        : QObject(&list)
        , m_list(list)
    {}

protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (event->type() == QEvent::KeyPress) {
            const auto* const key = static_cast<QKeyEvent*>(event);
            if (key->modifiers() == Qt::ControlModifier &&
                (key->key() == Qt::Key_Up || key->key() == Qt::Key_Down)) {
                MoveCurrentRow(m_list, key->key() == Qt::Key_Up ? -1 : 1);
                return true;
            }
        }
        return QObject::eventFilter(watched, event);
    }

private:
    QListWidget& m_list;
};

SourcesDialogState StateOf(const QListWidget& list, const QLineEdit& address)
{
    SourcesDialogState state;
    for (int i = 0; i < list.count(); ++i) {
        const QListWidgetItem* const item = list.item(i);
        state.rows.append(SourceRow{item->data(kNameRole).toString(), item->text(),
                                    item->checkState() == Qt::Checked});
    }
    state.serviceUrl = address.text().trimmed();
    return state;
}
} // namespace

QtSourcesDialog::QtSourcesDialog(QWidget& window, QtEventLoop& loop)
    : m_window(window)
    , m_loop(loop)
{}

std::optional<SourcesDialogState> QtSourcesDialog::ask(const SourcesDialogState& initial,
                                                       const QString& note, const Check& check)
{
    m_loop.throwIfEnding();
    QDialog dialog(DialogParent(m_window));
    dialog.setObjectName(QStringLiteral("SourcesDialog"));
    dialog.setWindowTitle(QStringLiteral("Sources"));

    auto* const listLabel =
        new QLabel(QStringLiteral("&Ask these sources, from the top down:"), &dialog);
    auto* const list = new QListWidget(&dialog);
    list->setObjectName(QStringLiteral("SourceList"));
    list->setAccessibleName(QStringLiteral("Sources"));
    list->setToolTip(QStringLiteral("Space ticks or unticks; Ctrl+Up and Ctrl+Down move."));
    listLabel->setBuddy(list);
    for (const SourceRow& row : initial.rows) {
        auto* const item = new QListWidgetItem(row.displayName, list);
        item->setData(kNameRole, row.name);
        item->setFlags(Qt::ItemIsEnabled | Qt::ItemIsSelectable | Qt::ItemIsUserCheckable);
        item->setCheckState(row.ticked ? Qt::Checked : Qt::Unchecked);
    }
    list->setCurrentRow(0);
    list->installEventFilter(new ReorderKeys(*list));

    auto* const up = new QPushButton(QStringLiteral("Move &Up"), &dialog);
    up->setObjectName(QStringLiteral("MoveUp"));
    up->setAutoDefault(false);
    auto* const down = new QPushButton(QStringLiteral("Move &Down"), &dialog);
    down->setObjectName(QStringLiteral("MoveDown"));
    down->setAutoDefault(false);
    QObject::connect(up, &QPushButton::clicked, list, [list] { MoveCurrentRow(*list, -1); });
    QObject::connect(down, &QPushButton::clicked, list, [list] { MoveCurrentRow(*list, 1); });

    auto* const addressLabel = new QLabel(QStringLiteral("&Page service address:"), &dialog);
    auto* const address = new QLineEdit(initial.serviceUrl, &dialog);
    address->setObjectName(QStringLiteral("ServiceUrl"));
    address->setAccessibleName(QStringLiteral("Page service address"));
    address->setPlaceholderText(QStringLiteral("http://lookup.example.net:8080"));
    addressLabel->setBuddy(address);

    // The note and the problem quote addresses as they were typed or given: plain text.
    auto* const noteLabel = new QLabel(&dialog);
    noteLabel->setTextFormat(Qt::PlainText);
    noteLabel->setText(note);
    noteLabel->setObjectName(QStringLiteral("Note"));
    noteLabel->setWordWrap(true);
    noteLabel->setVisible(!note.isEmpty());
    auto* const problem = new QLabel(&dialog);
    problem->setTextFormat(Qt::PlainText);
    problem->setObjectName(QStringLiteral("Problem"));
    problem->setWordWrap(true);
    problem->setStyleSheet(QStringLiteral("color: #b00000; font-weight: bold"));
    problem->hide();

    auto* const buttons =
        new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, &dialog);
    std::optional<SourcesDialogState> chosen;
    QObject::connect(buttons, &QDialogButtonBox::rejected, &dialog, &QDialog::reject);
    QObject::connect(buttons, &QDialogButtonBox::accepted, &dialog, [&] {
        const SourcesDialogState state = StateOf(*list, *address);
        const QString wrong = check ? check(state) : QString();
        if (!wrong.isEmpty()) {
            // The dialog stays open with what the user typed, and says what to change.
            problem->setText(wrong);
            problem->setAccessibleName(wrong);
            problem->show();
            return;
        }
        chosen = state;
        dialog.accept();
    });

    auto* const grid = new QGridLayout(&dialog);
    grid->addWidget(listLabel, 0, 0, 1, 2);
    grid->addWidget(list, 1, 0, 3, 1);
    grid->addWidget(up, 1, 1);
    grid->addWidget(down, 2, 1);
    grid->setRowStretch(3, 1);
    grid->addWidget(addressLabel, 4, 0, 1, 2);
    grid->addWidget(address, 5, 0, 1, 2);
    grid->addWidget(noteLabel, 6, 0, 1, 2);
    grid->addWidget(problem, 7, 0, 1, 2);
    grid->addWidget(buttons, 8, 0, 1, 2);
    dialog.resize(440, dialog.sizeHint().height());
    list->setFocus();

    dialog.exec();
    m_loop.throwIfEnding();
    return chosen;
}
