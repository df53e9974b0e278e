// Bad input from code files and from the settings store, and exports that cannot be written:
// Form1 over the real file system, text file writer and settings store. Each case has one
// defined outcome (the rows that go in, or the message the user sees), and whatever existed
// before (the code list, a saved list, an earlier export) is still there afterwards.
//
// Cases that need the system to refuse something root may do anyway run in a child process as
// an unprivileged user, or on a small file system of their own in a private mount namespace.
#include "app/window/Form1.h"
#include "common/ErrorReport.h"
#include "common/Locations.h"
#include "common/PointerCode.h"
#include "desktop/files/QtFileSystem.h"
#include "desktop/files/QtTextFileWriter.h"
#include "desktop/storage/QtSettingsStore.h"
#include "fakes/FakePlatform.h"
#include "support/FakeChance.h"
#include "support/LoopbackConfig.h"
#include "support/Utf16Bytes.h"

#include <QDataStream>
#include <QDir>
#include <QFile>
#include <QProcess>
#include <QSettings>
#include <QTemporaryDir>
#include <QTest>
#include <QVariantMap>

#include <cerrno>
#include <csignal>
#include <cstring>
#include <fcntl.h>
#include <functional>
#include <grp.h>
#include <pwd.h>
#include <sched.h>
#include <sys/mount.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

namespace {
constexpr qint64 kMiB = 1024 * 1024;

QString NotText(const QString& path)
{
    return QStringLiteral("The file ") + path +
           QStringLiteral(" is not a text file. No codes were loaded from it.");
}

QString TooLarge(const QString& path)
{
    return QStringLiteral("The file ") + path +
           QStringLiteral(" is larger than 100 MB. No codes were loaded from it.");
}

QString CouldNotSave(const QString& store)
{
    return QStringLiteral("Could not save the setting \"Zip Codes\" in ") + store;
}

bool WriteFile(const QString& path, const QByteArray& bytes)
{
    QFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size();
}

QByteArray ReadAll(const QString& path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return QByteArray("<unreadable: ") + file.errorString().toUtf8() + '>';
    return file.readAll();
}

// The bytes of a literal, NUL bytes included, without the one that ends it.
template <qsizetype N>
QByteArray Bytes(const char (&literal)[N])
{
    return QByteArray(literal, N - 1);
}

QStringList FilesIn(const QString& folder)
{
    return QDir(folder).entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot,
                                  QDir::Name);
}

// How many bytes this process has read through the system so far, or -1 where the system does
// not say.
qint64 BytesReadSoFar()
{
    QFile io(QStringLiteral("/proc/self/io"));
    if (!io.open(QIODevice::ReadOnly))
        return -1;
    for (const QByteArray& line : io.readAll().split('\n')) {
        if (line.startsWith("rchar:"))
            return line.mid(6).trimmed().toLongLong();
    }
    return -1;
}

// Form1 over fakes of the window's parts, with the real file system, text file writer and
// settings store.
struct RealFiles
{
    explicit RealFiles(const QString& applicationFolder)
        : config(LoopbackConfig(applicationFolder))
        , form(platform(), config, chance)
    {}

    Platform platform()
    {
        return Platform{
            .window = fake.window,
            .listView1 = fake.listView1,
            .listView2 = fake.listView2,
            .progressBar1 = fake.progressBar1,
            .commonDialog1 = fake.commonDialog1,
            .messageBox = fake.messageBox,
            .inputBox = fake.inputBox,
            .eventLoop = fake.eventLoop,
            .title = fake.title,
            .browser = fake.browser,
            .files = files,
            .settings = settings,
            .capture = fake.capture,
            .skin = fake.skin,
            .pageLoader = fake.pageLoader,
            .clipboard = fake.clipboard,
            .textFiles = textFiles,
            .spreadsheet = fake.spreadsheet,
            .clock = fake.clock,
            .answers = fake.answers,
            .pacing = fake.pacing,
            .keyring = fake.keyring,
            .productIndex = fake.productIndex,
            .sourcesDialog = fake.sourcesDialog,
            .questionBox = fake.questionBox,
            .aboutBox = fake.aboutBox,
            .progressDialog = fake.progressDialog,
            .inputFiles = fake.inputFiles,
            .httpFetcher = fake.httpFetcher,
            .downloadStore = fake.downloadStore,
            .zips = fake.zips,
            .columnChoice = fake.columnChoice,
            .outputFiles = fake.outputFiles,
            .detailsWindow = fake.detailsWindow,
            .pictureLoader = fake.pictureLoader,
            .pictures = fake.pictures,
            .pictureFiles = fake.pictureFiles,
            .pdfDocument = fake.pdfDocument,
            .barcodeScanner = fake.barcodeScanner,
            .scanWindow = fake.scanWindow,
            .scanJournal = fake.scanJournal,
            .phoneScans = fake.phoneScans,
            .catalogue = fake.catalogue,
        };
    }

