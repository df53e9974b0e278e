#include "desktop/files/XlsxSpreadsheetTarget.h"

#include "common/OperationFailed.h"
#include "desktop/files/PartFiles.h"
#include "desktop/files/XlsxWorkbook.h"

#include <QCoreApplication>
#include <QDesktopServices>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QRegularExpression>
#include <QSet>
#include <QSettings>
#include <QStandardPaths>
#include <QUrl>

#include <algorithm>
#include <optional>

namespace {
// How many numbered names are tried when a workbook of the same second already exists.
constexpr int kNameAttempts = 100;

// Shown: written to a new file in the desktop's folder and opened there. Or, given a path to save
// at, written under a hidden name beside it and put in place when shown, opened by nothing.
class XlsxSpreadsheet final : public Spreadsheet
{
public:
    explicit XlsxSpreadsheet(SpreadsheetDesktop desktop, QString savePath = {})
        : m_desktop(std::move(desktop))
        , m_savePath(std::move(savePath))
    {}

    ~XlsxSpreadsheet() override
    {
        // Never shown: nothing of it stays behind, not even the name it had reserved.
        if (m_workbook) {
            m_workbook.reset();
            QFile::remove(m_path);
        }
    }

    void addWorkbook() override
    {
        if (m_workbook || !m_path.isEmpty())
            throw OperationFailed(
                QCoreApplication::translate("XlsxSpreadsheetTarget", "A workbook is already open"));
        if (m_savePath.isEmpty()) {
            const QString folder = m_desktop.folder.isEmpty() ? QDir::tempPath() : m_desktop.folder;
            m_path = reserveName(folder);
        } else {
            m_path = ReservePartFile(m_savePath);
        }
        try {
            m_workbook =
                std::make_unique<XlsxWorkbook>(m_path, XlsxWorkbook::Rows::AnyOrder, m_savePath);
        } catch (const OperationFailed&) {
            QFile::remove(m_path);
            throw;
        }
    }

    void setCellText(int row, int column, const QString& text) override
    {
        workbook().setCellText(row, column, text);
    }
    void fitColumn(int column) override { workbook().fitColumn(column); }
    void fitAllColumns() override { workbook().fitAllColumns(); }

    void show() override
    {
        const std::unique_ptr<XlsxWorkbook> written = std::move(m_workbook);
        if (!written)
            throw OperationFailed(
                QCoreApplication::translate("XlsxSpreadsheetTarget", "No workbook is open"));
        try {
            written->close();
            if (!m_savePath.isEmpty()) {
                PutPartInPlace(m_path, m_savePath);
                return;
            }
        } catch (const OperationFailed&) {
            QFile::remove(m_path);
            throw;
        }
        if (!m_desktop.open || !m_desktop.open(m_path))
            throw OperationFailed(
                QCoreApplication::translate("XlsxSpreadsheetTarget",
                                            "No application could open the workbook %1")
                    .arg(QDir::toNativeSeparators(m_path)));
    }

private:
    XlsxWorkbook& workbook()
    {
        if (!m_workbook)
            throw OperationFailed(
                QCoreApplication::translate("XlsxSpreadsheetTarget", "No workbook is open"));
        return *m_workbook;
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
                throw OperationFailed(
                    QCoreApplication::translate("XlsxSpreadsheetTarget",
                                                "Cannot create a workbook in %1: %2")
                        .arg(QDir::toNativeSeparators(folder), placeholder.errorString()));
        }
        throw OperationFailed(
            QCoreApplication::translate("XlsxSpreadsheetTarget",
                                        "Cannot find a free name for a workbook in %1")
                .arg(QDir::toNativeSeparators(folder)));
    }

    SpreadsheetDesktop m_desktop;
    QString m_savePath; // empty: opened in the desktop's application
    QString m_path;
    std::unique_ptr<XlsxWorkbook> m_workbook;
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
            tr("No application to open spreadsheets (%1 files) is installed").arg(u".xlsx"));
    return std::make_unique<XlsxSpreadsheet>(m_desktop);
}

std::unique_ptr<Spreadsheet> XlsxSpreadsheetTarget::startSaving(const QString& path)
{
    return std::make_unique<XlsxSpreadsheet>(m_desktop, path);
}

int XlsxSpreadsheetTarget::removeLeftWorkbooks(const QDateTime& now) const
{
    const QDir folder(m_desktop.folder.isEmpty() ? QDir::tempPath() : m_desktop.folder);
    // Only names this export gives; a file the user saved there under another is theirs.
    static const QRegularExpression ours(
        QStringLiteral(R"(^Quillfen results \d{4}-\d\d-\d\d \d\d-\d\d-\d\d( \(\d+\))?\.xlsx$)"));
    const QDateTime before = now.addDays(-kLeftWorkbookDays);
    int removed = 0;
    const QFileInfoList candidates =
        folder.entryInfoList({QStringLiteral("Quillfen results *.xlsx")},
                             QDir::Files | QDir::NoSymLinks | QDir::NoDotAndDotDot);
    for (const QFileInfo& file : candidates) {
        if (ours.match(file.fileName()).hasMatch() && file.lastModified() < before &&
            QFile::remove(file.absoluteFilePath()))
            ++removed;
    }
    return removed;
}

QString XlsxSpreadsheetTarget::workbookFileName(const QDateTime& when)
{
    return QStringLiteral("Quillfen results ") + when.toString(u"yyyy-MM-dd HH-mm-ss") +
           QStringLiteral(".xlsx");
}

double XlsxSpreadsheetTarget::fittedWidth(qsizetype characters)
{
    return XlsxWorkbook::fittedWidth(characters);
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
