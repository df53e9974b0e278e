#include "XlsxSpreadsheetTarget.h"

#include "common/OperationFailed.h"

#include <QDesktopServices>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QSet>
#include <QSettings>
#include <QStandardPaths>
#include <QUrl>

#include <algorithm>
#include <optional>
#include <vector>
#include <xlsxwriter.h>

namespace {
// Excel's own limit on a column's width, in characters.
constexpr double kMaxColumnWidth = 255;
// How many numbered names are tried when a workbook of the same second already exists.
constexpr int kNameAttempts = 100;

[[noreturn]] void Fail(const QString& what, lxw_error error)
{
    throw OperationFailed(what + QStringLiteral(": ") + QString::fromUtf8(lxw_strerror(error)));
}

class XlsxSpreadsheet final : public Spreadsheet
{
public:
    explicit XlsxSpreadsheet(SpreadsheetDesktop desktop)
        : m_desktop(std::move(desktop))
    {}

    ~XlsxSpreadsheet() override
    {
        // Never shown: nothing of it stays behind, not even the name it had reserved.
        if (m_workbook) {
            lxw_workbook_free(m_workbook);
            QFile::remove(m_path);
        }
    }

    void addWorkbook() override
    {
        if (m_workbook || !m_path.isEmpty())
            throw OperationFailed(QStringLiteral("A workbook is already open"));
        const QString folder = m_desktop.folder.isEmpty() ? QDir::tempPath() : m_desktop.folder;
        m_path = reserveName(folder);
        lxw_workbook_options options{};
        options.constant_memory = LXW_FALSE;
        options.use_zip64 = LXW_TRUE; // a large table must not fail at the last step
        m_workbook = workbook_new_opt(QFile::encodeName(m_path).constData(), &options);
        if (!m_workbook) {
            QFile::remove(m_path);
            throw OperationFailed(QStringLiteral("Cannot create a new workbook"));
        }
        m_sheet = workbook_add_worksheet(m_workbook, nullptr);
        if (!m_sheet)
            throw OperationFailed(QStringLiteral("Cannot create a new workbook"));
    }

    void setCellText(int row, int column, const QString& text) override
    {
        requireWorkbook();
        checkCell(row, column);
        const QByteArray utf8 = text.toUtf8();
        // A string cell and no number format: the text stays text, and what the user's
        // spreadsheet makes of a text that looks like a number is left to it.
        const lxw_error error = worksheet_write_string(
            m_sheet, lxw_row_t(row - 1), lxw_col_t(column - 1), utf8.constData(), nullptr);
        if (error != LXW_NO_ERROR)
            Fail(QStringLiteral("Cannot set cell %1, %2").arg(row).arg(column), error);
        if (std::size_t(column) > m_longest.size()) {
            m_longest.resize(std::size_t(column), 0);
            m_widths.resize(std::size_t(column), 0);
        }
        m_longest[std::size_t(column) - 1] =
            std::max(m_longest[std::size_t(column) - 1], text.size());
    }

    void fitColumn(int column) override
    {
        requireWorkbook();
        checkCell(1, column);
        fit(std::size_t(column) - 1);
    }

    void fitAllColumns() override
    {
        requireWorkbook();
        for (std::size_t c = 0; c < m_longest.size(); ++c)
            fit(c);
    }

    void show() override
    {
        requireWorkbook();
        // Widths go in once, at the end: the library keeps one setting per column.
        for (std::size_t c = 0; c < m_widths.size(); ++c) {
            if (m_widths[c] > 0)
                worksheet_set_column(m_sheet, lxw_col_t(c), lxw_col_t(c), m_widths[c], nullptr);
        }
        lxw_workbook* const workbook = std::exchange(m_workbook, nullptr);
        const lxw_error error = workbook_close(workbook); // frees it, written or not
        if (error != LXW_NO_ERROR) {
            QFile::remove(m_path);
            Fail(QStringLiteral("Cannot write the workbook ") + QDir::toNativeSeparators(m_path),
                 error);
        }
        if (!m_desktop.open || !m_desktop.open(m_path))
            throw OperationFailed(QStringLiteral("No application could open the workbook ") +
                                  QDir::toNativeSeparators(m_path));
    }

private:
    void requireWorkbook() const
    {
        if (!m_workbook)
            throw OperationFailed(QStringLiteral("No workbook is open"));
    }

