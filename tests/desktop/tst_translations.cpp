// Every window and dialog in every shipped language: no text is wider than the widget that shows
// it, and under the tests' own pseudo-language no text is shown that was never marked.
#include "app/scan/ScanMode.h"
#include "common/NumberText.h"
#include "desktop/system/QtUiTranslations.h"
#include "desktop/window/QtScanWindow.h"
#include "support/ModalDialogs.h"
#include "support/PseudoTranslator.h"
#include "support/RealWindow.h"

#include <QAbstractButton>
#include <QApplication>
#include <QGroupBox>
#include <QHeaderView>
#include <QLabel>
#include <QMenuBar>
#include <QTest>
#include <QTreeWidget>

#include <functional>
#include <memory>

namespace {
// The texts a widget shows as captions (not what a user typed or an answer held).
QStringList Captions(QWidget* widget)
{
    QStringList texts;
    if (auto* const label = qobject_cast<QLabel*>(widget))
        texts << label->text();
    else if (auto* const button = qobject_cast<QAbstractButton*>(widget))
        texts << button->text();
    else if (auto* const group = qobject_cast<QGroupBox*>(widget))
        texts << group->title();
    else if (auto* const tree = qobject_cast<QTreeWidget*>(widget);
             tree && !tree->isHeaderHidden()) {
        for (int column = 0; column < tree->columnCount(); ++column)
            texts << tree->headerItem()->text(column);
    } else if (auto* const menus = qobject_cast<QMenuBar*>(widget)) {
        for (QAction* const menu : menus->actions()) {
            texts << menu->text();
            if (menu->menu()) {
                for (QAction* const item : menu->menu()->actions())
                    texts << item->text();
            }
        }
    }
    if (widget->isWindow())
        texts << widget->windowTitle();
    texts.removeAll(QString());
    return texts;
}

QList<QWidget*> ShownWidgets(QWidget* window)
{
    QList<QWidget*> widgets{window};
    for (QWidget* const child : window->findChildren<QWidget*>()) {
        if (child->isVisibleTo(window))
            widgets << child;
    }
    return widgets;
}

// A label or a button whose text needs more room than it has. A label that wraps grows in
// height instead, and rich text lays itself out.
QStringList CutOff(QWidget* window)
{
    QStringList cut;
    for (QWidget* const widget : ShownWidgets(window)) {
        auto* const label = qobject_cast<QLabel*>(widget);
        const bool measured = qobject_cast<QAbstractButton*>(widget) ||
                              (label && !label->wordWrap() && !label->text().isEmpty() &&
                               label->textFormat() != Qt::RichText && label->pixmap().isNull());
        if (measured && widget->sizeHint().width() > widget->width())
            cut << QStringLiteral("%1 \"%2\": needs %3 pixels, has %4")
                       .arg(widget->objectName(), Captions(widget).value(0))
                       .arg(widget->sizeHint().width())
                       .arg(widget->width());
    }
    return cut;
}

// A caption shown without the pseudo-language's brackets, unless it is a name or a value the
// program shows as it is.
QStringList Unmarked(QWidget* window, const QStringList& asTheyAre)
{
    QStringList unmarked;
    for (QWidget* const widget : ShownWidgets(window)) {
        for (const QString& text : Captions(widget)) {
            if (!text.contains(u'[') && !asTheyAre.contains(text))
                unmarked << QStringLiteral("%1: \"%2\"").arg(widget->objectName(), text);
        }
    }
    return unmarked;
}
} // namespace

class TestTranslations : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void everyWindow_showsItsTextsWhole_data();
    void everyWindow_showsItsTextsWhole();
    void pseudoLanguage_everyCaptionWasMarked();
    void scanWindow_statusColumnShowsEveryStatusWhole_data();
    void scanWindow_statusColumnShowsEveryStatusWhole();
    void numbers_writtenTheLanguagesWay_data();
    void numbers_writtenTheLanguagesWay();

private:
    // Opens each window and dialog of the program in turn and hands it to the check, which
    // returns what is wrong; the list names the window of each fault.
    static QStringList checkEveryWindow(const std::function<QStringList(QWidget*)>& check);
};

QStringList TestTranslations::checkEveryWindow(const std::function<QStringList(QWidget*)>& check)
{
    RealWindow real;
    Platform services = real.platform.services();
    QStringList faults;
    const auto record = [&faults, &check](const QString& where, QWidget* window) {
        for (const QString& fault : check(window))
            faults << where + u": " + fault;
    };
    record(QStringLiteral("main window"), &real.window());

    const auto modal = [&record](const QString& where, const std::function<void()>& open) {
        whenDialogOpens([&record, where](QWidget* dialog) { record(where, dialog); });
        open();
    };
    modal(QStringLiteral("About"), [&] { real.form.ShowAbout(); });
    modal(QStringLiteral("Sources"), [&] { real.form.EditSources(); });
    modal(QStringLiteral("column choice"), [&] {
        services.columnChoice.choose(
            QStringLiteral("prices.xlsx"),
            {{QStringLiteral("A"), QStringLiteral("EAN"), {QStringLiteral("4006381333931")}}});
    });
    modal(QStringLiteral("columns"), [&] {
        services.columnChoice.chooseSeveral(QStringLiteral("Quillfen"), QStringLiteral("?"),
                                            {QStringLiteral("EAN")}, {0});
    });
    modal(QStringLiteral("question"), [&] { services.questionBox.ask(QStringLiteral("?")); });
    modal(QStringLiteral("input"), [&] { services.inputBox.ask(QStringLiteral("?")); });
    modal(QStringLiteral("message"), [&] { services.messageBox.show(QStringLiteral("!")); });

    real.form.ScanCodes();
    record(QStringLiteral("scan window"), &real.platform.scanWindow());
    real.platform.scanWindow().close();
    services.detailsWindow.show(ProductSheet{QStringLiteral("Green Tea"), {}, {}});
    record(QStringLiteral("details window"), &real.platform.detailsWindow());
    services.detailsWindow.close();
    services.progressDialog.open(QStringLiteral("Quillfen"), QStringLiteral("..."), [] {});
    for (QWidget* const window : QApplication::topLevelWidgets()) {
        if (window->isVisible() && window->isModal())
            record(QStringLiteral("progress"), window);
    }
    services.progressDialog.close();
    return faults;
}

