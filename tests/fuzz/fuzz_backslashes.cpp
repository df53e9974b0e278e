// Repairing joined paths: CollapseDoubleBackslashes on any text, and JoinSelectedFile with the
// input's first line as the folder and the rest as the file name.
#include "codes/CodeFileLoader.h"
#include "fuzz/FuzzSupport.h"

namespace {
using fuzz::Quoted;

// The rule run by run: a leading run of backslashes becomes exactly two, any other run of n
// becomes (n + 1) / 2 (each pair, from the left, one), everything else stays.
QString ExpectedCollapse(QStringView path)
{
    QString out;
    qsizetype i = 0;
    while (i < path.size()) {
        if (path[i] != u'\\') {
            out += path[i++];
            continue;
        }
        const qsizetype start = i;
        while (i < path.size() && path[i] == u'\\')
            ++i;
        const qsizetype run = i - start;
        out += QString(start == 0 ? 2 : (run + 1) / 2, u'\\');
    }
    return out;
}

// Whether a run of more than two backslashes occurs after the start.
bool HasLongInnerRun(QStringView path)
{
    qsizetype i = 0;
    while (i < path.size() && path[i] == u'\\')
        ++i;
    return QStringView(path).sliced(i).contains(QStringLiteral("\\\\\\"));
}

QString Without(QString text, QChar c)
{
    text.remove(c);
    return text;
}

void CheckCollapse(const QString& path)
{
    const QString collapsed = CollapseDoubleBackslashes(path);
    const QString context =
        QStringLiteral("path ") + Quoted(path) + QStringLiteral("\ncollapsed ") + Quoted(collapsed);

    FUZZ_CHECK(collapsed == ExpectedCollapse(path),
               context + QStringLiteral("\nexpected ") + Quoted(ExpectedCollapse(path)));
    // Only backslashes change.
    FUZZ_CHECK(Without(collapsed, u'\\') == Without(path, u'\\'), context);
    // Never longer, except that one leading backslash becomes two.
    const bool oneLeading = path.startsWith(u'\\') && !path.startsWith(QStringLiteral("\\\\"));
    FUZZ_CHECK(collapsed.size() <= path.size() + (oneLeading ? 1 : 0), context);
    if (path.startsWith(u'\\'))
        FUZZ_CHECK(collapsed.startsWith(QStringLiteral("\\\\")) &&
                       !collapsed.startsWith(QStringLiteral("\\\\\\")),
                   context);
    else
        FUZZ_CHECK(path.isEmpty() ? collapsed.isEmpty() : collapsed.startsWith(path[0]), context);

    // A path joined from clean parts (no run longer than a doubled separator) comes out with
    // no doubled backslash after the leading pair, and a second repair changes nothing.
    if (!HasLongInnerRun(path)) {
        FUZZ_CHECK(collapsed.indexOf(QStringLiteral("\\\\"), 1) < 0, context);
        FUZZ_CHECK(CollapseDoubleBackslashes(collapsed) == collapsed, context);
    }
    // Repeated repairs only ever shorten.
    FUZZ_CHECK(CollapseDoubleBackslashes(collapsed).size() <= collapsed.size(), context);
}

void CheckJoin(const QString& folder, const QString& name)
{
    const QString context =
        QStringLiteral("folder ") + Quoted(folder) + QStringLiteral("\nname ") + Quoted(name);

    const QString windows = JoinSelectedFile(folder, name, u'\\');
    FUZZ_CHECK(windows == CollapseDoubleBackslashes(folder + u'\\' + name),
               context + QStringLiteral("\njoined ") + Quoted(windows));
    if (!folder.isEmpty() && !folder.contains(u'\\') && !name.contains(u'\\'))
        FUZZ_CHECK(windows == folder + u'\\' + name,
                   context + QStringLiteral("\njoined ") + Quoted(windows));
    // A folder that ends in its own separator gets no second one.
    if (folder.endsWith(u'\\') && !folder.endsWith(QStringLiteral("\\\\")) &&
        Without(folder, u'\\').size() > 0 && !name.contains(u'\\'))
        FUZZ_CHECK(windows.endsWith(QChar(u'\\') + name) &&
                       !windows.endsWith(QStringLiteral("\\\\") + name),
                   context + QStringLiteral("\njoined ") + Quoted(windows));

    // Elsewhere a backslash is part of a name: the parts stay as they are, with one separator
    // between them unless the folder ends in one.
    const QString posix = JoinSelectedFile(folder, name, u'/');
    const QString posixContext = context + QStringLiteral("\njoined ") + Quoted(posix);
    FUZZ_CHECK(posix.startsWith(folder) && posix.endsWith(name), posixContext);
    if (folder.endsWith(u'/'))
        FUZZ_CHECK(posix.size() == folder.size() + name.size(), posixContext);
    else
        FUZZ_CHECK(posix.size() == folder.size() + 1 + name.size() && posix[folder.size()] == u'/',
                   posixContext);
}
} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    for (const QString& text : fuzz::Readings(data, size)) {
        CheckCollapse(text);
        const qsizetype lineEnd = text.indexOf(u'\n');
        if (lineEnd < 0)
            CheckJoin(text, QString());
        else
            CheckJoin(text.first(lineEnd), text.sliced(lineEnd + 1));
    }
    return 0;
}