    static void checkCell(int row, int column)
    {
        if (row < 1 || row > LXW_ROW_MAX || column < 1 || column > LXW_COL_MAX)
            throw OperationFailed(
                QStringLiteral("There is no cell %1, %2 on a sheet").arg(row).arg(column));
    }

    void fit(std::size_t c)
    {
        if (c < m_longest.size())
            m_widths[c] = m_longest[c] > 0 ? XlsxSpreadsheetTarget::fittedWidth(m_longest[c]) : 0;
    }

    // Claims a name no other workbook has, even one written in the same second by a second
    // export started while this one yields.
    static QString reserveName(const QString& folder)
    {
        const QString name = XlsxSpreadsheetTarget::workbookFileName(QDateTime::currentDateTime());
        const QString stem = name.chopped(5); // ".xlsx"
        for (int n = 1; n <= kNameAttempts; ++n) {
            const QString candidate = n == 1 ? name : stem + QStringLiteral(" (%1).xlsx").arg(n);
            const QString path = QDir(folder).filePath(candidate);
            QFile placeholder(path);
            if (placeholder.open(QIODevice::WriteOnly | QIODevice::NewOnly))
                return path;
            if (!QFileInfo::exists(path))
                throw OperationFailed(QStringLiteral("Cannot create a workbook in ") +
                                      QDir::toNativeSeparators(folder) + QStringLiteral(": ") +
                                      placeholder.errorString());
        }
        throw OperationFailed(QStringLiteral("Cannot find a free name for a workbook in ") +
                              QDir::toNativeSeparators(folder));
    }

    SpreadsheetDesktop m_desktop;
    QString m_path;
    lxw_workbook* m_workbook = nullptr;
    lxw_worksheet* m_sheet = nullptr;
    std::vector<qsizetype> m_longest; // characters, per column
    std::vector<double> m_widths;     // fitted widths, 0 for the sheet's default
};

// The applications an association file names for the type, in a group such as
// "[Default Applications]": "type=a.desktop;b.desktop;".
QStringList AssociatedApplications(const QString& path, QStringView group, QStringView mimeType)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly | QIODevice::Text))
        return {};
    QStringList found;
    bool inGroup = false;
    while (!file.atEnd()) {
        const QString line = QString::fromUtf8(file.readLine()).trimmed();
        if (line.startsWith(u'[')) {
            inGroup = line == u'[' + group + u']';
            continue;
        }
        if (!inGroup)
            continue;
        const qsizetype equals = line.indexOf(u'=');
        if (equals < 0 || QStringView(line).left(equals).trimmed() != mimeType)
            continue;
        const QStringList names = line.mid(equals + 1).split(u';', Qt::SkipEmptyParts);
        for (const QString& name : names)
            found.append(name.trimmed());
    }
    return found;
}

// Whether a desktop entry id ("org.example.Calc.desktop", "kde4-calc.desktop") is installed in
// one of the data folders; a dash in the id may stand for a subfolder.
bool DesktopEntryInstalled(const QStringList& dataFolders, const QString& id)
{
    for (const QString& folder : dataFolders) {
        const QDir applications(QDir(folder).filePath(QStringLiteral("applications")));
        QString relative = id;
        while (true) {
            if (QFileInfo(applications.filePath(relative)).isFile())
                return true;
            const qsizetype dash = relative.indexOf(u'-');
            if (dash < 0)
                break;
            relative[dash] = u'/';
        }
    }
    return false;
}
} // namespace

SpreadsheetDesktop SpreadsheetDesktop::system()
{
    SpreadsheetDesktop desktop;
    // One press of the button asks twice in a row (the availability test, then the export's own
    // start), and asking the desktop blocks the window; its answer does not change in between.
    desktop.hasApplication = [answer = std::optional<bool>(), asked = QElapsedTimer()]() mutable {
        if (!answer || asked.hasExpired(5000)) {
            answer = DesktopHasSpreadsheetApplication();
            asked.start();
        }
        return *answer;
    };
    desktop.open = [](const QString& path) {
        return QDesktopServices::openUrl(QUrl::fromLocalFile(path));
    };
    return desktop;
}

