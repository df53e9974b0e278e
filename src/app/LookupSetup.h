#pragma once

#include "app/AppConfig.h"
#include "app/SettingsNames.h"
#include "lookup/LookupChain.h"

#include <QByteArray>
#include <QString>
#include <QStringList>

#include <memory>
#include <vector>

class LookupSource;
class ProductIndex;
class SettingsStore;

// The sources a run asks, in order.
struct SourceChoice
{
    QStringList names;
    // The built-in order: books then go to Open Library first.
    bool defaultOrder = false;
};

// The command line and the environment win; then what the Sources dialog saved; then the page
// service alone when its address was named; then the product index (when one was imported), Open
// Food Facts and Open Library.
SourceChoice ChooseSources(const AppConfig& config, const QString& savedSources, bool indexPresent);

// Whether the window's runs fill the gaps: --fill-gaps (or QUILLFEN_FILL_GAPS=1) for this session,
// else the saved choice.
bool FillGapsFor(const AppConfig& config, const QString& saved);

// The page service's address: named on the command line or in the environment, else saved in the
// Sources dialog, else the placeholder that never answers.
QString ChooseServiceUrl(const AppConfig& config, const QString& savedServiceUrl);

// One address a source asks, as the About box names it: what it is for ("covers"; empty for the
// source's own answers) and the address in effect, overrides and all.
struct AddressInUse
{
    QString purpose;
    QString url;

    bool operator==(const AddressInUse&) const = default;
};

// The addresses the source of that name asks, as MakeSources builds it.
QList<AddressInUse> SourceAddresses(const QString& name, const AppConfig& config,
                                    const QString& serviceUrl);

// "Quillfen/<version> (<contact>)": who is asking, as the open databases want to be told.
QByteArray OpenDatabaseAgent(const QString& contact);

// The chain's options as the command line and the environment set them: who is asking, how many
// page service requests at once, a random jitter for backing off.
ChainOptions LookupChainOptions(const AppConfig& config);

// The language of the user's locale for local product names ("fr"), or empty for English and
// for the C locale.
QString LocaleLanguage();
// The language product names are asked in: --language or QUILLFEN_LANGUAGE, else the desktop's;
// empty for English.
QString ContentLanguage(const AppConfig& config);
// The languages an import keeps names in: --languages, else the language of names and the
// desktop's.
QStringList IndexLanguagesFor(const AppConfig& config);

// The sources, built from their names with their addresses and paces. The index source needs
// the index; without one it is left out.
std::vector<std::unique_ptr<LookupSource>>
MakeSources(const QStringList& names, const AppConfig& config, const QString& serviceUrl,
            ProductIndex* index, const QString& language);

// The sources as the window would ask them: the command line and the environment, then what the
// Sources dialog saved, then the default order with the index first when one was imported.
std::vector<std::unique_ptr<LookupSource>> ChooseBatchSources(const AppConfig& config,
                                                              const SettingsStore& settings,
                                                              ProductIndex& index,
                                                              bool& defaultOrder);
