#pragma once

#include <QProcessEnvironment>
#include <QString>
#include <QStringList>

#include <optional>

inline constexpr QStringView kProductName = u"Quillfen";
// The maker's web site, opened now and then at start-up.
inline constexpr QStringView kMakerWebSite = u"https://www.zandrik.example/quillfen/";
// The lookup service. No public address is built in: this one lies on a reserved domain that
// never resolves, so every code fails with "host not found" until --service-url or
// QUILLFEN_SERVICE_URL names the service to ask.
inline constexpr QStringView kServiceUrlPlaceholder = u"http://ean-lookup.example";

// The host the start-up check pings: one of the big public name servers, which answer pings and
// are rarely down.
inline constexpr QStringView kDefaultPingHost = u"dns.google";

// Everything about where the program runs and what it talks to, settled once at start-up.
// Every outside address can be overridden so that tests never leave the machine.
struct AppConfig
{
    QString productName = kProductName.toString();
    // The folder that holds the program file; the optional skin and pointer files lie in it.
    QString applicationFolder;
    // Empty: the web site is never opened.
    QString webSiteUrl = kMakerWebSite.toString();
    // The host the connectivity check pings at start-up.
    QString pingHost = kDefaultPingHost.toString();
    // Scheme, host, optional port and optional path of the lookup service (an http or https
    // address); the lookup's own path and query go behind it.
    QString serviceUrl = kServiceUrlPlaceholder.toString();
};

struct CommandLineResult
{
    std::optional<AppConfig> config; // empty when the program should not start
    QString message;                 // help, version or what was wrong with the options
    int exitCode = 0;
};

// Whether a text can stand as the ping host on the ping command line: a name or an address, no
// spaces, not taken for an option.
bool IsAcceptablePingHost(const QString& host);

// True for an address the lookup run can put its path and query behind: http or https, a host.
bool IsServiceUrl(const QString& url);

// Reads the options and the QUILLFEN_* environment variables; the options win.
CommandLineResult ParseCommandLine(const QStringList& arguments,
                                   const QProcessEnvironment& environment,
                                   const QString& applicationFolder);
