#pragma once

#include <QByteArray>
#include <QTemporaryDir>
#include <QtGlobal>

// Points the window's remembered answers, settings, index and session file at a folder of the
// benchmark's own, not the user's, and draws off screen unless a platform was named. Called
// before the QApplication is made.
inline void UseWindowHome(const QTemporaryDir& home)
{
    qputenv("XDG_CACHE_HOME", home.filePath(QStringLiteral("cache")).toUtf8());
    qputenv("XDG_DATA_HOME", home.filePath(QStringLiteral("data")).toUtf8());
    qputenv("XDG_CONFIG_HOME", home.filePath(QStringLiteral("config")).toUtf8());
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
}