    // "Load EAN Numbers From File", the dialog answering with this choice.
    void loadFrom(const QString& choice)
    {
        fake.commonDialog1.choices = {choice};
        form.PushButton3_Click();
    }
    // "Save Results As Text File" over these rows, the dialog answering with this path.
    void exportTo(const QString& path, const QStringList& rows)
    {
        if (fake.listView2.columnCount() == 0)
            fake.listView2.addColumnHeader(QStringLiteral("Description"));
        for (const QString& row : rows)
            fake.listView2.setChecked(fake.listView2.add(row), true);
        fake.commonDialog1.choices = {path};
        form.PushButton4_Click();
    }

    FakePlatform fake;
    QtFileSystem files;
    QtSettingsStore settings;
    QtTextFileWriter textFiles;
    FakeChance chance;
    AppConfig config;
    Form1 form;
};

// What a case run in a child process reports back: why it could not run there, or what it saw.
struct ChildReport
{
    QString skipReason;
    QVariantMap seen;
    QString failure; // the child itself went wrong
};

// Runs `prepare` and then `look` in a child process. `prepare` returns an empty text when the
// child is ready, or why the case cannot run here. The child never returns into the test.
ChildReport RunInChild(const std::function<QString()>& prepare,
                       const std::function<QVariantMap()>& look)
{
    int channel[2];
    if (::pipe(channel) != 0)
        return {{}, {}, QStringLiteral("no pipe: ") + QString::fromLocal8Bit(strerror(errno))};
    const pid_t child = ::fork();
    if (child < 0)
        return {{}, {}, QStringLiteral("no fork: ") + QString::fromLocal8Bit(strerror(errno))};
    if (child == 0) {
        ::close(channel[0]);
        QString skipReason;
        QVariantMap seen;
        try {
            skipReason = prepare();
            if (skipReason.isEmpty())
                seen = look();
        } catch (...) {
            seen.insert(QStringLiteral("exception"), DescribeCurrentException());
        }
        QByteArray bytes;
        {
            QDataStream out(&bytes, QIODevice::WriteOnly);
            out << skipReason << seen;
        }
        qsizetype sent = 0;
        while (sent < bytes.size()) {
            const ssize_t n = ::write(channel[1], bytes.constData() + sent, bytes.size() - sent);
            if (n <= 0)
                break;
            sent += n;
        }
        ::_exit(sent == bytes.size() ? 0 : 1);
    }
    ::close(channel[1]);
    QByteArray bytes;
    char block[65536];
    for (;;) {
        const ssize_t n = ::read(channel[0], block, sizeof block);
        if (n < 0 && errno == EINTR)
            continue;
        if (n <= 0)
            break;
        bytes.append(block, n);
    }
    ::close(channel[0]);
    int status = 0;
    while (::waitpid(child, &status, 0) < 0 && errno == EINTR) {}
    ChildReport report;
    if (!WIFEXITED(status) || WEXITSTATUS(status) != 0) {
        report.failure = QStringLiteral("the child ended with status %1").arg(status);
        return report;
    }
    QDataStream in(bytes);
    in >> report.skipReason >> report.seen;
    if (report.seen.contains(QStringLiteral("exception")))
        report.failure = report.seen.value(QStringLiteral("exception")).toString();
    return report;
}

// Prepares a child to run as a user the system holds to file modes (root is not held to them);
// a child that is not root already is one.
std::function<QString()> AsUnprivilegedUser(const QString& folder)
{
    const passwd* const nobody = ::getpwnam("nobody");
    const uid_t uid = nobody ? nobody->pw_uid : 65534;
    const gid_t gid = nobody ? nobody->pw_gid : 65534;
    const QByteArray path = QFile::encodeName(folder);
    return [uid, gid, path]() -> QString {
        if (::geteuid() == 0 &&
            (::setgroups(0, nullptr) != 0 || ::setgid(gid) != 0 || ::setuid(uid) != 0))
            return QStringLiteral("running as root, and root cannot become another user here (") +
                   QString::fromLocal8Bit(strerror(errno)) +
                   QStringLiteral("), so file modes would not stop it");
        if (::geteuid() == 0)
            return QStringLiteral("still root after giving it up");
        if (::access(path.constData(), R_OK | X_OK) != 0)
            return QStringLiteral("the test folder is out of an unprivileged user's reach");
        return {};
    };
}

bool WriteProcFile(const char* path, const QByteArray& text)
{
    const int fd = ::open(path, O_WRONLY);
    if (fd < 0)
        return false;
    const bool written = ::write(fd, text.constData(), size_t(text.size())) == text.size();
    ::close(fd);
    return written;
}

