#pragma once

#include "platform/SkinComponent.h"

#include <QFileSystemWatcher>
#include <QObject>

class QWidget;

// A skin is a Qt style sheet in a text file. Applying it sets it on the main window (option
// SkinWindow) and, with dialogs skinned, on the whole application, which reaches the boxes that
// stand alone before the window shows.
class QtSkinComponent final : public QObject, public SkinComponent
{
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(QtSkinComponent)
public:
    explicit QtSkinComponent(QWidget& window);

    void loadSkin(const QString& path) override;
    int options() const override { return m_options; }
    void setOptions(int options) override { m_options = options; }
    void setSkinDialogs(bool on) override { m_skinDialogs = on; }
    void setFollowFileChanges(bool on) override;
    void applyToWindow() override;

    const QString& styleSheet() const { return m_styleSheet; }

    // A skin larger than this is no style sheet.
    static constexpr qint64 kMaxSkinBytes = 4 * 1024 * 1024;

private:
    void fileChanged();
    void watch();

    QWidget& m_window;
    QString m_path;
    QString m_styleSheet;
    int m_options = 0;
    bool m_skinDialogs = false;
    bool m_followFileChanges = false;
    bool m_applied = false;
    bool m_skinnedApplication = false;
    QFileSystemWatcher m_watcher;
};
