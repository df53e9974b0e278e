#include "app/sources/FileSources.h"

#include "app/sources/SourcesSetting.h"
#include "common/OperationFailed.h"
#include "lookup/CatalogueSource.h"
#include "platform/FileSystem.h"

#include <QCoreApplication>
#include <QFileInfo>

FileSourcesRead ReadFileSources(const FileSystem& files, const SourceFolders& folders,
                                const QStringList& named, const QProcessEnvironment& environment)
{
    FileSourcesRead read;
    const auto readOne = [&](const QString& path, const QString& origin, bool fatal) {
        const QString fileName = QFileInfo(path).fileName();
        QString problem;
        try {
            const FileSystem::Contents contents = files.readFile(path, kLargestSourceFile);
            auto described = ReadSourceFile(fileName, contents.overLimit
                                                          ? QByteArray(kLargestSourceFile + 1, ' ')
                                                          : contents.bytes);
            if (const QString* refused = std::get_if<QString>(&described)) {
                problem = *refused;
            } else {
                SourceDescription& description = std::get<SourceDescription>(described);
                if (KnownSourceNames().contains(description.name)) {
                    //: %1 is a file, "name" the field in it (keep it), %2 the name it gives.
                    problem = QCoreApplication::translate("FileSources",
                                                          "%1: name: \"%2\" is a built-in source's")
                                  .arg(fileName, description.name);
                } else {
                    const QString variable =
                        QStringLiteral("QUILLFEN_") + description.name.toUpper() + u"_URL";
                    const QString address = environment.value(variable).trimmed();
                    if (description.catalogue && !address.isEmpty() &&
                        !CatalogueAt(address, *description.catalogue)) {
                        //: %1 is an environment variable, %2 its value.
                        read.fatal = QCoreApplication::translate(
                                         "FileSources", "%1 is neither an SRU address (http:// "
                                                        "or https://) nor z3950://HOST:PORT/"
                                                        "DATABASE: %2")
                                         .arg(variable, address);
                        return;
                    }
                    if (!description.catalogue && !address.isEmpty() && !IsServiceUrl(address)) {
                        //: %1 is an environment variable, %2 its value.
                        read.fatal =
                            QCoreApplication::translate(
                                "FileSources", "%1 is not an http:// or https:// address: %2")
                                .arg(variable, address);
                        return;
                    }
                    // As for the built-in sources: a stand-in or a plan of one's own may take more.
                    const QString paceVariable =
                        QStringLiteral("QUILLFEN_") + description.name.toUpper() + u"_PER_MINUTE";
                    if (const QString pace = environment.value(paceVariable); !pace.isEmpty()) {
                        bool ok = false;
                        description.perMinute = pace.toInt(&ok);
                        if (!ok || description.perMinute < 1) {
                            //: %1 is an environment variable, %2 its value.
                            read.fatal = QCoreApplication::translate(
                                             "FileSources", "%1 wants a whole number of requests "
                                                            "a minute, 1 or more, not \"%2\".")
                                             .arg(paceVariable, pace);
                            return;
                        }
                    }
                    read.entries.removeIf([&](const FileSourceEntry& entry) {
                        return entry.description.name == description.name;
                    });
                    read.entries.append(
                        FileSourceEntry{std::move(description), origin, path, address});
                    return;
                }
            }
        } catch (const OperationFailed& failure) {
            problem = fileName + u": " + failure.description();
        }
        read.problems.append(problem);
        if (fatal && read.fatal.isEmpty())
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
    for (const QString& path : named)
        readOne(path, QStringLiteral("--source-file"), true);
    return read;
}

QString CheckChosenSources(const AppConfig& config)
{
    // A key given for a source there is not is a typing mistake that would otherwise leave the
    // source it was meant for without its key, silently.
    const QStringList fileSources = FileSourceNames(config);
    QStringList keyed = config.keyFiles.keys();
    keyed.sort();
    for (const QString& name : keyed) {
        if (!KnownSourceNames().contains(name) && !fileSources.contains(name))
            //: %1 is a source name as given with --key-file NAME=PATH.
            return QCoreApplication::translate("FileSources",
                                               "--key-file %1=...: no source named %1")
                .arg(name);
    }
    if (config.sources.isEmpty())
        return {};
    const SourceListResult parsed = ParseSourceList(config.sources.join(u','), fileSources);
    //: %1 says which source is wrong; the option and the variable name where it was chosen.
    return parsed.error.isEmpty()
               ? QString()
               : QCoreApplication::translate("FileSources", "%1 (--sources or QUILLFEN_SOURCES)")
                     .arg(parsed.error);
}

QString SourceListing(const AppConfig& config, const SourceChoice& choice,
                      const std::function<QString(const QString&)>& keyOrigin)
{
    QStringList lines{QStringLiteral("NAME\tFROM\tKEY\tIN USE")};
    const auto inUse = [&choice](const QString& name) {
        return choice.names.contains(name) ? QStringLiteral("yes") : QStringLiteral("no");
    };
    for (const QString& name : KnownSourceNames())
        lines.append(name + QStringLiteral("\tbuilt in\t-\t") + inUse(name));
    for (const FileSourceEntry& entry : config.fileSources) {
        const SourceDescription& source = entry.description;
        QString key = QStringLiteral("-");
        if (source.key != SourceDescription::KeyUse::None) {
            const QString origin = keyOrigin(source.name);
            key = !origin.isEmpty() ? QStringLiteral("given (") + origin + u')'
                  : source.key == SourceDescription::KeyUse::Required
                      ? QStringLiteral("missing")
                      : QStringLiteral("none (optional)");
        }
        lines.append(source.name + u'\t' + entry.origin + u" (" + entry.path + u")\t" + key +
                     u'\t' + inUse(source.name));
    }
    return lines.join(u'\n') + u'\n';
}
