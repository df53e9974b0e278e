#pragma once

#include <QProcessEnvironment>
#include <QString>
#include <QStringList>

#include <optional>

inline constexpr QStringView kProductName = u"Quillfen";
// The maker's web site, opened now and then at start-up.
inline constexpr QStringView kMakerWebSite = u"https://www.zandrik.example/quillfen/";

// Everything about where the program runs and what it talks to, settled once at start-up.
// Every outside address can be overridden so that tests never leave the machine.
struct AppConfig
{
    QString productName = kProductName.toString();
    // The folder that holds the program file; the optional skin and pointer files lie in it.
    QString applicationFolder;
    // Empty: the web site is never opened.
    QString webSiteUrl = kMakerWebSite.toString();
};

struct CommandLineResult
{
    std::optional<AppConfig> config; // empty when the program should not start
    QString message;                 // help, version or what was wrong with the options
    int exitCode = 0;
};

// Reads the options and the QUILLFEN_* environment variables; the options win.
CommandLineResult ParseCommandLine(const QStringList& arguments,
                                   const QProcessEnvironment& environment,
                                   const QString& applicationFolder);
