// The error report names the line at which a procedure failed, so the numbers written into every
// trapped procedure must follow the rule users and support rely on: 100, 102, 104, ... in source
// order. This suite reads the sources and holds every procedure to it.
#include <QDirIterator>
#include <QFile>
#include <QRegularExpression>
#include <QTest>

class TestTrapNumbering : public QObject
{
    Q_OBJECT

    struct Procedure
    {
        QString file;
        int firstLine = 0;
        QString location;
        QList<int> numbers;
    };

    static QList<Procedure> trappedProcedures()
    {
        static const QRegularExpression trapStart(
            QStringLiteral(R"(ErrorTrap\s+trap\([^,]+,\s*Location::(\w+)\))"));
        static const QRegularExpression numbered(
            QStringLiteral(R"(\btrap(?:\.holdsOrFails)?\((\d+)\s*,)"));
        QList<Procedure> found;
        QDirIterator it(QStringLiteral(QUILLFEN_SOURCE_DIR "/src"), {QStringLiteral("*.cpp")},
                        QDir::Files, QDirIterator::Subdirectories);
        while (it.hasNext()) {
            const QString path = it.next();
            QFile file(path);
            if (!file.open(QIODevice::ReadOnly | QIODevice::Text))
                qFatal("cannot read %s", qPrintable(path));
            const QStringList lines = QString::fromUtf8(file.readAll()).split(u'\n');
            Procedure* current = nullptr;
            for (int i = 0; i < lines.size(); ++i) {
                const QString& line = lines[i];
                if (const auto start = trapStart.match(line); start.hasMatch()) {
                    found.append(Procedure{path, i + 1, start.captured(1), {}});
                    current = &found.last();
                    continue;
                }
                if (!current)
                    continue;
                if (line.startsWith(u'}')) { // the procedure's closing brace
                    current = nullptr;
                    continue;
                }
                auto matches = numbered.globalMatch(line);
                while (matches.hasNext())
                    current->numbers.append(matches.next().captured(1).toInt());
            }
        }
        return found;
    }

private Q_SLOTS:
    void everyTrappedProcedure_numbersFrom100InStepsOf2()
    {
        const QList<Procedure> procedures = trappedProcedures();
        QVERIFY2(procedures.size() >= 5, "the scan found too few trapped procedures");
        for (const Procedure& p : procedures) {
            const QString where = p.file + u':' + QString::number(p.firstLine);
            QVERIFY2(!p.numbers.isEmpty(),
                     qPrintable(where + QStringLiteral(": no numbered line")));
            for (int i = 0; i < p.numbers.size(); ++i)
                QVERIFY2(p.numbers[i] == 100 + 2 * i,
                         qPrintable(where + QStringLiteral(": line number %1 where %2 belongs")
                                                .arg(p.numbers[i])
                                                .arg(100 + 2 * i)));
        }
    }

    void everyLocation_belongsToOneProcedure()
    {
        QMap<QString, int> uses;
        for (const Procedure& p : trappedProcedures())
            ++uses[p.location];
        for (auto it = uses.cbegin(); it != uses.cend(); ++it)
            QVERIFY2(
                it.value() == 1,
                qPrintable(it.key() + QStringLiteral(" is used by %1 procedures").arg(it.value())));
    }
};

QTEST_GUILESS_MAIN(TestTrapNumbering)
#include "tst_trapnumbering.moc"
