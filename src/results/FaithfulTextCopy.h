#pragma once

#include <QByteArray>
#include <QChar>

class OutputFile;
class SheetAnswers;

// A .csv or .tsv file copied with the answers after each row's fields: every row's text as it
// was, in the file's encoding (a byte-order mark kept, Windows-1252 kept), separator and line
// endings, each row filled out with empty fields to as many as the widest row has, so that every
// answer stands in its column, empty rows too. The answers are made safe from being taken for
// formulas, and quoted as the file quotes: every field when its header's are, else when needed.
class FaithfulTextCopy final
{
public:
    // Writes the copy of the file's bytes, read with the separator, to `out` (which the caller
    // commits). Gives how many characters of the answers the file's encoding cannot hold,
    // written "?". Throws OperationFailed when the copy cannot be written.
    static qsizetype write(const QByteArray& bytes, QChar separator, const SheetAnswers& answers,
                           OutputFile& out);
};
