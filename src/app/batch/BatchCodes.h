#pragma once

#include "codes/CodeFileRowReader.h"
#include "sheets/CodeColumn.h"
#include "sheets/Sheet.h"

#include <QCoreApplication>
#include <QString>
#include <QStringList>

#include <memory>
#include <optional>
#include <vector>

struct BarcodeServices;
class BatchConsole;
class FileSystem;
class ZipArchives;

// What names standard input among the inputs of a batch run.
inline constexpr QStringView kStandardInputName = u"-";

// How a batch run reads spreadsheet inputs (.xlsx, .ods, .csv, .tsv): the sheet --sheet names and
// the column --column names, each empty for the one Quillfen chooses.
struct BatchSheetReading
{
    ZipArchives& zips;
    QString sheet;
    QString column;
    // Keep the sheet and its code column after reading (--keep-columns).
    bool keepSheet = false;
    // Called through the choice of the code column; throws OperationFailed to stop it.
    SheetPace pace = {};
};

// The codes of a batch run, from its files and standard input in the order named, read by the
// rules of the window's code files: one code per line, CR LF, LF or CR, a byte-order mark
// understood and dropped, a file that is not text or is larger than 100 MB refused. A line of
// nothing but white space holds no code and is skipped (a file's last line break would otherwise
// add one). The codes stay in the files' texts, the bytes of a UTF-8 file as they came (a byte a
// character of a code) and any other text at two bytes a character, and are read from there one
// at a time: no list of a million strings is ever made.
class BatchCodes final
{
    Q_DECLARE_TR_FUNCTIONS(BatchCodes)

public:
    // Reads the inputs: paths, and "-" for standard input, which is also what no input at all
    // means. On failure the codes are empty and `problem` says which input could not be used and
    // why; nothing after it is read.
    // Without `sheets`, every file is a text file of one code a line, whatever its extension;
    // with it, a spreadsheet gives the codes of its code column, in sheet order, empty cells
    // skipped. When the column cannot be told, the problem lists the columns to name.
    // With `barcodes`, a picture or PDF gives the product codes of its barcodes in reading
    // order, each with where it came from; one that cannot be read is a problem like any other
    // input. Without it, they are text files like the rest. A page of a PDF that cannot be read
    // is said on standard error and counted; the codes of its other pages are taken.
    static BatchCodes read(const QStringList& inputs, const FileSystem& files,
                           BatchConsole& console, QString& problem,
                           const BatchSheetReading* sheets = nullptr,
                           const BarcodeServices* barcodes = nullptr);

    qsizetype count() const { return m_count; }
    // The last spreadsheet input, when its sheet was to be kept; else null.
    const SheetAndColumn* sheet() const { return m_sheet.get(); }
    // Lets the sheet go, once what is written from it no longer reads it: a large one holds
    // more than the run's answers do.
    void releaseSheet() { m_sheet.reset(); }
    // The pages of PDFs that could not be read, whose codes are missing.
    qsizetype unreadPages() const { return m_unreadPages; }

    // An input's text: the bytes of a UTF-8 file, or the text of any other input.
    struct Text
    {
        QByteArray utf8;
        QString text;
    };

    // Goes through the codes in order. A copy goes on from where the original stood.
    class Cursor final
    {
    public:
        Cursor(const std::vector<Text>& texts, const std::vector<QStringList>& origins);
        // Moves on to the next code; false after the last one.
        bool advance();
        // The code advance() moved on to, as the file has it.
        QString code() const;
        // advance(), then the code; nothing after the last one.
        std::optional<QString> next();
        // The k-th code after the last one next() gave (k from 1), without moving on.
        std::optional<QString> ahead(int k) const;
        // Where the code next() gave last came from ("shelf.jpg", "delivery-note.pdf, page 2");
        // empty for a code of a text file or spreadsheet.
        QString origin() const;

    private:
        // A copy of this cursor moved on `at` codes, for ahead(); a copied cursor starts none.
        struct Scout
        {
            Scout() = default;
            Scout(const Scout&) {}
            Scout& operator=(const Scout&)
            {
                cursor.reset();
                return *this;
            }
            std::unique_ptr<Cursor> cursor;
            int at = 0;
            QString code; // the code it gave last
        };

        const std::vector<Text>* m_texts;
        const std::vector<QStringList>* m_origins;
        std::size_t m_text = 0;
        qsizetype m_row = -1; // of the current text, counted over the codes it gave
        CodeFileRowReader m_rows;
        Utf8CodeFileRowReader m_utf8Rows;
        // The row advance() moved on to, of whichever reader reads the current text.
        QStringView m_current;
        QByteArrayView m_currentUtf8;
        mutable Scout m_scout;
    };
    Cursor cursor() const { return Cursor(m_texts, m_origins); }

private:
    // Each input's text; a spreadsheet's codes are kept as one text of lines, one code each,
    // with the line breaks inside its codes (a cell of several lines) made spaces.
    std::vector<Text> m_texts;
    // Beside each text, for the codes read from barcodes, where each came from; empty otherwise.
    std::vector<QStringList> m_origins;
    qsizetype m_count = 0;
    qsizetype m_unreadPages = 0;
    std::shared_ptr<const SheetAndColumn> m_sheet;
};