// Prepares a child to see a small file system of its own at the folder, in a mount namespace of
// its own, so nothing of it outlives the child.
std::function<QString()> OnSmallFileSystem(const QString& folder, int kilobytes)
{
    const QByteArray path = QFile::encodeName(folder);
    const QByteArray options = "size=" + QByteArray::number(kilobytes) + "k,mode=0755";
    return [path, options]() -> QString {
        const auto failed = [](const char* what) -> QString {
            return QStringLiteral("cannot ") + QLatin1StringView(what) + QStringLiteral(" here (") +
                   QString::fromLocal8Bit(strerror(errno)) + u')';
        };
        if (::unshare(CLONE_NEWNS) != 0) {
            // Not allowed to: a user namespace of its own then, in which this user may mount.
            const QByteArray uidMap = "0 " + QByteArray::number(::geteuid()) + " 1";
            const QByteArray gidMap = "0 " + QByteArray::number(::getegid()) + " 1";
            if (::unshare(CLONE_NEWUSER | CLONE_NEWNS) != 0)
                return failed("make a mount namespace");
            if (!WriteProcFile("/proc/self/setgroups", "deny") ||
                !WriteProcFile("/proc/self/uid_map", uidMap) ||
                !WriteProcFile("/proc/self/gid_map", gidMap))
                return failed("map this user into a user namespace");
        }
        if (::mount(nullptr, "/", nullptr, MS_REC | MS_PRIVATE, nullptr) != 0)
            return failed("keep mounts private");
        if (::mount("tmpfs", path.constData(), "tmpfs", MS_NOSUID | MS_NODEV,
                    options.constData()) != 0)
            return failed("mount a small tmpfs");
        return {};
    };
}

// Fills the file system that holds the folder with one file, until not one more byte fits.
bool FillUp(const QString& folder)
{
    QFile filler(QDir(folder).filePath(QStringLiteral("filler")));
    if (!filler.open(QIODevice::WriteOnly | QIODevice::Unbuffered))
        return false;
    const QByteArray block(4096, 'x');
    while (filler.write(block) == block.size()) {}
    while (filler.write(block.constData(), 1) == 1) {}
    return true;
}

// Frees one page of a full file system, enough for one small file.
bool LeaveOnePage(const QString& folder)
{
    QFile filler(QDir(folder).filePath(QStringLiteral("filler")));
    return filler.size() >= 4096 && filler.resize(filler.size() - 4096);
}

// The permissions of a path, put back when the case ends, so that the folder can be removed.
class ModeGuard
{
public:
    ModeGuard(const QString& path, mode_t mode)
        : m_path(QFile::encodeName(path))
    {
        struct stat info = {};
        m_saved = ::stat(m_path.constData(), &info) == 0 ? info.st_mode & 07777 : 0755;
        m_ok = ::chmod(m_path.constData(), mode) == 0;
    }
    ~ModeGuard() { ::chmod(m_path.constData(), m_saved); }
    bool ok() const { return m_ok; }

private:
    QByteArray m_path;
    mode_t m_saved = 0;
    bool m_ok = false;
};

#define SKIP_OR_FAIL_ON(report)                                                                    \
    do {                                                                                           \
        QVERIFY2((report).failure.isEmpty(), qPrintable((report).failure));                        \
        if (!(report).skipReason.isEmpty())                                                        \
            QSKIP(qPrintable((report).skipReason));                                                \
    } while (false)
} // namespace

class TestBadInput : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase();
    void init();

    // ---- Code files ---------------------------------------------------------------------------
    void codeFile_addsItsRowsOrSaysWhyNot_data();
    void codeFile_addsItsRowsOrSaysWhyNot();
    void fileOf200MB_isRefusedWithoutBeingRead();
    void fileWithOneLineOf10MB_isOneRow();
    void folderPickedAsAFile_isReportedAndTheNextFileLoads();
    void fileWithoutReadPermission_isReportedAndTheNextFileLoads();

    // ---- The settings store -------------------------------------------------------------------
    void corruptStore_restoresWhatItCanAndTheNextSaveMendsIt_data();
    void corruptStore_restoresWhatItCanAndTheNextSaveMendsIt();
    void storeThatIsAFolder_startsEmptyAndTheCloseSaysItCouldNotSave();
    void readOnlyStore_restoresTheListReportsTheSaveAndKeepsTheFile_data();
    void readOnlyStore_restoresTheListReportsTheSaveAndKeepsTheFile();
    void storeOnAFullDisk_reportsTheSaveAndKeepsTheSavedList_data();
    void storeOnAFullDisk_reportsTheSaveAndKeepsTheSavedList();

    // ---- Exports ------------------------------------------------------------------------------
    void exportIntoAReadOnlyFolder_isReportedOnceAndTheEarlierFileStays();
    void exportOntoAFullDisk_isReportedOnceAndTheEarlierFileStays_data();
    void exportOntoAFullDisk_isReportedOnceAndTheEarlierFileStays();
    void realProgram_withoutAReachableDisplayExplainsAndEnds();
    void realProgram_ignoresTheFileSizeSignal();

private:
    QTemporaryDir m_folder;

    QString path(const QString& name) const { return m_folder.filePath(name); }
    QString storeFolder() const { return path(QStringLiteral("config/Zandrik")); }
    QString storePath() const { return path(QStringLiteral("config/Zandrik/Quillfen.conf")); }
};

