#pragma once

#include "lookup/JsonFileSource.h"

#include <QHash>
#include <QProcessEnvironment>
#include <QString>
#include <QStringList>

#include <functional>
#include <optional>

inline constexpr QStringView kProductName = u"Quillfen";
// The maker's web site, opened now and then at start-up, and the contact the open databases see
// in every request's User-Agent.
inline constexpr QStringView kMakerWebSite = u"https://www.zandrik.example/quillfen/";
// The page service. No public address is built in: this one lies on a reserved domain that never
// resolves, so every code fails with "host not found" until --service-url or
// QUILLFEN_SERVICE_URL names the service to ask.
inline constexpr QStringView kServiceUrlPlaceholder = u"http://ean-lookup.example";

// The host the start-up check pings: one of the big public name servers, which answer pings and
// are rarely down.
inline constexpr QStringView kDefaultPingHost = u"dns.google";

// The lookup sources, by the names --sources and the settings use.
namespace SourceName {
inline constexpr QStringView Index = u"index";
inline constexpr QStringView Page = u"page";
inline constexpr QStringView OpenFoodFacts = u"openfoodfacts";
inline constexpr QStringView OpenLibrary = u"openlibrary";
inline constexpr QStringView UpcItemDb = u"upcitemdb";
} // namespace SourceName
// Every source there is, in the order the Sources dialog lists them.
QStringList KnownSourceNames();

// Where the open databases answer unless QUILLFEN_<SOURCE>_URL says otherwise.
inline constexpr QStringView kOpenFoodFactsBase = u"https://world.openfoodfacts.org";
inline constexpr QStringView kOpenLibraryBase = u"https://openlibrary.org";
inline constexpr QStringView kUpcItemDbBase = u"https://api.upcitemdb.com";
// Where Open Library's covers and Open Food Facts' product pictures are (QUILLFEN_COVERS_URL,
// QUILLFEN_IMAGES_URL): the index keeps a picture's address as a short part of it.
inline constexpr QStringView kOpenLibraryCoversBase = u"https://covers.openlibrary.org";
inline constexpr QStringView kOpenFoodFactsImagesBase = u"https://images.openfoodfacts.org";
// Where the product database export is published, unless QUILLFEN_INDEX_URL says otherwise.
inline constexpr QStringView kIndexDownloadUrl =
    u"https://static.openfoodfacts.org/data/en.openfoodfacts.org.products.csv.gz";

inline constexpr int kMaxParallel = 16;

// A source described in a file, and where it came from.
struct FileSourceEntry
{
    SourceDescription description;
    QString origin; // "preset", "your folder", "--source-file"
    QString path;
    // QUILLFEN_<NAME>_URL: the scheme, host and port asked instead of the file's; empty if none.
    QString address;
};

// What the program was started to do.
enum class RunMode {
    Window,        // the desktop window
    Batch,         // --batch: codes in, a results file out, no display
    Scan,          // --scan: scans in from standard input, a row out for each, no display
    ImportIndex,   // --import-index FILE...
    DownloadIndex, // --download-index
    UpdateIndex,   // --update-index
    ListSources,   // --list-sources
};

// What batch mode reads and writes.
struct BatchOptions
{
    QStringList inputs; // files; empty or "-": standard input
    QString output;     // empty: standard output
    QString format;     // csv, tsv, json, jsonl, xlsx; empty: from the output's extension
    // The columns, comma-separated names in their order ("all": every column), already checked.
    QString columns = QStringLiteral("all");
    bool quiet = false;
    // Spreadsheet inputs: the sheet (a name, or a number from 1) and the code column (a header,
    // a letter or a number from 1); empty for the ones Quillfen chooses.
    QString sheet;
    QString column;
    // Each output row is the input row followed by the answers.
    bool keepColumns = false;
};

