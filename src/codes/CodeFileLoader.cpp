#include "codes/CodeFileLoader.h"

#include "codes/CodeFileRowReader.h"
#include "common/ErrorTrap.h"
#include "common/Locations.h"
#include "common/MainRoutines.h"
#include "common/OperationFailed.h"
#include "common/PointerCode.h"
#include "platform/EventLoop.h"
#include "platform/FileDialog.h"
#include "platform/FileSystem.h"
#include "platform/Form1Window.h"
#include "platform/ListControl.h"
#include "platform/MessageBox.h"
#include "platform/PictureFiles.h"

#include <QCoreApplication>
#include <QDir>
#include <QStringDecoder>

#include <algorithm>

namespace {
QString collapsePairs(QStringView text)
{
    QString collapsed;
    collapsed.reserve(text.size());
    for (qsizetype i = 0; i < text.size(); ++i) {
        collapsed += text[i];
        if (text[i] == u'\\' && i + 1 < text.size() && text[i + 1] == u'\\')
            ++i;
    }
    return collapsed;
}

template <typename RowAction>
void forEachRow(QStringView text, RowAction&& row)
{
    CodeFileRowReader rows(text);
    while (const std::optional<QStringView> next = rows.next())
        row(*next);
}

bool hasNulNearStart(QByteArrayView bytes)
{
    return bytes.first(std::min(bytes.size(), kTextSniffBytes)).contains('\0');
}

// The messages of files loaded together, kept for one message at the end.
class CollectedMessages final : public MessageBox
{
public:
    void show(const QString& text, MessageIcon /*icon*/ = MessageIcon::None,
              const QString& /*title*/ = {}) override
    {
        texts.append(text);
    }

    QStringList texts;
};

QString decode(QStringConverter::Encoding encoding, QByteArrayView bytes)
{
    // The mark, when there was one, is already gone; a second one would be part of the text.
    // Stateless: the file is one whole piece, so a character cut short at its end becomes a
    // replacement character instead of waiting, unseen, for bytes that never come.
    QStringDecoder decoder(encoding, QStringConverter::Flag::ConvertInitialBom |
                                         QStringConverter::Flag::Stateless);
    return decoder.decode(bytes);
}
} // namespace

QString CollapseDoubleBackslashes(const QString& path)
{
    if (path.isEmpty() || path[0] != u'\\')
        return collapsePairs(path);
    qsizetype k = 1;
    while (k < path.size() && path[k] == u'\\')
        ++k;
    return QStringLiteral("\\\\") + collapsePairs(QStringView(path).sliced(k));
}

QString JoinSelectedFile(const QString& folder, const QString& name, QChar separator)
{
    if (separator == u'\\')
        return CollapseDoubleBackslashes(folder + u'\\' + name);
    if (folder.endsWith(separator))
        return folder + name;
    return folder + separator + name;
}

namespace {
// What a code file's first bytes say it holds: text in UTF-8 after a mark, in UTF-16 after a
// mark, or in the system's encoding without one; or no text at all (a NUL byte near the start of
// what would be UTF-8 or the system's text). `body`: the bytes after the mark.
struct CodeFileForm
{
    enum class Kind { Utf8, Utf16LE, Utf16BE, System, NotText };
    Kind kind;
    QByteArrayView body;
};

CodeFileForm FormOf(QByteArrayView all)
{
    using Kind = CodeFileForm::Kind;
    if (all.startsWith("\xEF\xBB\xBF")) {
        const QByteArrayView body = all.sliced(3);
        return {hasNulNearStart(body) ? Kind::NotText : Kind::Utf8, body};
    }
    if (all.startsWith("\xFF\xFE"))
        return {Kind::Utf16LE, all.sliced(2)};
    if (all.startsWith("\xFE\xFF"))
        return {Kind::Utf16BE, all.sliced(2)};
    return {hasNulNearStart(all) ? Kind::NotText : Kind::System, all};
}
} // namespace

std::optional<QByteArray> Utf8CodeFileBytes(const QByteArray& bytes)
{
    // Whether the system's encoding reads UTF-8 as UTF-8: asked of the decoder itself, once.
    static const bool systemIsUtf8 = [] {
        QStringDecoder system(QStringConverter::System, QStringConverter::Flag::Stateless);
        const QString read = system.decode(QByteArrayView("\xC3\xA9\xE9"));
        return read == QStringView(u"\u00E9\uFFFD");
    }();
    const CodeFileForm form = FormOf(bytes);
    if (form.kind == CodeFileForm::Kind::Utf8)
        return form.body.toByteArray();
    if (form.kind == CodeFileForm::Kind::System && systemIsUtf8)
        return bytes;
    return std::nullopt;
}

