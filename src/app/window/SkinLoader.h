#pragma once

#include "platform/Platform.h"

#include <QString>
#include <QStringView>

// The skin file, under the application folder.
inline constexpr QStringView kSkinFileName = u"x/o.cjs";

// The skin file's path, with the system's separators.
QString SkinFilePath(const QString& applicationFolder);

// The optional skin of the main window, applied first thing at start-up.
class SkinLoader final
{
public:
    SkinLoader(const Platform& platform, QString applicationFolder)
        : m_platform(platform)
        , m_applicationFolder(std::move(applicationFolder))
    {}

    // Without a skin file nothing happens. With one, the background takes the button-face colour
    // first, and stays so even when the skin then fails to load (which throws OperationFailed).
    void ApplySkin();

private:
    Platform m_platform;
    QString m_applicationFolder;
};
