#include "desktop/window/QtLabelsDialog.h"

#include "desktop/labels/LabelPainter.h"
#include "desktop/system/QtEventLoop.h"
#include "desktop/window/DialogParent.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QComboBox>
#include <QDialog>
#include <QDialogButtonBox>
#include <QFileDialog>
#include <QFileInfo>
#include <QFormLayout>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QLocale>
#include <QPushButton>
#include <QRadioButton>
#include <QSpinBox>
#include <QVBoxLayout>

namespace {
constexpr QStringView kNoColumn = u"-";

// A combo box of a sheet's columns, "none" first; its items' data are the columns' letters.
void FillColumns(QComboBox& box, const LabelsPreview& shown, const QString& current)
{
    const QSignalBlocker quiet(&box);
    box.clear();
    box.addItem(QCoreApplication::translate("QtLabelsDialog", "(none)"), kNoColumn.toString());
    for (qsizetype i = 0; i < shown.sheetColumns.size(); ++i)
        box.addItem(shown.sheetColumns[i], shown.sheetColumnLetters.value(i));
    box.setCurrentIndex(std::max(0, box.findData(current)));
}
} // namespace

QtLabelsDialog::QtLabelsDialog(QWidget& window, QtEventLoop& loop)
    : m_window(window)
    , m_loop(loop)
{}