void TestBadInput::initTestCase()
{
    QVERIFY(m_folder.isValid());
    // Children that run as another user must reach into the folder.
    QVERIFY(QFile::setPermissions(
        m_folder.path(), QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner | QFile::ReadGroup |
                             QFile::ExeGroup | QFile::ReadOther | QFile::ExeOther));
    QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope,
                       path(QStringLiteral("config")));
}

void TestBadInput::init()
{
    QDir(path(QStringLiteral("config"))).removeRecursively();
    QVERIFY(QDir().mkpath(storeFolder()));
}

// ---- Code files ---------------------------------------------------------------------------

// One file picked in the dialog, after a code that was in the list already: the rows it
// adds, or the one message that says why it adds none.
void TestBadInput::codeFile_addsItsRowsOrSaysWhyNot_data()
{
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<QStringList>("rows");
    QTest::addColumn<bool>("notText");
    const QString codes = QStringLiteral("111\r\n222\r\n€3\r\n");
    const QStringList codeRows{"111", "222", "€3"};

    QTest::newRow("empty file adds nothing") << QByteArray() << QStringList{} << false;
    QTest::newRow("binary file (a picture)")
        << Bytes("\x89PNG\r\n\x1A\n\0\0\0\x0DIHDR\0\0\0\x10") << QStringList{} << true;
    // Every byte that is not part of a well-formed sequence becomes one U+FFFD; the rows
    // around it are kept.
    QTest::newRow("invalid UTF-8")
        << QByteArray("111\r\n2\xFF"
                      "2\r\n\xC0\xAF"
                      "3\r\n4\xE2\x82")
        << QStringList{"111", QStringLiteral("2\uFFFD2"), QStringLiteral("\uFFFD\uFFFD3"),
                       QStringLiteral("4\uFFFD\uFFFD")}
        << false;
    QTest::newRow("UTF-8 with a byte-order mark")
        << QByteArray("\xEF\xBB\xBF") + codes.toUtf8() << codeRows << false;
    QTest::newRow("UTF-16 little-endian with a byte-order mark")
        << Utf16Bytes(codes, true, true) << codeRows << false;
    QTest::newRow("UTF-16 big-endian with a byte-order mark")
        << Utf16Bytes(codes, false, true) << codeRows << false;
    // Codes are digits and line breaks: in UTF-16 every one of them has a NUL byte, and a
    // NUL byte near the start is what marks a file that is not text.
    QTest::newRow("UTF-16 little-endian without a mark is not text")
        << Utf16Bytes(codes, true, false) << QStringList{} << true;
    QTest::newRow("UTF-16 big-endian without a mark is not text")
        << Utf16Bytes(codes, false, false) << QStringList{} << true;
}

void TestBadInput::codeFile_addsItsRowsOrSaysWhyNot()
{
    QFETCH(QByteArray, bytes);
    QFETCH(QStringList, rows);
    QFETCH(bool, notText);
    const QString file = path(QStringLiteral("codes.txt"));
    QVERIFY(WriteFile(file, bytes));
    RealFiles app(m_folder.path());
    app.fake.listView1.add(QStringLiteral("existing"));

    app.loadFrom(file);
    QCOMPARE(app.fake.listView1.texts(), QStringList{"existing"} + rows);
    QCOMPARE(app.fake.messageBox.texts(), notText ? QStringList{NotText(file)} : QStringList{});
    QCOMPARE(app.fake.window.pointerHistory,
             (QList<int>{PointerCode::Hourglass, PointerCode::Default}));
}

void TestBadInput::fileOf200MB_isRefusedWithoutBeingRead()
{
    const QString file = path(QStringLiteral("huge.txt"));
    {
        QFile huge(file);
        QVERIFY(huge.open(QIODevice::WriteOnly));
        QVERIFY(huge.resize(200 * kMiB)); // sparse: costs no disk and no time
    }
    RealFiles app(m_folder.path());
    const qint64 readBefore = BytesReadSoFar();
    app.loadFrom(file);
    const qint64 readAfter = BytesReadSoFar();
    QCOMPARE(app.fake.messageBox.texts(), QStringList{TooLarge(file)});
    QCOMPARE(app.fake.listView1.count(), 0);
    QCOMPARE(app.fake.window.pointer, PointerCode::Default);
    if (readBefore >= 0 && readAfter >= 0)
        QVERIFY2(readAfter - readBefore < kMiB,
                 qPrintable(QString::number(readAfter - readBefore)));
    QVERIFY(QFile::remove(file));
}

