#include "desktop/window/QtSourcesDialog.h"

#include "desktop/system/QtEventLoop.h"
#include "desktop/window/DialogParent.h"

#include <QCheckBox>
#include <QCoreApplication>
#include <QDialog>
#include <QDialogButtonBox>
#include <QFileDialog>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QInputDialog>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMessageBox>
#include <QPlainTextEdit>
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

// A message about a source, in plain text: it may quote what a service or a file said.
void Tell(QWidget& parent, const QString& text)
{
    if (text.isEmpty())
        return;
    QMessageBox box(QMessageBox::Information,
                    QCoreApplication::translate("QtSourcesDialog", "Sources"), text,
                    QMessageBox::Ok, &parent);
    box.setTextFormat(Qt::PlainText);
    box.exec();
}

// What was read from a test answer beside the answer itself, both as plain text.
void ShowTest(QWidget& parent, const std::pair<QString, QString>& result)
{
    QDialog shown(&parent);
    //: The title of what a test lookup of a source read (the noun).
    shown.setWindowTitle(QCoreApplication::translate("QtSourcesDialog", "Test"));
    auto* const layout = new QGridLayout(&shown);
    const QStringList titles{
        QCoreApplication::translate("QtSourcesDialog", "Read from the answer:"),
        QCoreApplication::translate("QtSourcesDialog", "The answer:")};
    const QStringList texts{result.first, result.second};
    for (int i = 0; i < 2; ++i) {
        auto* const label = new QLabel(titles[i], &shown);
        auto* const text = new QPlainTextEdit(&shown);
        text->setReadOnly(true);
        text->setPlainText(texts[i]);
        text->setAccessibleName(titles[i]);
        label->setBuddy(text);
        layout->addWidget(label, 0, i);
        layout->addWidget(text, 1, i);
    }
    auto* const close = new QDialogButtonBox(QDialogButtonBox::Close, &shown);
    QObject::connect(close, &QDialogButtonBox::rejected, &shown, &QDialog::reject);
    layout->addWidget(close, 2, 0, 1, 2);
    shown.resize(800, 500);
    shown.exec();
}

