#include "common/MainRoutines.h"

#include "common/ProgramEnding.h"
#include "platform/FileSystem.h"

#include <QFileInfo>

QString FileNameFromPath(const QString& text)
{
    const qsizetype slash = text.lastIndexOf(u'\\');
    return slash < 0 ? text : text.mid(slash + 1);
}

QString WithDefaultExtension(const QString& fileName, QStringView extension)
{
    if (fileName.isEmpty() || !QFileInfo(fileName).suffix().isEmpty())
        return fileName;
    const QString dot = fileName.endsWith(u'.') ? QString() : QStringLiteral(".");
    return fileName + dot + extension;
}

bool FileExists(const FileSystem& files, const QString& path)
{
    try {
        return files.modificationTimeReadable(path);
    } catch (const ProgramEnding&) {
        throw;
    } catch (...) {
        return false;
    }
}

QString TrimSpaces(QStringView text)
{
    qsizetype begin = 0;
    qsizetype end = text.size();
    while (begin < end && text[begin] == u' ')
        ++begin;
    while (end > begin && text[end - 1] == u' ')
        --end;
    return text.mid(begin, end - begin).toString();
}