void TestBadInput::fileWithOneLineOf10MB_isOneRow()
{
    QByteArray line;
    line.reserve(10 * kMiB);
    while (line.size() < 10 * kMiB)
        line += "4988112412613;";
    line.truncate(10 * kMiB);
    const QString file = path(QStringLiteral("one-line.txt"));
    QVERIFY(WriteFile(file, line + "\r\n"));
    RealFiles app(m_folder.path());
    app.loadFrom(file);
    QCOMPARE(app.fake.listView1.count(), 1);
    QCOMPARE(app.fake.listView1.text(1).size(), 10 * kMiB);
    QVERIFY(app.fake.listView1.text(1) == QString::fromLatin1(line));
    QVERIFY(app.fake.messageBox.texts().isEmpty());
    QVERIFY(QFile::remove(file));
}

// The file exists (it has a date), so it is no "File not found"; it cannot be read, which
// is a failure the trap reports, and the next chosen file still loads.
void TestBadInput::folderPickedAsAFile_isReportedAndTheNextFileLoads()
{
    QVERIFY(QDir(m_folder.path()).mkpath(QStringLiteral("lists.txt")));
    QVERIFY(WriteFile(path(QStringLiteral("next.txt")), "333\r\n"));
    RealFiles app(m_folder.path());
    app.loadFrom(path(QStringLiteral("lists.txt")));
    app.loadFrom(m_folder.path() + QChar(u'\0') + QStringLiteral("lists.txt") + QChar(u'\0') +
                 QStringLiteral("next.txt"));
    const QString folder = path(QStringLiteral("lists.txt"));
    QCOMPARE(app.fake.messageBox.texts(),
             (QStringList{BuildErrorReportText(folder + QStringLiteral(" is a folder, not a file"),
                                               Location::PushButton3_Click, 118),
                          BuildErrorReportText(folder + QStringLiteral(" is a folder, not a file"),
                                               Location::PushButton3_Click, 120)}));
    QCOMPARE(app.fake.listView1.texts(), QStringList{"333"});
    QCOMPARE(app.fake.window.pointer, PointerCode::Default);
}

void TestBadInput::fileWithoutReadPermission_isReportedAndTheNextFileLoads()
{
    const QString locked = path(QStringLiteral("locked.txt"));
    QVERIFY(WriteFile(locked, "111\r\n"));
    QVERIFY(WriteFile(path(QStringLiteral("open.txt")), "222\r\n"));
    ModeGuard noRead(locked, 0200);
    QVERIFY(noRead.ok());
    const QString folder = m_folder.path();
    const ChildReport report = RunInChild(AsUnprivilegedUser(folder), [&] {
        RealFiles app(folder);
        app.loadFrom(folder + QChar(u'\0') + QStringLiteral("locked.txt") + QChar(u'\0') +
                     QStringLiteral("open.txt"));
        return QVariantMap{{"messages", app.fake.messageBox.texts()},
                           {"rows", app.fake.listView1.texts()},
                           {"pointer", app.fake.window.pointer}};
    });
    SKIP_OR_FAIL_ON(report);
    QCOMPARE(report.seen.value("messages").toStringList(),
             QStringList{BuildErrorReportText(QStringLiteral("Could not open ") + locked +
                                                  QStringLiteral(": Permission denied"),
                                              Location::PushButton3_Click, 120)});
    QCOMPARE(report.seen.value("rows").toStringList(), QStringList{"222"});
    QCOMPARE(report.seen.value("pointer").toInt(), PointerCode::Default);
}

// ---- The settings store -------------------------------------------------------------------

// Whatever of a damaged store can be read comes back; the rest is dropped without a word,
// the next close saves the list whole, and the start after that restores it.
void TestBadInput::corruptStore_restoresWhatItCanAndTheNextSaveMendsIt_data()
{
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<QStringList>("restored");
    QTest::newRow("garbage bytes")
        << Bytes("\x7F"
                 "ELF\x02\x01\x01\0\0\0\xFF\xFE[[[\n==\x01\x02\xC0\xAF\n")
        << QStringList{};
    QTest::newRow("a section header never closed")
        << QByteArray("[Quillfen\nZip%20Codes=\"111;222\"\n") << QStringList{"111", "222"};
    QTest::newRow("garbage around the saved list")
        << QByteArray("\x80\x81 garbage [\n[Quillfen]\nZip%20Codes=\"111;222\"\n\xFF\xFE\n")
        << QStringList{"111", "222"};
    QTest::newRow("cut off in the middle of the list")
        << QByteArray("[Quillfen]\nZip%20Codes=\"111;22") << QStringList{"111", "22"};
}

void TestBadInput::corruptStore_restoresWhatItCanAndTheNextSaveMendsIt()
{
    QFETCH(QByteArray, bytes);
    QFETCH(QStringList, restored);
    QVERIFY(WriteFile(storePath(), bytes));
    {
        RealFiles app(m_folder.path());
        app.form.Form_Load();
        QCOMPARE(app.fake.listView1.texts(), restored);
        app.fake.listView1.add(QStringLiteral("333"));
        app.form.Form_QueryUnload();
        QCOMPARE(app.fake.messageBox.texts(), QStringList{});
    }
    QCOMPARE(FilesIn(storeFolder()), QStringList{"Quillfen.conf"});
    RealFiles nextStart(m_folder.path());
    nextStart.form.Form_Load();
    QCOMPARE(nextStart.fake.listView1.texts(), restored + QStringList{"333"});
    QCOMPARE(nextStart.fake.messageBox.texts(), QStringList{});
}