void TestTranslations::everyWindow_showsItsTextsWhole_data()
{
    QTest::addColumn<QString>("language");
    for (const char* language : {"en", "de", "fr", "es"})
        QTest::newRow(language) << QString::fromLatin1(language);
    // Longer than any of them: what a language yet to come may need.
    QTest::newRow("pseudo") << QStringLiteral("pseudo");
}

void TestTranslations::everyWindow_showsItsTextsWhole()
{
    QFETCH(QString, language);
    PseudoTranslator pseudo;
    QtUiTranslations translations(language == u"pseudo" ? QStringLiteral("en") : language);
    QCOMPARE(translations.translated(), language != u"en" && language != u"pseudo");
    translations.install();
    if (language == u"pseudo")
        QCoreApplication::installTranslator(&pseudo);
    // Qt's own buttons follow, from Debian's catalogues of Qt.
    if (language == u"de")
        QCOMPARE(QCoreApplication::translate("QPlatformTheme", "&Yes"), QStringLiteral("&Ja"));
    const QStringList cut = checkEveryWindow(&CutOff);
    for (const QString& fault : cut)
        qWarning("%s", qPrintable(fault));
    QVERIFY(cut.isEmpty());
}

void TestTranslations::pseudoLanguage_everyCaptionWasMarked()
{
    PseudoTranslator pseudo;
    QCoreApplication::installTranslator(&pseudo);
    // Names and values shown as they are, in every language.
    const QStringList asTheyAre{QStringLiteral("Quillfen"),    QStringLiteral("Green Tea"),
                                QStringLiteral("prices.xlsx"), QStringLiteral("EAN"),
                                QStringLiteral("A"),           QStringLiteral("?"),
                                QStringLiteral("!"),           QStringLiteral("...")};
    const QStringList unmarked =
        checkEveryWindow([&asTheyAre](QWidget* window) { return Unmarked(window, asTheyAre); });
    QCoreApplication::removeTranslator(&pseudo);
    for (const QString& fault : unmarked)
        qWarning("%s", qPrintable(fault));
    QVERIFY(unmarked.isEmpty());
}

void TestTranslations::scanWindow_statusColumnShowsEveryStatusWhole_data()
{
    everyWindow_showsItsTextsWhole_data();
}

void TestTranslations::scanWindow_statusColumnShowsEveryStatusWhole()
{
    QFETCH(QString, language);
    PseudoTranslator pseudo;
    QtUiTranslations translations(language == u"pseudo" ? QStringLiteral("en") : language);
    translations.install();
    if (language == u"pseudo")
        QCoreApplication::installTranslator(&pseudo);
    RealWindow real;
    real.form.ScanCodes();
    QtScanWindow& scan = real.platform.scanWindow();
    // A row for each status the table may show.
    QList<ScanTableRow> rows;
    for (const QString& word : ScanStatusWords())
        rows.append(ScanTableRow{"1", "4006381333931", "Green Tea", "Morrow", word});
    scan.showRows(rows);
    QApplication::processEvents();
    auto* const table = scan.findChild<QTreeWidget*>(QStringLiteral("ScanTable"));
    // As wide as the view's own delegate asks, and all of it in view, not behind a scroll bar.
    constexpr int kStatus = 4;
    QCOMPARE_LE(static_cast<QAbstractItemView*>(table)->sizeHintForColumn(kStatus),
                table->columnWidth(kStatus));
    QCOMPARE_LE(table->columnViewportPosition(kStatus) + table->columnWidth(kStatus),
                table->viewport()->width());
    scan.close();
}

void TestTranslations::numbers_writtenTheLanguagesWay_data()
{
    QTest::addColumn<QString>("language");
    QTest::addColumn<QString>("written");
    // English as it always was, whatever the desktop's locale.
    QTest::newRow("en") << "en"
                        << "1,234,567";
    QTest::newRow("de") << "de"
                        << "1.234.567";
}

void TestTranslations::numbers_writtenTheLanguagesWay()
{
    QFETCH(QString, language);
    QFETCH(QString, written);
    QtUiTranslations translations(language);
    translations.install();
    QCOMPARE(GroupedNumber(1234567), written);
    QLocale::setDefault(QLocale::c());
}

QTEST_MAIN(TestTranslations)
#include "tst_translations.moc"
