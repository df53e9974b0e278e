#pragma once

#include "platform/SpreadsheetTarget.h"

#include <QCoreApplication>
#include <QDateTime>
#include <QStringList>

#include <functional>

inline constexpr QStringView kXlsxMimeType =
    u"application/vnd.openxmlformats-officedocument.spreadsheetml.sheet";

// How the spreadsheet export meets the desktop: the folder new workbooks are written to, whether
// some application opens .xlsx files, and how a written workbook is opened. Replaceable, so that
// tests and benchmarks never start a real application.
struct SpreadsheetDesktop
{
    QString folder; // empty: the user's temporary folder
    std::function<bool()> hasApplication;
    std::function<bool(const QString& path)> open;

    // The user's desktop: its temporary folder, its file associations, its default application.
    static SpreadsheetDesktop system();
};

// Spreadsheets as .xlsx files written with libxlsxwriter. Starting fails when the desktop has no
// application for .xlsx files; showing writes the workbook to a new file named after the date
// and time in the desktop's folder and opens it with that application. Started for saving, it
// writes the workbook to the path given, synced to disk before it replaces any file there. Every
// cell is stored as text, so codes keep their leading zeros and all their digits. A workbook never
// shown is never written.
class XlsxSpreadsheetTarget final : public SpreadsheetTarget
{
    Q_DECLARE_TR_FUNCTIONS(XlsxSpreadsheetTarget)
public:
    explicit XlsxSpreadsheetTarget(SpreadsheetDesktop desktop = SpreadsheetDesktop::system());

    std::unique_ptr<Spreadsheet> start() override;
    std::unique_ptr<Spreadsheet> startSaving(const QString& path) override;

    // The application needs a workbook's file for as long as it shows it, so the files written
    // for it are left in the folder; at start-up those older than a week go, by their names
    // alone. Gives how many were removed; one that cannot be removed stays.
    int removeLeftWorkbooks(const QDateTime& now) const;
    static constexpr int kLeftWorkbookDays = 7;

    const SpreadsheetDesktop& desktop() const { return m_desktop; }
    void setDesktop(SpreadsheetDesktop desktop) { m_desktop = std::move(desktop); }

    // "Quillfen results 2024-05-01 13-45-12.xlsx"
    static QString workbookFileName(const QDateTime& when);
    // The width, in the sheet's character units, that shows a text of that many characters.
    static double fittedWidth(qsizetype characters);

private:
    SpreadsheetDesktop m_desktop;
};

// Whether the desktop names a default application for .xlsx files. Asks xdg-mime when it is
// installed, and otherwise reads the desktop's association files itself.
bool DesktopHasSpreadsheetApplication();

// The desktop entry that `program query default <mimeType>` names (xdg-mime's answer), or empty.
QString QueryDefaultApplication(const QString& program, QStringView mimeType);

// Whether the association files in the folders name an application for the type: mimeapps.list
// in the configuration folders and in the data folders' applications/, and the applications'
// own mimeinfo.cache there. Folders in order of precedence, as the XDG variables list them.
bool AssociationFilesNameApplication(const QStringList& configFolders,
                                     const QStringList& dataFolders, QStringView mimeType);
