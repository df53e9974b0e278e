#pragma once

#include "app/window/Form1.h"
#include "program/QtPlatform.h"
#include "support/FakeChance.h"
#include "support/LoopbackConfig.h"

// The real main window with its behaviour behind it, started the way the program starts it:
// events connected, the load handler run, the window shown. Needs a QApplication.
struct RealWindow
{
    explicit RealWindow(const AppConfig& configuration = LoopbackConfig())
        : config(configuration)
        , form(platform.services(), config, chance)
    {
        ConnectForm1(platform, form);
        form.Form_Load();
        platform.window().show();
    }

    QtForm1Window& window() { return platform.window(); }

    QtPlatform platform{QStringLiteral("Quillfen")};
    FakeChance chance;
    AppConfig config;
    Form1 form;
};
