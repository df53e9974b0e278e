#pragma once

#include <QList>
#include <QString>

// The line numbers written into trapped procedures, as the sources hold them. A trapped
// procedure runs from its "ErrorTrap trap(..., Location::Name)" to the next line that starts
// with a closing brace; its numbers are the first arguments of its trap(N, ...) and
// trap.holdsOrFails(N, ...) calls, in source order. The error report names them, and they must
// read 100, 102, 104, ...
struct TrappedProcedure
{
    struct Number
    {
        qsizetype offset = 0; // where the digits stand in the text
        qsizetype length = 0;
        int value = 0;
    };

    int firstLine = 0; // of the ErrorTrap, counting from 1
    QString location;  // the name after Location::
    QList<Number> numbers;
};

// Every trapped procedure in the text of one source file.
QList<TrappedProcedure> FindTrappedProcedures(const QString& source);

// The text with the numbers of every trapped procedure rewritten to 100, 102, 104, ... in source
// order; nothing else changes.
QString RenumberTraps(const QString& source);
