// The error report names the line at which a procedure failed, so the numbers written into every
// trapped procedure must follow the rule users and support rely on: 100, 102, 104, ... in source
// order. This suite reads the sources and holds every procedure to it, and checks the rewriting
// that scripts/renumber-traps does to put them in order.
#include "TrapNumbers.h"

#include <QDirIterator>
#include <QFile>
#include <QTest>

class TestTrapNumbering : public QObject
{
    Q_OBJECT

    struct SourceProcedure
    {
        QString file;
        TrappedProcedure procedure;
    };

private Q_SLOTS:
    void everyTrappedProcedure_numbersFrom100InStepsOf2();
    void everyLocation_belongsToOneProcedure();
    void renumbering_putsEachProcedureInOrderAndLeavesTheRest_data();
    void renumbering_putsEachProcedureInOrderAndLeavesTheRest();

private:
    static QList<SourceProcedure> trappedProcedures();
};

QList<TestTrapNumbering::SourceProcedure> TestTrapNumbering::trappedProcedures()
{
    QList<SourceProcedure> found;
    QDirIterator it(QStringLiteral(QUILLFEN_SOURCE_DIR "/src"), {QStringLiteral("*.cpp")},
                    QDir::Files, QDirIterator::Subdirectories);
    while (it.hasNext()) {
        const QString path = it.next();
        QFile file(path);
        if (!file.open(QIODevice::ReadOnly | QIODevice::Text))
            qFatal("cannot read %s", qPrintable(path));
        for (const TrappedProcedure& p : FindTrappedProcedures(QString::fromUtf8(file.readAll())))
            found.append(SourceProcedure{path, p});
    }
    return found;
}

void TestTrapNumbering::everyTrappedProcedure_numbersFrom100InStepsOf2()
{
    const QList<SourceProcedure> procedures = trappedProcedures();
    QVERIFY2(procedures.size() >= 5, "the scan found too few trapped procedures");
    for (const auto& [file, p] : procedures) {
        const QString where = file + u':' + QString::number(p.firstLine);
        QVERIFY2(!p.numbers.isEmpty(), qPrintable(where + QStringLiteral(": no numbered line")));
        for (int i = 0; i < p.numbers.size(); ++i)
            QVERIFY2(
                p.numbers[i].value == 100 + 2 * i,
                qPrintable(where + QStringLiteral(": line number %1 where %2 belongs; "
                                                  "scripts/renumber-traps %3 puts them in order")
                                       .arg(p.numbers[i].value)
                                       .arg(100 + 2 * i)
                                       .arg(file)));
    }
}

void TestTrapNumbering::everyLocation_belongsToOneProcedure()
{
    QMap<QString, int> uses;
    for (const SourceProcedure& p : trappedProcedures())
        ++uses[p.procedure.location];
    for (auto it = uses.cbegin(); it != uses.cend(); ++it)
        QVERIFY2(
            it.value() == 1,
            qPrintable(it.key() + QStringLiteral(" is used by %1 procedures").arg(it.value())));
}

void TestTrapNumbering::renumbering_putsEachProcedureInOrderAndLeavesTheRest_data()
{
    QTest::addColumn<QString>("source");
    QTest::addColumn<QString>("renumbered");
    const QString start = QStringLiteral("{\n    ErrorTrap trap(box, Location::A);\n");
    QTest::newRow("a statement inserted between two")
        << start + "    trap(100, [&] { a(); });\n    trap(101, [&] { new(); });\n"
                   "    trap(102, [&] { b(); });\n}\n"
        << start + "    trap(100, [&] { a(); });\n    trap(102, [&] { new(); });\n"
                   "    trap(104, [&] { b(); });\n}\n";
    QTest::newRow("conditions count, a statement removed, wider numbers")
        << start + "    if (trap.holdsOrFails(100, [&] { return x; }))\n"
                   "        trap(104, [&] { y(); }); trap(98, [] {});\n}\n"
        << start + "    if (trap.holdsOrFails(100, [&] { return x; }))\n"
                   "        trap(102, [&] { y(); }); trap(104, [] {});\n}\n";
    QTest::newRow("each procedure from 100, nothing outside them")
        << "trap(7, x);\n" + start + "    trap(102, f);\n}\ntrap(9, x);\n" +
               "void g()\n{\n    ErrorTrap trap(box, Location::B);\n    trap(110, f);\n}\n"
        << "trap(7, x);\n" + start + "    trap(100, f);\n}\ntrap(9, x);\n" +
               "void g()\n{\n    ErrorTrap trap(box, Location::B);\n    trap(100, f);\n}\n";
    QTest::newRow("already in order, CR LF lines") << start + "    trap(100, f);\r\n}\r\n"
                                                   << start + "    trap(100, f);\r\n}\r\n";
}

void TestTrapNumbering::renumbering_putsEachProcedureInOrderAndLeavesTheRest()
{
    QFETCH(QString, source);
    QFETCH(QString, renumbered);
    QCOMPARE(RenumberTraps(source), renumbered);
    QCOMPARE(RenumberTraps(renumbered), renumbered);
}

QTEST_GUILESS_MAIN(TestTrapNumbering)
#include "tst_trapnumbering.moc"