// A folder where the store's file should be: no file can be read or written there, root
// included. The start finds no list; the close says the list could not be saved; the
// window still closes.
void TestBadInput::storeThatIsAFolder_startsEmptyAndTheCloseSaysItCouldNotSave()
{
    QVERIFY(QDir().mkpath(storePath()));
    RealFiles app(m_folder.path());
    app.form.Form_Load();
    QCOMPARE(app.fake.listView1.count(), 0);
    QCOMPARE(app.fake.messageBox.texts(), QStringList{});

    app.fake.listView1.add(QStringLiteral("111"));
    app.form.AutoSaveCodeList();
    app.fake.listView1.add(QStringLiteral("222"));
    app.form.AutoSaveCodeList(); // the same failure again is not reported again
    app.form.Form_QueryUnload();
    app.form.Form_Unload();
    QCOMPARE(
        app.fake.messageBox.texts(),
        (QStringList{
            BuildUntrappedReportText(CouldNotSave(storePath()), FormLocation(u"AutoSaveCodeList")),
            BuildErrorReportText(CouldNotSave(storePath()), Location::Form_QueryUnload, 100)}));
    QVERIFY(app.fake.eventLoop.isEnding());
    QVERIFY(QFileInfo(storePath()).isDir());
}

// A store the program may read but not write, sound or damaged: the list comes back, the
// failed save is reported, and the file stays as it was.
void TestBadInput::readOnlyStore_restoresTheListReportsTheSaveAndKeepsTheFile_data()
{
    QTest::addColumn<QByteArray>("bytes");
    QTest::newRow("sound") << QByteArray("[Quillfen]\nZip%20Codes=\"111;222\"\n");
    QTest::newRow("damaged") << QByteArray(
        "\x80\x81 garbage [\n[Quillfen]\nZip%20Codes=\"111;222\"\n");
}

void TestBadInput::readOnlyStore_restoresTheListReportsTheSaveAndKeepsTheFile()
{
    QFETCH(QByteArray, bytes);
    QVERIFY(WriteFile(storePath(), bytes));
    ModeGuard reachable(path(QStringLiteral("config")), 0755);
    ModeGuard readOnlyFile(storePath(), 0444);
    ModeGuard readOnlyFolder(storeFolder(), 0555);
    QVERIFY(reachable.ok() && readOnlyFile.ok() && readOnlyFolder.ok());
    const QString folder = m_folder.path();
    const ChildReport report = RunInChild(AsUnprivilegedUser(folder), [&] {
        RealFiles app(folder);
        app.form.Form_Load();
        const QStringList restored = app.fake.listView1.texts();
        app.fake.listView1.add(QStringLiteral("333"));
        app.form.Form_QueryUnload();
        return QVariantMap{{"restored", restored}, {"messages", app.fake.messageBox.texts()}};
    });
    SKIP_OR_FAIL_ON(report);
    QCOMPARE(report.seen.value("restored").toStringList(), (QStringList{"111", "222"}));
    QCOMPARE(report.seen.value("messages").toStringList(),
             QStringList{
                 BuildErrorReportText(CouldNotSave(storePath()), Location::Form_QueryUnload, 100)});
    QCOMPARE(ReadAll(storePath()), bytes);
    QCOMPARE(FilesIn(storeFolder()), QStringList{"Quillfen.conf"});
}

// A disk with no room at all refuses the store's lock file; with room for that alone the
// store is replaced by an empty file that QSettings calls a success. Either way the save is
// reported and the saved list stays as it was.
void TestBadInput::storeOnAFullDisk_reportsTheSaveAndKeepsTheSavedList_data()
{
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<bool>("onePageLeft");
    const QByteArray sound("[Quillfen]\nZip%20Codes=\"111;222;444\"\n");
    const QByteArray damaged("\x80\x81 garbage [\n[Quillfen]\nZip%20Codes=\"111;222\"\n");
    QTest::newRow("full, sound store") << sound << false;
    QTest::newRow("full, damaged store") << damaged << false;
    QTest::newRow("one page left, sound store") << sound << true;
    QTest::newRow("one page left, damaged store") << damaged << true;
}

