// "Start Looking Up" in the real window, against the sample service started here.
#include "SampleServiceProcess.h"
#include "app/window/Form1.h"
#include "program/QtPlatform.h"
#include "support/LoopbackConfig.h"
#include "support/ModalDialogs.h"
#include "support/RealWindow.h"

#include <QApplication>
#include <QMessageBox>
#include <QPushButton>
#include <QTest>
#include <QTimer>
#include <QTreeWidget>

#include <functional>

namespace {
struct App : RealWindow
{
    explicit App(const QString& serviceBase)
        : RealWindow(LoopbackConfigForService(serviceBase))
    {}
};
} // namespace

class TestLookupWindow : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void startLookingUp_fillsTheTableWithTickedRowsAndSaysDone();
    void closingTheWindowDuringARun_endsTheProgramWithStatus0();
};

void TestLookupWindow::startLookingUp_fillsTheTableWithTickedRowsAndSaysDone()
{
    SampleServiceProcess service;
    QVERIFY2(service.start({"--delay-ms", "20"}), qPrintable(service.errorString()));
    App app(service.baseUrl());
    app.window().pushButton7()->click(); // the two sample codes
    QString boxText;
    QString boxTitle;
    QStringList rowsWhenDone;
    whenDialogOpens([&](QWidget* dialog) {
        auto* const box = qobject_cast<QMessageBox*>(dialog);
        QVERIFY(box);
        boxText = box->text();
        boxTitle = box->windowTitle();
        for (int i = 0; i < app.window().listView2()->topLevelItemCount(); ++i)
            rowsWhenDone << app.window().listView2()->topLevelItem(i)->text(0);
        box->accept();
    });
    app.window().pushButton17()->click();

    QCOMPARE(boxText, QStringLiteral("Done."));
    QCOMPARE(boxTitle, QStringLiteral("Quillfen"));
    QCOMPARE(rowsWhenDone, (QStringList{"Harbour Lantern Green Tea, 20 bags",
                                        "0823564706221 - no record found"}));
    QTreeWidget* const results = app.window().listView2();
    QCOMPARE(results->topLevelItemCount(), 2);
    QCOMPARE(results->topLevelItem(0)->checkState(0), Qt::Checked);
    QCOMPARE(results->topLevelItem(1)->checkState(0), Qt::Checked);
    QCOMPARE(app.platform.services().progressBar1.text(), QStringLiteral("Progress Bar"));
    QCOMPARE(app.platform.services().window.mousePointer(), 0);
}

void TestLookupWindow::closingTheWindowDuringARun_endsTheProgramWithStatus0()
{
    SampleServiceProcess service;
    QVERIFY2(service.start({"--fault", "*=no-answer"}), qPrintable(service.errorString()));
    App app(service.baseUrl());
    app.window().pushButton7()->click();
    bool handlerReturned = false;
    bool runWasWaiting = false;
    QTimer::singleShot(0, [&] {
        app.window().pushButton17()->click();
        handlerReturned = true;
    });
    QTimer::singleShot(200, [&] {
        runWasWaiting = app.platform.services().progressBar1.text().startsWith(u"Processing");
        app.window().close();
    });
    QTimer::singleShot(20000, [] { QCoreApplication::exit(3); }); // never hang the suite
    const int status = QApplication::exec();

    QCOMPARE(status, 0);
    QVERIFY(runWasWaiting);
    QVERIFY(handlerReturned);
    QVERIFY(app.platform.eventLoop().isEnding());
    QVERIFY(!app.window().isVisible());
    QCOMPARE(app.window().listView2()->topLevelItemCount(), 0);
    QVERIFY(!QApplication::activeModalWidget());
}

QTEST_MAIN(TestLookupWindow)
#include "tst_lookupwindow.moc"
