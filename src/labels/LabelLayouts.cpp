#include "labels/LabelLayouts.h"

#include "common/OperationFailed.h"
#include "platform/FileSystem.h"

#include <QCoreApplication>
#include <QFileInfo>

const LayoutEntry* LayoutsRead::find(const QString& name) const
{
    for (const LayoutEntry& entry : entries) {
        if (entry.layout.name == name)
            return &entry;
    }
    return nullptr;
}

LayoutsRead ReadLabelLayouts(const FileSystem& files, const LayoutFolders& folders,
                             const QString& named)
{
    LayoutsRead read;
    const auto readOne = [&](const QString& path, const QString& origin, bool fatal) {
        const QString fileName = QFileInfo(path).fileName();
        QString problem;
        try {
            const FileSystem::Contents contents = files.readFile(path, kLargestLayoutFile);
            const auto layout = ReadLabelLayout(
                fileName,
                contents.overLimit ? QByteArray(kLargestLayoutFile + 1, ' ') : contents.bytes);
            if (const LabelLayout* taken = std::get_if<LabelLayout>(&layout)) {
                read.entries.removeIf(
                    [&](const LayoutEntry& entry) { return entry.layout.name == taken->name; });
                read.entries.append(LayoutEntry{*taken, origin, path});
                return;
            }
            problem = std::get<QString>(layout);
        } catch (const OperationFailed& failure) {
            problem = fileName + u": " + failure.description();
        }
        read.problems.append(problem);
        if (fatal)
            read.fatal = problem;
    };
    for (const QString& folder : folders.presets) {
        for (const QString& path : files.filesIn(folder, QStringLiteral(".json")))
            readOne(path, QStringLiteral("preset"), false);
    }
    if (!folders.user.isEmpty()) {
        for (const QString& path : files.filesIn(folders.user, QStringLiteral(".json")))
            readOne(path, QStringLiteral("your folder"), false);
    }
    if (!named.isEmpty())
        readOne(named, QStringLiteral("--layout-file"), true);
    return read;
}

QString LayoutListing(const LayoutsRead& read)
{
    qsizetype widest = 0;
    for (const LayoutEntry& entry : read.entries)
        widest = std::max(widest, entry.layout.name.size());
    QString listing;
    for (const LayoutEntry& entry : read.entries) {
        const LabelLayout& layout = entry.layout;
        //: One line of --list-layouts: %1 the layout's sizes, %2 where it comes from ("preset",
        //: "your folder", "--layout-file"), %3 its description.
        listing += layout.name.leftJustified(widest + 2) +
                   QCoreApplication::translate("LabelLayouts", "%1 (%2) %3")
                       .arg(LayoutSummary(layout), entry.origin, layout.description)
                       .trimmed() +
                   u'\n';
    }
    return listing;
}