QString CodeFileUtf8Row(QByteArrayView row)
{
    // A row is cut at a line break, which no UTF-8 sequence holds: decoded alone, it reads as it
    // did within the whole text, a character cut short or a mark among its bytes alike.
    return decode(QStringConverter::Utf8, row);
}

std::optional<QString> CodeFileText(const QByteArray& bytes)
{
    using Kind = CodeFileForm::Kind;
    const CodeFileForm form = FormOf(bytes);
    switch (form.kind) {
    case Kind::NotText:
        return std::nullopt;
    case Kind::Utf8:
        return decode(QStringConverter::Utf8, form.body);
    case Kind::System:
        return decode(QStringConverter::System, form.body);
    case Kind::Utf16LE:
    case Kind::Utf16BE: {
        // Half the bytes of UTF-16 text are NUL; a NUL character is what gives away a binary file.
        // An odd last byte is no whole character, but like a UTF-8 character cut short it stands
        // for something that was in the file. The decoder keeps it or drops it depending on what
        // came before, so it is left out of the decoding and replaced here.
        const QByteArrayView body = form.body;
        QString text = decode(form.kind == Kind::Utf16LE ? QStringConverter::Utf16LE
                                                         : QStringConverter::Utf16BE,
                              body.first(body.size() - body.size() % 2));
        if (body.size() % 2 == 1)
            text += QChar(QChar::ReplacementCharacter);
        if (QStringView(text).first(std::min(text.size(), kTextSniffBytes / 2)).contains(u'\0'))
            return std::nullopt;
        return text;
    }
    }
    Q_UNREACHABLE();
    return std::nullopt;
}

QStringList CodeFileRows(QStringView text)
{
    QStringList rows;
    forEachRow(text, [&rows](QStringView row) { rows.append(row.toString()); });
    return rows;
}

QString NotATextFileMessage(const QString& path)
{
    return QCoreApplication::translate(
               "CodeFileLoader", "The file %1 is not a text file. No codes were loaded from it.")
        .arg(path);
}

QString LoadListsFilter(const QStringList& pictureExtensions)
{
    const QStringList texts{QStringLiteral("*.txt")};
    const QStringList sheets{QStringLiteral("*.xlsx"), QStringLiteral("*.ods"),
                             QStringLiteral("*.csv"), QStringLiteral("*.tsv")};
    QStringList pictures;
    for (const QString& extension : pictureExtensions)
        pictures.append(QStringLiteral("*.") + extension);
    pictures.append(QStringLiteral("*.pdf"));
    const auto entry = [](const QString& description, const QStringList& patterns) -> QString {
        return description + QStringLiteral(" (") + patterns.join(u' ') + QStringLiteral(")|") +
               patterns.join(u';') + u'|';
    };
    return entry(QCoreApplication::translate("CodeFileLoader",
                                             "Code Lists, Spreadsheets, Pictures and PDFs"),
                 texts + sheets + pictures) +
           entry(QCoreApplication::translate("CodeFileLoader", "Text Files"), texts) +
           entry(QCoreApplication::translate("CodeFileLoader", "Spreadsheets"), sheets) +
           entry(QCoreApplication::translate("CodeFileLoader", "Pictures and PDFs"), pictures) +
           entry(QCoreApplication::translate("CodeFileLoader", "All Files"),
                 {QStringLiteral("*.*")});
}

QString FileNotFoundMessage(const QString& path)
{
    return QCoreApplication::translate("CodeFileLoader", "The file %1 was not found.").arg(path);
}

QString FileUnreadableMessage(const QString& path, const QString& reason)
{
    //: %1 is the file, %2 why it cannot be read.
    return QCoreApplication::translate(
               "CodeFileLoader", "The file %1 cannot be read: %2. No codes were loaded from it.")
        .arg(path, reason);
}

QString NamedFilesNotLoadedMessage(const QStringList& problems, int named)
{
    const QString head =
        named == 1
            ? QCoreApplication::translate("CodeFileLoader",
                                          "The file named on the command line was not loaded:")
            : QCoreApplication::translate(
                  "CodeFileLoader", "%1 of the %2 files named on the command line were not loaded:")
                  .arg(QString::number(problems.size()), QString::number(named));
    return head + u'\n' + problems.join(u'\n');
}

