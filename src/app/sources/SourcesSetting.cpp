#include "app/sources/SourcesSetting.h"

#include "app/LookupSetup.h"
#include "app/SettingsNames.h"
#include "app/sources/FileSources.h"
#include "platform/SettingsStore.h"

#include <QCoreApplication>

namespace {
QString Saved(const SettingsStore& settings, QStringView name)
{
    return settings.getSetting(kSettingsApplication.toString(), kSettingsSection.toString(),
                               name.toString(), {});
}

// The names of a saved list, or none when it cannot be read.
QStringList SavedNames(const QString& list, const AppConfig& config)
{
    if (list.trimmed().isEmpty())
        return {};
    const SourceListResult parsed = ParseSourceList(list, FileSourceNames(config));
    return parsed.error.isEmpty() ? parsed.names : QStringList();
}
} // namespace

SavedSources ReadSavedSources(const SettingsStore& settings)
{
    return SavedSources{Saved(settings, kSourcesValueName), Saved(settings, kSourceOrderValueName),
                        Saved(settings, kServiceUrlValueName), Saved(settings, kFillGapsValueName)};
}

namespace {
void Save(SettingsStore& settings, QStringView name, const QString& value)
{
    settings.saveSetting(kSettingsApplication.toString(), kSettingsSection.toString(),
                         name.toString(), value);
}

void SaveRows(SettingsStore& settings, const QList<SourceRow>& rows)
{
    QStringList ticked;
    QStringList order;
    for (const SourceRow& row : rows) {
        order.append(row.name);
        if (row.ticked)
            ticked.append(row.name);
    }
    Save(settings, kSourcesValueName, ticked.join(u','));
    Save(settings, kSourceOrderValueName, order.join(u','));
}
} // namespace

void SaveSources(SettingsStore& settings, const SourcesDialogState& state)
{
    SaveRows(settings, state.rows);
    Save(settings, kServiceUrlValueName, state.serviceUrl.trimmed());
    Save(settings, kFillGapsValueName, state.fillGaps ? QStringLiteral("1") : QStringLiteral("0"));
}

bool SaveSourceChanges(SettingsStore& settings, const SourcesDialogState& opened,
                       const SourcesDialogState& chosen)
{
    const bool rowsChanged = chosen.rows != opened.rows;
    const bool addressChanged = chosen.serviceUrl.trimmed() != opened.serviceUrl.trimmed();
    if (rowsChanged)
        SaveRows(settings, chosen.rows);
    if (addressChanged)
        Save(settings, kServiceUrlValueName, chosen.serviceUrl.trimmed());
    const bool fillChanged = chosen.fillGaps != opened.fillGaps;
    if (fillChanged)
        Save(settings, kFillGapsValueName,
             chosen.fillGaps ? QStringLiteral("1") : QStringLiteral("0"));
    return rowsChanged || addressChanged || fillChanged;
}

QString SourceDisplayName(const QString& name)
{
    if (name == SourceName::Index)
        return QCoreApplication::translate("SourcesSetting", "Product index");
    if (name == SourceName::OpenFoodFacts)
        return QStringLiteral("Open Food Facts");
    if (name == SourceName::OpenLibrary)
        return QStringLiteral("Open Library");
    if (name == SourceName::UpcItemDb)
        return QStringLiteral("UPCitemdb");
    if (name == SourceName::Page)
        return QCoreApplication::translate("SourcesSetting", "Page service");
    return name;
}

SourcesDialogState SourcesDialogStateFor(const AppConfig& config, const SavedSources& saved,
                                         bool indexPresent)
{
    QStringList ticked = SavedNames(saved.sources, config);
    if (ticked.isEmpty())
        ticked = ChooseSources(config, {}, indexPresent).names;

    // The places: the saved order, else the ticked sources first; every source has one.
    QStringList places = SavedNames(saved.order, config);
    if (places.isEmpty())
        places = ticked;
    for (const QString& name : KnownSourceNames() + FileSourceNames(config))
        if (!places.contains(name))
            places.append(name);

    // The ticked sources take the places of ticked ones in the order they are asked, so that the
    // list from the top down is the order of the run even if the two values disagree.
    SourcesDialogState state;
    qsizetype nextTicked = 0;
    for (const QString& place : std::as_const(places)) {
        const bool isTicked = ticked.contains(place);
        const QString name = isTicked ? ticked[nextTicked++] : place;
        QString shown = SourceDisplayName(name);
        for (const FileSourceEntry& entry : config.fileSources)
            if (entry.description.name == name)
                shown = entry.description.displayName;
        state.rows.append(SourceRow{name, shown, isTicked});
    }

    state.fillGaps =
        saved.fillGaps.trimmed().isEmpty() ? config.fillGaps : saved.fillGaps.trimmed() == u"1";
    if (!saved.serviceUrl.isEmpty())
        state.serviceUrl = saved.serviceUrl;
    else if (config.serviceUrl != kServiceUrlPlaceholder)
        state.serviceUrl = config.serviceUrl; // the placeholder never answers: not worth showing
    return state;
}

QString SourcesProblem(const SourcesDialogState& state)
{
    bool anyTicked = false;
    bool pageTicked = false;
    for (const SourceRow& row : state.rows) {
        anyTicked = anyTicked || row.ticked;
        pageTicked = pageTicked || (row.ticked && row.name == SourceName::Page);
    }
    if (!anyTicked)
        return QCoreApplication::translate("SourcesSetting", "Tick at least one source.");
    const QString url = state.serviceUrl.trimmed();
    if (url.isEmpty()) {
        if (pageTicked)
            return QCoreApplication::translate("SourcesSetting",
                                               "The page service needs an address, such as "
                                               "http://lookup.example.net:8080. Type one, or "
                                               "untick it.");
        return {};
    }
    if (!IsServiceUrl(url))
        //: %1 is the address typed.
        return QCoreApplication::translate(
                   "SourcesSetting",
                   "\"%1\" cannot be used as the page service's address: it must start with "
                   "http:// or https:// and name a host, as in http://lookup.example.net:8080.")
            .arg(url);
    return {};
}

QString SourcesOverrideNote(const AppConfig& config)
{
    if (!config.sources.isEmpty()) {
        QStringList names;
        for (const QString& name : config.sources)
            names.append(SourceDisplayName(name));
        const QString listed = names.join(QStringLiteral(", "));
        if (config.serviceUrlNamed)
            //: %1 lists the sources, %2 is the page service's address.
            return QCoreApplication::translate(
                       "SourcesSetting",
                       "This session asks the sources named on the command line or in the "
                       "environment (%1), and the page service at %2. What you choose here is "
                       "saved for later sessions started without them.")
                .arg(listed, config.serviceUrl);
        //: %1 lists the sources.
        return QCoreApplication::translate(
                   "SourcesSetting",
                   "This session asks the sources named on the command line or in the "
                   "environment (%1). What you choose here is saved for later sessions started "
                   "without them.")
            .arg(listed);
    }
    if (config.serviceUrlNamed)
        //: %1 is the page service's address.
        return QCoreApplication::translate(
                   "SourcesSetting",
                   "This session asks the page service alone, at %1, as named on the command "
                   "line or in the environment. What you choose here is saved for later "
                   "sessions started without it.")
            .arg(config.serviceUrl);
    return {};
}
