#include "app/window/SkinLoader.h"

#include "platform/FileSystem.h"
#include "platform/Form1Window.h"
#include "platform/SkinComponent.h"

#include <QDir>

QString SkinFilePath(const QString& applicationFolder)
{
    return QDir::toNativeSeparators(QDir(applicationFolder).filePath(kSkinFileName.toString()));
}

void SkinLoader::ApplySkin()
{
    if (!m_platform.files.fileFound(SkinFilePath(m_applicationFolder)))
        return;
    m_platform.window.setBackColorToButtonFace();
    SkinComponent& skin = m_platform.skin;
    skin.loadSkin(SkinFilePath(m_applicationFolder));
    skin.setOptions(skin.options() | SkinOption::SkinWindow);
    skin.setSkinDialogs(true);
    skin.setFollowFileChanges(true);
    skin.applyToWindow();
}