QString FileTooLargeMessage(const QString& path)
{
    return QCoreApplication::translate(
               "CodeFileLoader", "The file %1 is larger than 100 MB. No codes were loaded from it.")
        .arg(path);
}

void CodeFileLoader::PushButton3_Click()
{
    ErrorTrap trap(m_platform.messageBox, Location::PushButton3_Click);
    FileDialog& dialog = m_platform.commonDialog1;
    QStringList parts;
    QStringList grouped;
    const auto loadOne = [&](const QString& path) {
        if (this->grouped(path))
            grouped.append(path);
        else
            LoadListFile(m_platform.listView1, path);
    };
    trap(100, [&] {
        dialog.setFolderKind(FolderKind::Codes);
        dialog.setFileName(QString());
    });
    trap(102, [&] { dialog.setFlags(kLoadListsFlags); });
    trap(104, [&] {
        dialog.setDialogTitle(QCoreApplication::translate("CodeFileLoader", kLoadListsTitle));
    });
    trap(106,
         [&] { dialog.setFilter(LoadListsFilter(m_platform.pictureFiles.readableExtensions())); });
    trap(108, [&] { dialog.showOpen(); });
    if (trap.holdsOrFails(110, [&] { return dialog.fileName().isEmpty(); }))
        return;
    trap(112, [&] { parts = dialog.fileName().split(QChar(u'\0')); });
    trap(114, [&] { m_platform.window.setMousePointer(PointerCode::Hourglass); });
    if (trap.holdsOrFails(116, [&] { return parts.size() == 1; })) {
        trap(118, [&] { loadOne(parts.value(0)); });
    } else {
        for (qsizetype i = 1; i < parts.size(); ++i)
            trap(120, [&] { loadOne(JoinSelectedFile(parts[0], parts[i], QDir::separator())); });
    }
    if (trap.holdsOrFails(122, [&] { return !grouped.isEmpty(); }))
        trap(124, [&] { m_groupedFiles.load(m_platform.listView1, grouped); });
    trap(126, [&] { m_platform.window.setMousePointer(PointerCode::Default); });
}

bool CodeFileLoader::grouped(const QString& path) const
{
    // A missing file goes the usual way, to be reported as such.
    return m_groupedFiles.takes && m_groupedFiles.load && m_groupedFiles.takes(path) &&
           FileExists(m_platform.files, path);
}

void CodeFileLoader::LoadListFile(ListControl& list, const QString& path)
{
    loadListFile(list, path, m_platform.messageBox);
}

void CodeFileLoader::LoadNamedFiles(ListControl& list, const QStringList& paths)
{
    CollectedMessages problems;
    QStringList grouped;
    for (const QString& path : paths) {
        if (!FileExists(m_platform.files, path)) {
            problems.show(FileNotFoundMessage(path));
        } else if (this->grouped(path)) {
            grouped.append(path);
        } else {
            try {
                loadListFile(list, path, problems);
            } catch (const OperationFailed& failure) {
                problems.show(FileUnreadableMessage(path, failure.description()));
            }
        }
    }
    if (!grouped.isEmpty())
        m_groupedFiles.load(list, grouped);
    if (!problems.texts.isEmpty())
        m_platform.messageBox.show(NamedFilesNotLoadedMessage(problems.texts, int(paths.size())),
                                   MessageIcon::Warning);
}

void CodeFileLoader::loadListFile(ListControl& list, const QString& path, MessageBox& tell)
{
    if (!FileExists(m_platform.files, path)) {
        tell.show(QCoreApplication::translate("CodeFileLoader", kFileNotFound));
        return;
    }
    if (grouped(path)) {
        m_groupedFiles.load(list, {path});
        return;
    }
    if (m_otherFiles && m_otherFiles(list, path, tell))
        return;
    FileSystem::Contents contents = m_platform.files.readFile(path, kMaxCodeFileBytes);
    if (contents.overLimit) {
        tell.show(FileTooLargeMessage(path));
        return;
    }
    const std::optional<QString> text = CodeFileText(contents.bytes);
    contents.bytes = QByteArray(); // a large file need not be held twice while its rows go in
    if (!text) {
        tell.show(NotATextFileMessage(path));
        return;
    }
    forEachRow(*text, [&](QStringView row) {
        list.add(row.toString());
        m_platform.eventLoop.yield();
    });
}
