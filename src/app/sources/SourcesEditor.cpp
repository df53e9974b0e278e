#include "app/sources/SourcesEditor.h"

#include "app/sources/SourceTools.h"
#include "app/sources/SourcesSetting.h"
#include "platform/ProductIndex.h"
#include "platform/SourcesDialog.h"

bool SourcesEditor::EditSources(AppConfig& config)
{
    const SourcesDialogState initial = SourcesDialogStateFor(
        config, ReadSavedSources(m_platform.settings), m_platform.productIndex.info().exists);
    SourceTools tools(config, m_platform);
    m_platform.sourcesDialog.setActions(tools.actions());
    // The actions point into this call: they go with it, however it ends.
    struct ForgetActions
    {
        SourcesDialog& dialog;
        ~ForgetActions() { dialog.setActions({}); }
    } forget{m_platform.sourcesDialog};
    const std::optional<SourcesDialogState> chosen =
        m_platform.sourcesDialog.ask(initial, SourcesOverrideNote(config), SourcesProblem);
    // OK with nothing changed saves nothing: a choice made for this session alone (on the
    // command line, in the environment) stays this session's.
    return chosen && SaveSourceChanges(m_platform.settings, initial, *chosen);
}

std::unique_ptr<SourcesFace> MakeSourcesEditor(const Platform& platform)
{
    return std::make_unique<SourcesEditor>(platform);
}