void TestBadInput::storeOnAFullDisk_reportsTheSaveAndKeepsTheSavedList()
{
    QFETCH(QByteArray, bytes);
    QFETCH(bool, onePageLeft);
    const QString folder = storeFolder();
    const ChildReport report = RunInChild(OnSmallFileSystem(folder, 64), [&] {
        WriteFile(storePath(), "[Quillfen]\nZip%20Codes=\"111;222\"\n");
        RealFiles app(m_folder.path());
        app.form.Form_Load();
        const QStringList restored = app.fake.listView1.texts();
        // Changed by someone else while the program runs; then the disk fills up.
        WriteFile(storePath(), bytes);
        const bool full = FillUp(folder) && (!onePageLeft || LeaveOnePage(folder));
        app.fake.listView1.add(QStringLiteral("333"));
        app.form.Form_QueryUnload();
        return QVariantMap{{"full", full},
                           {"restored", restored},
                           {"messages", app.fake.messageBox.texts()},
                           {"store", ReadAll(storePath())},
                           {"files", FilesIn(folder)}};
    });
    SKIP_OR_FAIL_ON(report);
    QVERIFY(report.seen.value("full").toBool());
    QCOMPARE(report.seen.value("restored").toStringList(), (QStringList{"111", "222"}));
    QCOMPARE(report.seen.value("messages").toStringList(),
             QStringList{
                 BuildErrorReportText(CouldNotSave(storePath()), Location::Form_QueryUnload, 100)});
    QCOMPARE(report.seen.value("store").toByteArray(), bytes);
    QCOMPARE(report.seen.value("files").toStringList(), (QStringList{"Quillfen.conf", "filler"}));
}

// ---- Exports ------------------------------------------------------------------------------

void TestBadInput::exportIntoAReadOnlyFolder_isReportedOnceAndTheEarlierFileStays()
{
    const QString exports = path(QStringLiteral("exports"));
    QVERIFY(QDir().mkpath(exports));
    const QString target = exports + QStringLiteral("/results.txt");
    QVERIFY(WriteFile(target, "the user's earlier results\r\n"));
    // The file itself may be written; only the folder may not.
    ModeGuard writableFile(target, 0666);
    ModeGuard readOnly(exports, 0555);
    QVERIFY(writableFile.ok() && readOnly.ok());
    const ChildReport report = RunInChild(AsUnprivilegedUser(m_folder.path()), [&] {
        RealFiles app(m_folder.path());
        app.exportTo(target, {"Pen", "Ink"});
        return QVariantMap{{"messages", app.fake.messageBox.texts()},
                           {"progress", app.fake.progressBar1.text()},
                           {"position", app.fake.progressBar1.position()},
                           {"pointer", app.fake.window.pointer}};
    });
    SKIP_OR_FAIL_ON(report);
    QCOMPARE(report.seen.value("messages").toStringList(),
             QStringList{BuildErrorReportText(QStringLiteral("Cannot create the file ") + target +
                                                  QStringLiteral(": Permission denied"),
                                              Location::SaveListviewProperlySpaced, 130)});
    QCOMPARE(report.seen.value("progress").toString(), QStringLiteral("Progress Bar"));
    QCOMPARE(report.seen.value("position").toDouble(), 0.0);
    QCOMPARE(report.seen.value("pointer").toInt(), PointerCode::Default);
    QCOMPARE(ReadAll(target), QByteArray("the user's earlier results\r\n"));
    QCOMPARE(FilesIn(exports), QStringList{"results.txt"});
}

// A file-size limit (ulimit -f) fails the same way: tst_textexport's
// writeFailingPartWay_oneReportAndTheExistingFileIntact.
void TestBadInput::exportOntoAFullDisk_isReportedOnceAndTheEarlierFileStays_data()
{
    QTest::addColumn<int>("rowCount");
    QTest::addColumn<int>("line");
    // Written in blocks as the rows go: the first block that does not fit fails.
    QTest::newRow("5000 rows") << 5000 << 172;
    // All of it fits in the one block written at the end, when the file is made whole.
    QTest::newRow("3 rows") << 3 << 174;
}

void TestBadInput::exportOntoAFullDisk_isReportedOnceAndTheEarlierFileStays()
{
    QFETCH(int, rowCount);
    QFETCH(int, line);
    const QString exports = path(QStringLiteral("full"));
    QVERIFY(QDir().mkpath(exports));
    const QString target = exports + QStringLiteral("/results.txt");
    QStringList rows;
    for (int r = 0; r < rowCount; ++r)
        rows.append(QStringLiteral("A product name of some length, row %1").arg(r));
    const ChildReport report = RunInChild(OnSmallFileSystem(exports, 64), [&] {
        const QByteArray earlier("the user's earlier results\r\n");
        WriteFile(target, earlier);
        const bool full = FillUp(exports);
        RealFiles app(m_folder.path());
        app.exportTo(target, rows);
        return QVariantMap{{"full", full},
                           {"messages", app.fake.messageBox.texts()},
                           {"intact", ReadAll(target) == earlier},
                           {"files", FilesIn(exports)},
                           {"progress", app.fake.progressBar1.text()},
                           {"pointer", app.fake.window.pointer}};
    });
    SKIP_OR_FAIL_ON(report);
    QVERIFY(report.seen.value("full").toBool());
    QCOMPARE(report.seen.value("messages").toStringList(),
             QStringList{BuildErrorReportText(QStringLiteral("Cannot write the file ") + target +
                                                  QStringLiteral(": No space left on device"),
                                              Location::SaveListviewProperlySpaced, line)});
    QVERIFY(report.seen.value("intact").toBool());
    QCOMPARE(report.seen.value("files").toStringList(), (QStringList{"filler", "results.txt"}));
    QCOMPARE(report.seen.value("progress").toString(), QStringLiteral("Progress Bar"));
    QCOMPARE(report.seen.value("pointer").toInt(), PointerCode::Default);
}

