#pragma once

#include "app/AppConfig.h"

// The configuration every test that builds the real window starts from: nothing reaches past
// this machine. The built-in defaults name public hosts, so a test must never use them as they
// are.
inline AppConfig LoopbackConfig(const QString& applicationFolder = {})
{
    AppConfig config;
    config.applicationFolder = applicationFolder;
    config.webSiteUrl.clear();
    config.pingHost = QStringLiteral("127.0.0.1");
    config.serviceUrl = QStringLiteral("http://127.0.0.1:9"); // the discard port: refused
    // The open databases too: nothing a test does may reach them.
    config.openFoodFactsUrl = config.serviceUrl;
    config.openLibraryUrl = config.serviceUrl;
    config.upcItemDbUrl = config.serviceUrl;
    config.loopbackOnly = true;
    return config;
}

// The same, asking the lookup service at the given address (one the test started).
inline AppConfig LoopbackConfigForService(const QString& serviceBase)
{
    AppConfig config = LoopbackConfig();
    config.serviceUrl = serviceBase;
    config.serviceUrlNamed = true;
    return config;
}