std::optional<LabelsChoice> QtLabelsDialog::ask(const LabelsDialogState& initial,
                                                const LabelsDialogOffer& offer,
                                                const Preview& preview)
{
    m_loop.throwIfEnding();
    QDialog dialog(DialogParent(m_window));
    dialog.setObjectName(QStringLiteral("LabelsDialog"));
    dialog.setWindowTitle(tr("Print Labels"));
    LabelsDialogState state = initial;

    // The layout.
    auto* const layoutBox = new QComboBox(&dialog);
    layoutBox->setObjectName(QStringLiteral("Layout"));
    layoutBox->setAccessibleName(tr("Layout"));
    for (const LabelsDialogLayout& layout : offer.layouts)
        layoutBox->addItem(layout.text, layout.name);
    layoutBox->setCurrentIndex(std::max(0, layoutBox->findData(state.layout)));
    auto* const layoutLabel = new QLabel(tr("&Layout:"), &dialog);
    layoutLabel->setBuddy(layoutBox);

    // What goes on each label.
    auto* const content = new QGroupBox(tr("On each label"), &dialog);
    const auto tick = [&](const QString& caption, const QString& name, bool on) {
        auto* const box = new QCheckBox(caption, content);
        box->setObjectName(name);
        box->setChecked(on);
        return box;
    };
    QCheckBox* const barcode = tick(tr("&Barcode"), QStringLiteral("Barcode"), state.barcode);
    QCheckBox* const digits =
        tick(tr("The code in &digits"), QStringLiteral("Digits"), state.digits);
    QCheckBox* const name = tick(tr("&Name"), QStringLiteral("Name"), state.name);
    QCheckBox* const price = tick(tr("&Price"), QStringLiteral("Price"), state.price);
    QCheckBox* const ownText = tick(tr("Your &text:"), QStringLiteral("OwnText"), state.ownText);
    auto* const text = new QLineEdit(state.text, content);
    text->setObjectName(QStringLiteral("Text"));
    text->setAccessibleName(tr("Your text"));
    text->setMaxLength(200);
    auto* const currency = new QLineEdit(state.currency, content);
    currency->setObjectName(QStringLiteral("Currency"));
    currency->setAccessibleName(tr("Currency symbol"));
    currency->setMaxLength(8);
    currency->setPlaceholderText(QStringLiteral("€"));
    auto* const currencyLabel = new QLabel(tr("Currenc&y:"), content);
    currencyLabel->setBuddy(currency);
    auto* const contentGrid = new QGridLayout(content);
    contentGrid->addWidget(barcode, 0, 0);
    contentGrid->addWidget(digits, 0, 1);
    contentGrid->addWidget(name, 1, 0);
    contentGrid->addWidget(price, 1, 1);
    contentGrid->addWidget(currencyLabel, 2, 0);
    contentGrid->addWidget(currency, 2, 1);
    contentGrid->addWidget(ownText, 3, 0);
    contentGrid->addWidget(text, 3, 1);

    // Where the codes come from.
    auto* const codes = new QGroupBox(tr("Codes"), &dialog);
    auto* const fromList = new QRadioButton(
        offer.codeListCount == 1 ? tr("The &code list (1 code)", nullptr, 1)
                                 : tr("The &code list (%1 codes)", nullptr, offer.codeListCount)
                                       .arg(QLocale().toString(offer.codeListCount)),
        codes);
    fromList->setObjectName(QStringLiteral("FromCodeList"));
    auto* const fromScans = new QRadioButton(
        offer.scanCount == 1 ? tr("The sc&an session (1 code)", nullptr, 1)
                             : tr("The sc&an session (%1 codes)", nullptr, offer.scanCount)
                                   .arg(QLocale().toString(offer.scanCount)),
        codes);
    fromScans->setObjectName(QStringLiteral("FromScanSession"));
    fromScans->setEnabled(offer.scanCount > 0);
    auto* const fromSheet = new QRadioButton(tr("A &spreadsheet:"), codes);
    fromSheet->setObjectName(QStringLiteral("FromSheet"));
    auto* const sheetName = new QLabel(codes);
    sheetName->setTextFormat(Qt::PlainText);
    sheetName->setObjectName(QStringLiteral("SheetName"));
    auto* const chooseSheet = new QPushButton(tr("C&hoose\u2026"), codes);
    chooseSheet->setObjectName(QStringLiteral("ChooseSheet"));
    chooseSheet->setAutoDefault(false);
    auto* const nameColumn = new QComboBox(codes);
    nameColumn->setObjectName(QStringLiteral("NameColumn"));
    nameColumn->setAccessibleName(tr("Names from the column"));
    auto* const priceColumn = new QComboBox(codes);
    priceColumn->setObjectName(QStringLiteral("PriceColumn"));
    priceColumn->setAccessibleName(tr("Prices from the column"));
    auto* const codesGroup = new QButtonGroup(&dialog);
    codesGroup->addButton(fromList, int(LabelCodesFrom::CodeList));
    codesGroup->addButton(fromScans, int(LabelCodesFrom::ScanSession));
    codesGroup->addButton(fromSheet, int(LabelCodesFrom::Sheet));
    codesGroup->button(int(state.codesFrom))->setChecked(true);
    auto* const codesGrid = new QGridLayout(codes);
    codesGrid->addWidget(fromList, 0, 0, 1, 3);
    codesGrid->addWidget(fromScans, 1, 0, 1, 3);
    codesGrid->addWidget(fromSheet, 2, 0);
    codesGrid->addWidget(sheetName, 2, 1);
    codesGrid->addWidget(chooseSheet, 2, 2);
    auto* const nameColumnLabel = new QLabel(tr("Na&mes from:"), codes);
    nameColumnLabel->setBuddy(nameColumn);
    auto* const priceColumnLabel = new QLabel(tr("Pr&ices from:"), codes);
    priceColumnLabel->setBuddy(priceColumn);
    codesGrid->addWidget(nameColumnLabel, 3, 0);
    codesGrid->addWidget(nameColumn, 3, 1, 1, 2);
    codesGrid->addWidget(priceColumnLabel, 4, 0);
    codesGrid->addWidget(priceColumn, 4, 1, 1, 2);

    // How many of each.
    auto* const copies = new QGroupBox(tr("How many of each"), &dialog);
    auto* const oneEach = new QRadioButton(tr("&One"), copies);
    oneEach->setObjectName(QStringLiteral("CopiesOne"));
    auto* const scanCount = new QRadioButton(tr("Th&e scan count"), copies);
    scanCount->setObjectName(QStringLiteral("CopiesScanCount"));
    auto* const fromColumn = new QRadioButton(tr("&From the column:"), copies);
    fromColumn->setObjectName(QStringLiteral("CopiesFromColumn"));
    auto* const copiesColumn = new QComboBox(copies);
    copiesColumn->setObjectName(QStringLiteral("CopiesColumn"));
    copiesColumn->setAccessibleName(tr("Copies from the column"));
    auto* const copiesGroup = new QButtonGroup(&dialog);
    copiesGroup->addButton(oneEach, int(LabelCopiesFrom::One));
    copiesGroup->addButton(scanCount, int(LabelCopiesFrom::ScanCount));
    copiesGroup->addButton(fromColumn, int(LabelCopiesFrom::SheetColumn));
    copiesGroup->button(int(state.copiesFrom))->setChecked(true);
    auto* const copiesGrid = new QGridLayout(copies);
    copiesGrid->addWidget(oneEach, 0, 0, 1, 2);
    copiesGrid->addWidget(scanCount, 1, 0, 1, 2);
    copiesGrid->addWidget(fromColumn, 2, 0);
    copiesGrid->addWidget(copiesColumn, 2, 1);

    // The first free place on the sheet.
    auto* const start = new QGroupBox(tr("First free label on the sheet"), &dialog);
    auto* const startRow = new QSpinBox(start);
    startRow->setObjectName(QStringLiteral("StartRow"));
    startRow->setAccessibleName(tr("Row"));
    auto* const startColumn = new QSpinBox(start);
    startColumn->setObjectName(QStringLiteral("StartColumn"));
    startColumn->setAccessibleName(tr("Column"));
    auto* const startForm = new QFormLayout(start);
    startForm->addRow(tr("Ro&w:"), startRow);
    startForm->addRow(tr("Col&umn:"), startColumn);

    // The preview and what it says.
    auto* const picture = new QLabel(&dialog);
    picture->setObjectName(QStringLiteral("Preview"));
    picture->setAccessibleName(tr("Preview of the first page"));
    picture->setFixedSize(kPreviewWidth, kPreviewHeight);
    picture->setAlignment(Qt::AlignCenter);
    auto* const summary = new QLabel(&dialog);
    summary->setObjectName(QStringLiteral("Summary"));
    summary->setTextFormat(Qt::PlainText);
    summary->setWordWrap(true);
    auto* const problems = new QLabel(&dialog);
    problems->setObjectName(QStringLiteral("Problems"));
    problems->setTextFormat(Qt::PlainText);
    problems->setWordWrap(true);
    problems->setStyleSheet(QStringLiteral("color: #b00000"));

    auto* const buttons = new QDialogButtonBox(QDialogButtonBox::Cancel, &dialog);
    auto* const print = buttons->addButton(tr("P&rint\u2026"), QDialogButtonBox::ActionRole);
    print->setObjectName(QStringLiteral("Print"));
    auto* const savePdf = buttons->addButton(tr("Sa&ve PDF\u2026"), QDialogButtonBox::ActionRole);
    savePdf->setObjectName(QStringLiteral("SavePdf"));
    QObject::connect(buttons, &QDialogButtonBox::rejected, &dialog, &QDialog::reject);

    // The state from the widgets, then the preview and the widgets that follow from it.
    bool updating = false;
    const auto refresh = [&] {
        if (updating)
            return;
        updating = true;
        state.layout = layoutBox->currentData().toString();
        state.barcode = barcode->isChecked();
        state.digits = digits->isChecked();
        state.name = name->isChecked();
        state.price = price->isChecked();
        state.ownText = ownText->isChecked();
        state.text = text->text();
        state.currency = currency->text();
        state.codesFrom = LabelCodesFrom(codesGroup->checkedId());
        state.copiesFrom = LabelCopiesFrom(copiesGroup->checkedId());
        if (state.copiesFrom == LabelCopiesFrom::ScanCount &&
            state.codesFrom != LabelCodesFrom::ScanSession)
            state.copiesFrom = LabelCopiesFrom::One;
        if (state.copiesFrom == LabelCopiesFrom::SheetColumn &&
            state.codesFrom != LabelCodesFrom::Sheet)
            state.copiesFrom = LabelCopiesFrom::One;
        copiesGroup->button(int(state.copiesFrom))->setChecked(true);
        const qsizetype chosenLayout = layoutBox->currentIndex();
        const LabelsDialogLayout layout = offer.layouts.value(chosenLayout);
        {
            const QSignalBlocker quietRow(startRow), quietColumn(startColumn);
            startRow->setRange(1, std::max(1, layout.rows));
            startColumn->setRange(1, std::max(1, layout.columns));
            startRow->setValue(std::clamp(state.startRow, 1, std::max(1, layout.rows)));
            startColumn->setValue(std::clamp(state.startColumn, 1, std::max(1, layout.columns)));
        }
        state.startRow = startRow->value();
        state.startColumn = startColumn->value();

        const LabelsPreview shown = preview(state);
        const QImage image =
            RenderLabelPreview(shown.paper, shown.firstPage, QSize(kPreviewWidth, kPreviewHeight));
        picture->setPixmap(QPixmap::fromImage(image));
        summary->setText(shown.summary);
        problems->setText(shown.problems);
        problems->setVisible(!shown.problems.isEmpty());
        print->setEnabled(shown.printable);
        savePdf->setEnabled(shown.printable);
        const bool sheet = state.codesFrom == LabelCodesFrom::Sheet;
        sheetName->setText(QFileInfo(state.sheetPath).fileName());
        for (QComboBox* box : {nameColumn, priceColumn, copiesColumn})
            box->setEnabled(sheet && !shown.sheetColumns.isEmpty());
        FillColumns(*nameColumn, shown, shown.nameColumn);
        FillColumns(*priceColumn, shown, shown.priceColumn);
        FillColumns(*copiesColumn, shown, shown.copiesColumn);
        scanCount->setEnabled(state.codesFrom == LabelCodesFrom::ScanSession);
        fromColumn->setEnabled(sheet && !shown.sheetColumns.isEmpty());
        digits->setEnabled(true);
        text->setEnabled(ownText->isChecked());
        updating = false;
    };
    // A column chosen by hand is kept as chosen.
    const auto columnChosen = [&](QComboBox* box, QString& into) {
        QObject::connect(box, &QComboBox::activated, &dialog, [&, box] {
            into = box->currentData().toString();
            if (box == copiesColumn)
                fromColumn->setChecked(true);
            refresh();
        });
    };
    columnChosen(nameColumn, state.nameColumn);
    columnChosen(priceColumn, state.priceColumn);
    columnChosen(copiesColumn, state.copiesColumn);
    QObject::connect(layoutBox, &QComboBox::currentIndexChanged, &dialog, refresh);
    for (QCheckBox* box : {barcode, digits, name, price, ownText})
        QObject::connect(box, &QCheckBox::toggled, &dialog, refresh);
    for (QLineEdit* line : {text, currency})
        QObject::connect(line, &QLineEdit::textChanged, &dialog, refresh);
    QObject::connect(codesGroup, &QButtonGroup::idClicked, &dialog, refresh);
    QObject::connect(copiesGroup, &QButtonGroup::idClicked, &dialog, refresh);
    QObject::connect(startRow, &QSpinBox::valueChanged, &dialog, [&](int row) {
        state.startRow = row;
        refresh();
    });
    QObject::connect(startColumn, &QSpinBox::valueChanged, &dialog, [&](int column) {
        state.startColumn = column;
        refresh();
    });
    QObject::connect(chooseSheet, &QPushButton::clicked, &dialog, [&] {
        const QString path = QFileDialog::getOpenFileName(
            &dialog, tr("Choose a Spreadsheet"), QFileInfo(state.sheetPath).path(),
            //: Two filters of a file dialog, separated by ;; (keep it); %1 and %2 are the
            //: file patterns they show.
            tr("Spreadsheets (%1);;All files (%2)")
                .arg(QStringLiteral("*.xlsx *.ods *.csv *.tsv"), QStringLiteral("*")));
        if (path.isEmpty())
            return;
        state.sheetPath = path;
        // A new sheet's columns are Quillfen's choice until the user makes one.
        state.nameColumn.clear();
        state.priceColumn.clear();
        state.copiesColumn.clear();
        fromSheet->setChecked(true);
        refresh();
    });

    std::optional<LabelsChoice> chosen;
    const auto finish = [&](LabelsAction action) {
        refresh();
        chosen = LabelsChoice{state, action};
        dialog.accept();
    };
    QObject::connect(print, &QPushButton::clicked, &dialog, [&] { finish(LabelsAction::Print); });
    QObject::connect(savePdf, &QPushButton::clicked, &dialog,
                     [&] { finish(LabelsAction::SavePdf); });

    auto* const left = new QVBoxLayout;
    auto* const layoutRow = new QHBoxLayout;
    layoutRow->addWidget(layoutLabel);
    layoutRow->addWidget(layoutBox, 1);
    left->addLayout(layoutRow);
    left->addWidget(content);
    left->addWidget(codes);
    left->addWidget(copies);
    left->addWidget(start);
    left->addStretch(1);
    auto* const right = new QVBoxLayout;
    right->addWidget(picture);
    right->addWidget(summary);
    right->addWidget(problems);
    right->addStretch(1);
    auto* const grid = new QGridLayout(&dialog);
    grid->addLayout(left, 0, 0);
    grid->addLayout(right, 0, 1);
    grid->addWidget(buttons, 1, 0, 1, 2);
    refresh();
    layoutBox->setFocus();

    dialog.exec();
    m_loop.throwIfEnding();
    return chosen;
}
