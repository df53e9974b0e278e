#pragma once

// The sources' face: choosing, configuring and testing the sources, their files and their keys.

#include "app/SourcesFace.h"
#include "platform/Platform.h"

// "Lookup -> Sources...": the dialog over the choice in effect, with the actions of its buttons
// (keys, tests, source files), and the choice saved when the user changed it.
class SourcesEditor final : public SourcesFace
{
public:
    explicit SourcesEditor(const Platform& platform)
        : m_platform(platform)
    {}

    bool EditSources(AppConfig& config) override;

private:
    Platform m_platform;
};