XlsxSpreadsheetTarget::XlsxSpreadsheetTarget(SpreadsheetDesktop desktop)
    : m_desktop(std::move(desktop))
{}

std::unique_ptr<Spreadsheet> XlsxSpreadsheetTarget::start()
{
    if (!m_desktop.hasApplication || !m_desktop.hasApplication())
        throw OperationFailed(
            QStringLiteral("No application to open spreadsheets (.xlsx files) is installed"));
    return std::make_unique<XlsxSpreadsheet>(m_desktop);
}

QString XlsxSpreadsheetTarget::workbookFileName(const QDateTime& when)
{
    return QStringLiteral("Quillfen results ") + when.toString(u"yyyy-MM-dd HH-mm-ss") +
           QStringLiteral(".xlsx");
}

double XlsxSpreadsheetTarget::fittedWidth(qsizetype characters)
{
    // One character's room beside the text, as a fitted column has.
    return std::min(kMaxColumnWidth, double(characters) + 1);
}

QString QueryDefaultApplication(const QString& program, QStringView mimeType)
{
    QProcess query;
    query.start(program, {QStringLiteral("query"), QStringLiteral("default"), mimeType.toString()});
    // The window waits meanwhile: a desktop that cannot answer within seconds counts as having
    // no application.
    if (!query.waitForStarted(2000))
        return {};
    query.closeWriteChannel();
    if (!query.waitForFinished(3000)) {
        query.kill();
        query.waitForFinished(1000);
        return {};
    }
    if (query.exitStatus() != QProcess::NormalExit || query.exitCode() != 0)
        return {};
    return QString::fromLocal8Bit(query.readAllStandardOutput()).trimmed();
}

bool AssociationFilesNameApplication(const QStringList& configFolders,
                                     const QStringList& dataFolders, QStringView mimeType)
{
    QStringList lists;
    for (const QString& folder : configFolders)
        lists.append(QDir(folder).filePath(QStringLiteral("mimeapps.list")));
    for (const QString& folder : dataFolders)
        lists.append(QDir(folder).filePath(QStringLiteral("applications/mimeapps.list")));

    QSet<QString> removed;
    QStringList candidates;
    for (const QString& list : std::as_const(lists)) {
        for (const QString& id : AssociatedApplications(list, u"Removed Associations", mimeType))
            removed.insert(id);
        candidates += AssociatedApplications(list, u"Default Applications", mimeType);
        candidates += AssociatedApplications(list, u"Added Associations", mimeType);
    }
    for (const QString& folder : dataFolders)
        candidates += AssociatedApplications(
            QDir(folder).filePath(QStringLiteral("applications/mimeinfo.cache")), u"MIME Cache",
            mimeType);

    return std::any_of(candidates.cbegin(), candidates.cend(), [&](const QString& id) {
        return !removed.contains(id) && DesktopEntryInstalled(dataFolders, id);
    });
}

bool DesktopHasSpreadsheetApplication()
{
#if defined(Q_OS_WIN)
    // Any program that registered itself for the extension.
    const QSettings extension(QStringLiteral("HKEY_CLASSES_ROOT\\.xlsx"), QSettings::NativeFormat);
    return !extension.value(QStringLiteral(".")).toString().isEmpty();
#elif defined(Q_OS_MACOS)
    return true; // Launch Services answers only when asked to open; let the open report it.
#else
    const QString xdgMime = QStandardPaths::findExecutable(QStringLiteral("xdg-mime"));
    if (!xdgMime.isEmpty())
        return !QueryDefaultApplication(xdgMime, kXlsxMimeType).isEmpty();
    return AssociationFilesNameApplication(
        QStandardPaths::standardLocations(QStandardPaths::GenericConfigLocation),
        QStandardPaths::standardLocations(QStandardPaths::GenericDataLocation), kXlsxMimeType);
#endif
}