SourcesDialogState StateOf(const QListWidget& list, const QLineEdit& address,
                           const QCheckBox& fillGaps)
{
    SourcesDialogState state;
    for (int i = 0; i < list.count(); ++i) {
        const QListWidgetItem* const item = list.item(i);
        state.rows.append(SourceRow{item->data(kNameRole).toString(), item->text(),
                                    item->checkState() == Qt::Checked});
    }
    state.serviceUrl = address.text().trimmed();
    state.fillGaps = fillGaps.isChecked();
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
    dialog.setWindowTitle(tr("Sources"));

    auto* const listLabel = new QLabel(tr("&Ask these sources, from the top down:"), &dialog);
    auto* const list = new QListWidget(&dialog);
    list->setObjectName(QStringLiteral("SourceList"));
    list->setAccessibleName(tr("Sources"));
    list->setToolTip(tr("Space ticks or unticks; Ctrl+Up and Ctrl+Down move."));
    listLabel->setBuddy(list);
    for (const SourceRow& row : initial.rows) {
        auto* const item = new QListWidgetItem(row.displayName, list);
        item->setData(kNameRole, row.name);
        item->setFlags(Qt::ItemIsEnabled | Qt::ItemIsSelectable | Qt::ItemIsUserCheckable);
        item->setCheckState(row.ticked ? Qt::Checked : Qt::Unchecked);
    }
    list->setCurrentRow(0);
    list->installEventFilter(new ReorderKeys(*list));

    auto* const up = new QPushButton(tr("Move &Up"), &dialog);
    up->setObjectName(QStringLiteral("MoveUp"));
    up->setAutoDefault(false);
    auto* const down = new QPushButton(tr("Move &Down"), &dialog);
    down->setObjectName(QStringLiteral("MoveDown"));
    down->setAutoDefault(false);
    QObject::connect(up, &QPushButton::clicked, list, [list] { MoveCurrentRow(*list, -1); });
    QObject::connect(down, &QPushButton::clicked, list, [list] { MoveCurrentRow(*list, 1); });

    // The source buttons, when the window gave them something to do.
    auto* const sourceButtons = new QHBoxLayout;
    const auto button = [&](const QString& caption, const QString& objectName, auto action) {
        auto* const made = new QPushButton(caption, &dialog);
        made->setObjectName(objectName);
        made->setAutoDefault(false);
        QObject::connect(made, &QPushButton::clicked, &dialog, action);
        sourceButtons->addWidget(made);
    };
    const auto current = [list] {
        const QListWidgetItem* const item = list->currentItem();
        return item ? item->data(kNameRole).toString() : QString();
    };
    const SourceActions& actions = m_actions;
    if (actions.addFile) {
        button(tr("&Add a Source..."), QStringLiteral("AddSource"), [&, list] {
            QStringList choices;
            QList<QListWidgetItem*> unticked;
            for (int i = 0; i < list->count(); ++i) {
                if (list->item(i)->checkState() == Qt::Unchecked) {
                    choices.append(list->item(i)->text());
                    unticked.append(list->item(i));
                }
            }
            const QString fromFile = tr("From a file...");
            choices.append(fromFile);
            QInputDialog ask(&dialog);
            ask.setObjectName(QStringLiteral("AddSourceChoice"));
            ask.setWindowTitle(tr("Add a Source"));
            ask.setLabelText(
                tr("Tick one of the sources Quillfen comes with, or choose \"From a file...\" to "
                   "add a source described in a file of your own. A file's path may also be "
                   "typed here."));
            ask.setComboBoxItems(choices);
            ask.setComboBoxEditable(true);
            ask.setTextValue(choices.constFirst());
            if (ask.exec() != QDialog::Accepted)
                return;
            const QString chosen = ask.textValue().trimmed();
            QString path;
            if (chosen == fromFile) {
                path = QFileDialog::getOpenFileName(
                    &dialog, tr("Add a Source"), {},
                    //: Two filters of a file dialog, separated by ;; (keep it); %1 and %2 are the
                    //: file patterns they show.
                    tr("Source files (%1);;All files (%2)")
                        .arg(QStringLiteral("*.json"), QStringLiteral("*")));
            } else if (const qsizetype at = choices.indexOf(chosen); at >= 0) {
                QListWidgetItem* const item = unticked.value(at);
                item->setCheckState(Qt::Checked);
                list->setCurrentItem(item);
                return;
            } else {
                // Anything else typed is a file's path, never a source's name: a name that is
                // no item would otherwise tick nothing, or the item it happens to start like.
                path = chosen;
            }
            if (path.isEmpty())
                return;
            const SourceAdded added = actions.addFile(path);
            Tell(dialog, added.message);
            if (!added.row)
                return;
            const SourceRow& row = *added.row;
            QListWidgetItem* item = nullptr;
            for (int i = 0; i < list->count() && !item; ++i)
                if (list->item(i)->data(kNameRole).toString() == row.name)
                    item = list->item(i);
            if (!item) {
                item = new QListWidgetItem(list);
                item->setData(kNameRole, row.name);
                item->setFlags(Qt::ItemIsEnabled | Qt::ItemIsSelectable | Qt::ItemIsUserCheckable);
            }
            item->setText(row.displayName);
            item->setCheckState(Qt::Checked);
            list->setCurrentItem(item);
        });
    }
    if (actions.setKey) {
        button(tr("Set &Key..."), QStringLiteral("SetKey"), [&] {
            const QString name = current();
            if (name.isEmpty())
                return;
            bool ok = false;
            const QString key = QInputDialog::getText(
                &dialog, tr("Set Key"), tr("The key for %1:").arg(list->currentItem()->text()),
                QLineEdit::Password, {}, &ok);
            if (ok && !name.isEmpty())
                Tell(dialog, actions.setKey(name, key));
        });
    }
    if (actions.forgetKey)
        button(tr("&Forget Key"), QStringLiteral("ForgetKey"), [&] {
            if (const QString name = current(); !name.isEmpty())
                Tell(dialog, actions.forgetKey(name));
        });
    if (actions.test) {
        button(tr("&Test..."), QStringLiteral("TestSource"), [&] {
            const QString name = current();
            bool ok = false;
            const QString code = QInputDialog::getText(&dialog, tr("Test"), tr("Code to look up:"),
                                                       QLineEdit::Normal, {}, &ok);
            if (ok && !name.isEmpty() && !code.trimmed().isEmpty())
                ShowTest(dialog, actions.test(name, code.trimmed()));
        });
    }

    auto* const addressLabel = new QLabel(tr("&Page service address:"), &dialog);
    auto* const address = new QLineEdit(initial.serviceUrl, &dialog);
    address->setObjectName(QStringLiteral("ServiceUrl"));
    address->setAccessibleName(tr("Page service address"));
    address->setPlaceholderText(QStringLiteral("http://lookup.example.net:8080"));
    addressLabel->setBuddy(address);

    auto* const fillGaps = new QCheckBox(tr("Fill the &gaps from the next sources"), &dialog);
    fillGaps->setObjectName(QStringLiteral("FillGaps"));
    fillGaps->setToolTip(tr("A found product without a brand, a quantity or a picture is "
                            "completed from the next sources that know the code."));
    fillGaps->setChecked(initial.fillGaps);

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
        const SourcesDialogState state = StateOf(*list, *address, *fillGaps);
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
    grid->addWidget(fillGaps, 6, 0, 1, 2);
    grid->addWidget(noteLabel, 7, 0, 1, 2);
    grid->addWidget(problem, 8, 0, 1, 2);
    grid->addLayout(sourceButtons, 9, 0, 1, 2);
    grid->addWidget(buttons, 10, 0, 1, 2);
    dialog.resize(440, dialog.sizeHint().height());
    list->setFocus();

    dialog.exec();
    m_loop.throwIfEnding();
    return chosen;
}
