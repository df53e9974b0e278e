#include "app/LookupSetup.h"

#include "index/IndexSource.h"
#include "lookup/CatalogueSource.h"
#include "lookup/JsonFileSource.h"
#include "lookup/OpenFoodFactsSource.h"
#include "lookup/OpenLibrarySource.h"
#include "lookup/PageServiceSource.h"
#include "lookup/UpcItemDbSource.h"
#include "platform/ProductIndex.h"
#include "platform/SettingsStore.h"

#include <QCoreApplication>
#include <QLocale>
#include <QRandomGenerator>

SourceChoice ChooseSources(const AppConfig& config, const QString& savedSources, bool indexPresent)
{
    if (!config.sources.isEmpty())
        return SourceChoice{config.sources, false};
    if (config.serviceUrlNamed)
        return SourceChoice{{SourceName::Page.toString()}, false};
    if (!savedSources.isEmpty()) {
        const SourceListResult saved = ParseSourceList(savedSources, FileSourceNames(config));
        if (saved.error.isEmpty())
            return SourceChoice{saved.names, false};
    }
    SourceChoice choice{{SourceName::OpenFoodFacts.toString(), SourceName::OpenLibrary.toString()},
                        true};
    if (indexPresent)
        choice.names.prepend(SourceName::Index.toString());
    return choice;
}

bool FillGapsFor(const AppConfig& config, const QString& saved)
{
    return config.fillGaps || saved.trimmed() == u"1";
}

QString ChooseServiceUrl(const AppConfig& config, const QString& savedServiceUrl)
{
    if (!config.serviceUrlNamed && IsServiceUrl(savedServiceUrl))
        return savedServiceUrl;
    return config.serviceUrl;
}

QList<AddressInUse> SourceAddresses(const QString& name, const AppConfig& config,
                                    const QString& serviceUrl)
{
    if (name == SourceName::Page)
        return {{{}, serviceUrl}};
    if (name == SourceName::OpenFoodFacts)
        return {{{}, config.openFoodFactsUrl}};
    if (name == SourceName::OpenLibrary) {
        //: What an address in the About box is for: the books' cover pictures.
        const QString covers = QCoreApplication::translate("LookupSetup", "covers");
        return {{{}, config.openLibraryUrl}, {covers, config.coversUrl}};
    }
    if (name == SourceName::UpcItemDb)
        return {{{}, config.upcItemDbUrl}};
    if (name == SourceName::Index)
        return {
            {QCoreApplication::translate("LookupSetup", "pictures"), config.imagesUrl},
            {QCoreApplication::translate("LookupSetup", "product pages"), config.openFoodFactsUrl}};
    for (const FileSourceEntry& entry : config.fileSources) {
        if (entry.description.name != name)
            continue;
        if (const auto& catalogue = entry.description.catalogue)
            return {
                {{},
                 CatalogueAddress(CatalogueAt(entry.address, *catalogue).value_or(*catalogue))}};
        // The template's own scheme, host and port, or those that replace them.
        const QUrl url(entry.description.url.section(u'{', 0, 0));
        QUrl shown = url.adjusted(QUrl::RemovePath | QUrl::RemoveQuery);
        if (!entry.address.isEmpty()) {
            const QUrl replacement(entry.address);
            shown.setScheme(replacement.scheme());
            shown.setHost(replacement.host());
            shown.setPort(replacement.port());
        }
        return {{{}, shown.toString()}};
    }
    return {};
}

QByteArray OpenDatabaseAgent(const QString& contact)
{
    return QByteArrayLiteral("Quillfen/" QUILLFEN_VERSION " (") + contact.toLatin1() + ')';
}

ChainOptions LookupChainOptions(const AppConfig& config)
{
    ChainOptions options;
    options.agent = OpenDatabaseAgent(config.contact);
    options.parallel = config.parallel;
    options.fillGaps = config.fillGaps;
    options.jitter = [] { return QRandomGenerator::global()->generateDouble(); };
    return options;
}

QString LocaleLanguage()
{
    const QString language = QLocale::system().name().section(u'_', 0, 0).toLower();
    return language == u"c" || language == u"en" ? QString() : language;
}

QString ContentLanguage(const AppConfig& config)
{
    if (config.language.isEmpty())
        return LocaleLanguage();
    const QString language = config.language.section(u'_', 0, 0).section(u'-', 0, 0).toLower();
    return language == u"en" ? QString() : language;
}

QStringList IndexLanguagesFor(const AppConfig& config)
{
    if (!config.indexLanguages.isEmpty())
        return config.indexLanguages;
    return {ContentLanguage(config), LocaleLanguage()};
}

std::vector<std::unique_ptr<LookupSource>> MakeSources(const QStringList& names,
                                                       const AppConfig& config,
                                                       const QString& serviceUrl,
                                                       ProductIndex* index, const QString& language)
{
    const auto pace = [&config](QStringView name, int fallback) {
        return config.perMinute.value(name.toString(), fallback);
    };
    std::vector<std::unique_ptr<LookupSource>> sources;
    for (const QString& name : names) {
        if (name == SourceName::Page) {
            sources.push_back(std::make_unique<PageServiceSource>(serviceUrl));
        } else if (name == SourceName::OpenFoodFacts) {
            sources.push_back(std::make_unique<OpenFoodFactsSource>(
                config.openFoodFactsUrl, language,
                pace(SourceName::OpenFoodFacts, OpenFoodFactsSource::kDefaultPerMinute)));
        } else if (name == SourceName::OpenLibrary) {
            sources.push_back(std::make_unique<OpenLibrarySource>(
                config.openLibraryUrl,
                pace(SourceName::OpenLibrary, OpenLibrarySource::kDefaultPerMinute),
                config.coversUrl));
        } else if (name == SourceName::UpcItemDb) {
            sources.push_back(std::make_unique<UpcItemDbSource>(
                config.upcItemDbUrl,
                pace(SourceName::UpcItemDb, UpcItemDbSource::kDefaultPerMinute)));
        } else if (name == SourceName::Index && index) {
            sources.push_back(std::make_unique<IndexSource>(*index, config.imagesUrl,
                                                            config.openFoodFactsUrl, language));
        } else {
            for (const FileSourceEntry& entry : config.fileSources) {
                if (entry.description.name != name)
                    continue;
                JsonFileSource::KeyProvider key;
                if (config.keyFor)
                    key = [keyFor = config.keyFor, name] { return keyFor(name); };
                if (entry.description.catalogue)
                    sources.push_back(
                        std::make_unique<CatalogueSource>(entry.description, key, entry.address));
                else
                    sources.push_back(
                        std::make_unique<JsonFileSource>(entry.description, key, entry.address));
            }
        }
    }
    return sources;
}

std::vector<std::unique_ptr<LookupSource>> ChooseBatchSources(const AppConfig& config,
                                                              const SettingsStore& settings,
                                                              ProductIndex& index,
                                                              bool& defaultOrder)
{
    const auto saved = [&settings](QStringView name) {
        return settings.getSetting(kSettingsApplication.toString(), kSettingsSection.toString(),
                                   name.toString(), {});
    };
    const IndexInfo info = index.info();
    const SourceChoice choice =
        ChooseSources(config, saved(kSourcesValueName), info.exists && info.problem.isEmpty());
    defaultOrder = choice.defaultOrder;
    return MakeSources(choice.names, config, ChooseServiceUrl(config, saved(kServiceUrlValueName)),
                       &index, ContentLanguage(config));
}