// Past the file-size limit the system stops a program with SIGXFSZ unless it ignores the
// signal; ignored, the write fails and the export reports it like any other failed write.
// A display that cannot be reached, or none at all: the program says what to do and ends
// with status 1 instead of aborting; asking for its version needs no display.
void TestBadInput::realProgram_withoutAReachableDisplayExplainsAndEnds()
{
    const QString unused = QStringLiteral(":4711");
    if (QFile::exists(QStringLiteral("/tmp/.X11-unix/X4711")))
        QSKIP("an X server runs on display :4711 here");
    struct Ending
    {
        bool normal = false;
        int code = -1;
        QString error;
        QString output;
    };
    const auto run = [&](const QString& display, const QStringList& arguments) {
        QProcess app;
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.remove(QStringLiteral("QT_QPA_PLATFORM"));
        env.remove(QStringLiteral("WAYLAND_DISPLAY"));
        env.insert(QStringLiteral("DISPLAY"), display);
        env.insert(QStringLiteral("XDG_CONFIG_HOME"), path(QStringLiteral("config")));
        env.insert(QStringLiteral("QUILLFEN_WEBSITE_URL"), QString());
        app.setProcessEnvironment(env);
        app.start(QStringLiteral(QUILLFEN_BINARY_DIR "/src/quillfen"),
                  QStringList{QStringLiteral("--ping-host"), QStringLiteral("127.0.0.1")} +
                      arguments);
        const bool ended = app.waitForFinished(30'000);
        return Ending{ended && app.exitStatus() == QProcess::NormalExit, app.exitCode(),
                      QString::fromLocal8Bit(app.readAllStandardError()),
                      QString::fromLocal8Bit(app.readAllStandardOutput())};
    };
    const Ending unreachable = run(unused, {});
    QVERIFY(unreachable.normal);
    QCOMPARE(unreachable.code, 1);
    QVERIFY2(unreachable.error.contains(QStringLiteral("could not open a window")) &&
                 unreachable.error.contains(QStringLiteral("xvfb-run -a quillfen")),
             qPrintable(unreachable.error));
    const Ending none = run(QString(), {});
    QVERIFY(none.normal);
    QCOMPARE(none.code, 1);
    QVERIFY2(none.error.contains(QStringLiteral("needs a graphical display")),
             qPrintable(none.error));
    const Ending version = run(QString(), {QStringLiteral("--version")});
    QVERIFY(version.normal);
    QCOMPARE(version.code, 0);
    QVERIFY2(version.output.startsWith(QStringLiteral("Quillfen")), qPrintable(version.output));
}

void TestBadInput::realProgram_ignoresTheFileSizeSignal()
{
    if (!QFile::exists(QStringLiteral("/proc/self/status")))
        QSKIP("needs /proc to see which signals the program ignores");
    QProcess app;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
    env.insert(QStringLiteral("XDG_CONFIG_HOME"), path(QStringLiteral("config")));
    env.insert(QStringLiteral("QUILLFEN_WEBSITE_URL"), QString());
    app.setProcessEnvironment(env);
    app.setProcessChannelMode(QProcess::ForwardedChannels);
    app.start(QStringLiteral(QUILLFEN_BINARY_DIR "/src/quillfen"),
              {QStringLiteral("--ping-host"), QStringLiteral("127.0.0.1"),
               QStringLiteral("--service-url"), QStringLiteral("http://127.0.0.1:9")});
    QVERIFY(app.waitForStarted());
    const auto signalMask = [&](const char* field) -> qulonglong {
        QFile status(QStringLiteral("/proc/%1/status").arg(app.processId()));
        if (!status.open(QIODevice::ReadOnly))
            return 0;
        for (const QByteArray& line : status.readAll().split('\n')) {
            if (line.startsWith(field))
                return line.mid(qsizetype(std::strlen(field))).trimmed().toULongLong(nullptr, 16);
        }
        return 0;
    };
    const auto bit = [](int signal) { return qulonglong(1) << (signal - 1); };
    // Once it catches SIGTERM, start-up is over.
    QTRY_VERIFY_WITH_TIMEOUT(signalMask("SigCgt:") & bit(SIGTERM), 30'000);
    const bool ignored = signalMask("SigIgn:") & bit(SIGXFSZ);
    ::kill(pid_t(app.processId()), SIGTERM);
    QVERIFY(app.waitForFinished(30'000));
    QVERIFY(ignored);
}

QTEST_GUILESS_MAIN(TestBadInput)
#include "tst_badinput.moc"
