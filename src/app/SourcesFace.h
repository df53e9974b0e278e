#pragma once

#include <memory>

struct AppConfig;
struct Platform;

// What the main window asks of the sources' side: "Lookup -> Sources...", with its keys, tests
// and source files. The window knows it by this alone; app/sources gives the one there is
// (MakeSourcesEditor).
class SourcesFace
{
public:
    virtual ~SourcesFace() = default;

    // Shows the Sources dialog over the choice in effect. True when a new choice was saved, which
    // the next run asks; a source the user added from a file joins `config`.
    virtual bool EditSources(AppConfig& config) = 0;
};

std::unique_ptr<SourcesFace> MakeSourcesEditor(const Platform& platform);
