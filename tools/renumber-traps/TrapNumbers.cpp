#include "TrapNumbers.h"

#include <QRegularExpression>

QList<TrappedProcedure> FindTrappedProcedures(const QString& source)
{
    static const QRegularExpression trapStart(
        QStringLiteral(R"(ErrorTrap\s+trap\([^,]+,\s*Location::(\w+)\))"));
    static const QRegularExpression numbered(
        QStringLiteral(R"(\btrap(?:\.holdsOrFails)?\((\d+)\s*,)"));
    QList<TrappedProcedure> found;
    TrappedProcedure* current = nullptr;
    qsizetype lineStart = 0;
    int lineNumber = 0;
    while (lineStart <= source.size()) {
        qsizetype lineEnd = source.indexOf(u'\n', lineStart);
        if (lineEnd < 0)
            lineEnd = source.size();
        const QStringView line = QStringView(source).sliced(lineStart, lineEnd - lineStart);
        ++lineNumber;
        if (const auto start = trapStart.match(line); start.hasMatch()) {
            found.append(TrappedProcedure{lineNumber, start.captured(1), {}});
            current = &found.last();
        } else if (current && line.startsWith(u'}')) { // the procedure's closing brace
            current = nullptr;
        } else if (current) {
            auto matches = numbered.globalMatch(line);
            while (matches.hasNext()) {
                const auto match = matches.next();
                current->numbers.append(TrappedProcedure::Number{lineStart + match.capturedStart(1),
                                                                 match.capturedLength(1),
                                                                 match.captured(1).toInt()});
            }
        }
        lineStart = lineEnd + 1;
    }
    return found;
}

QString RenumberTraps(const QString& source)
{
    QString text = source;
    const QList<TrappedProcedure> procedures = FindTrappedProcedures(source);
    // From the end backwards, so that a number of another width leaves the earlier offsets as
    // they were.
    for (auto procedure = procedures.crbegin(); procedure != procedures.crend(); ++procedure) {
        for (qsizetype i = procedure->numbers.size() - 1; i >= 0; --i) {
            const TrappedProcedure::Number& number = procedure->numbers[i];
            text.replace(number.offset, number.length, QString::number(100 + 2 * i));
        }
    }
    return text;
}