// Everything about where the program runs and what it talks to, settled once at start-up.
// Every outside address can be overridden so that tests never leave the machine.
struct AppConfig
{
    RunMode mode = RunMode::Window;
    QString productName = kProductName.toString();
    // The folder the optional skin and pointer files lie in: beside the program in a build tree,
    // the program's data folder under the prefix once installed.
    QString applicationFolder;
    // Code files named on the command line for the window, loaded into the list at start-up (the
    // menu entry's %F, the file manager's Open With).
    QStringList openFiles;
    // Empty: the web site is never opened.
    QString webSiteUrl = kMakerWebSite.toString();
    // The host the connectivity check pings at start-up.
    QString pingHost = kDefaultPingHost.toString();
    // Scheme, host, optional port and optional path of the page service (an http or https
    // address); the lookup's own path and query go behind it.
    QString serviceUrl = kServiceUrlPlaceholder.toString();
    // Named on the command line or in the environment: then it is the only source, unless a
    // source list is named too.
    bool serviceUrlNamed = false;
    // The sources named on the command line or in the environment, in order; empty when none
    // were, and the saved choice or the default order applies.
    QStringList sources;
    // The open databases' base addresses.
    QString openFoodFactsUrl = kOpenFoodFactsBase.toString();
    QString openLibraryUrl = kOpenLibraryBase.toString();
    QString upcItemDbUrl = kUpcItemDbBase.toString();
    QString coversUrl = kOpenLibraryCoversBase.toString();
    QString imagesUrl = kOpenFoodFactsImagesBase.toString();
    // Requests a minute, by source name, where QUILLFEN_<SOURCE>_PER_MINUTE sets one.
    QHash<QString, int> perMinute;
    // Who the open databases may write to about our requests.
    QString contact = kMakerWebSite.toString();
    // --language, QUILLFEN_LANGUAGE: the language product names are asked in ("de", "pt_BR");
    // empty: the desktop's.
    QString language;
    // --fill-gaps, QUILLFEN_FILL_GAPS=1: a found product that lacks a brand, a quantity or a
    // picture is completed from the next sources that know the code.
    bool fillGaps = false;
    // --no-cache, QUILLFEN_NO_CACHE=1: nothing is remembered between runs.
    bool noCache = false;
    // QUILLFEN_LOOPBACK_ONLY=1: no request leaves this machine.
    bool loopbackOnly = false;
    // How many requests to the page service may be in flight at once.
    int parallel = 1;
    QString indexUrl = kIndexDownloadUrl.toString();
    // QUILLFEN_INDEX_DELTAS_URL: the list of daily change files the index is updated from.
    QString indexChangesUrl =
        QStringLiteral("https://static.openfoodfacts.org/data/delta/index.txt");
    // --import-index FILE...
    QStringList importFiles;
    // --languages de,fr: whose product names an import keeps; empty: the language of names.
    QStringList indexLanguages;
    // --source-file FILE...: sources described in files, for this run.
    QStringList sourceFiles;
    // --key-file NAME=PATH: where a source's key is read from, by source name.
    QHash<QString, QString> keyFiles;
    // The user's own sources folder, where "Add a Source..." keeps a file for later sessions;
    // empty: none, the file is used for this session only.
    QString userSourceFolder;
    // The sources described in files (the program's presets, the user's folder, --source-file),
    // read once at start-up; a name here replaces the same name earlier.
    QList<FileSourceEntry> fileSources;
    // The key of a source described in a file, asked for as each request is made (SourceKeys);
    // unset: no source has a key.
    std::function<SourceKey(const QString& source)> keyFor;
    BatchOptions batch;
};

// The names of the sources described in files.
QStringList FileSourceNames(const AppConfig& config);

struct CommandLineResult
{
    std::optional<AppConfig> config; // empty when the program should not start
    QString message;                 // help, version or what was wrong with the options
    int exitCode = 0;
};

// Whether a text can stand as the ping host on the ping command line: a name or an address, no
// spaces, not taken for an option.
bool IsAcceptablePingHost(const QString& host);

// True for a language as --language takes it: two or three letters, perhaps a region after "_"
// or "-" ("de", "pt_BR", "zh-Hant").
bool IsLanguageCode(const QString& text);

// True for an address the lookup run can put its path and query behind: http or https, a host.
bool IsServiceUrl(const QString& url);

// The names of a comma-separated source list, trimmed and lower-cased, or an error message.
struct SourceListResult
{
    QStringList names;
    QString error;
};
// `fileSources`: the names of the sources described in files, known as well; `anyFileSource`:
// any name of lower-case letters and digits passes, for a list read before the files are.
SourceListResult ParseSourceList(const QString& list, const QStringList& fileSources = {},
                                 bool anyFileSource = false);

// Reads the options and the QUILLFEN_* environment variables; the options win.
CommandLineResult ParseCommandLine(const QStringList& arguments,
                                   const QProcessEnvironment& environment,
                                   const QString& applicationFolder);
