#include "desktop/window/ScanSounds.h"

#include <QAudioDevice>
#include <QMediaDevices>
#include <QSoundEffect>
#include <QUrl>

namespace {
const char* SoundFile(int signal)
{
    static const char* const files[] = {"qrc:/quillfen/sounds/found.wav",
                                        "qrc:/quillfen/sounds/not-found.wav",
                                        "qrc:/quillfen/sounds/invalid.wav"};
    return files[signal];
}

// Qt's PulseAudio backend tells standard error, as an uncategorised warning, that it found no
// sound server ("PulseAudioService: pa_context_connect() failed"). On a machine without sound
// that is no news: the window stays silent, and says nothing either.
QtMessageHandler gPassedOn = nullptr;

void WithoutSoundServerWarning(QtMsgType type, const QMessageLogContext& context,
                               const QString& message)
{
    if (message.startsWith(u"PulseAudioService:"))
        return;
    if (gPassedOn)
        gPassedOn(type, context, message);
}

bool SoundOutputAvailable()
{
    gPassedOn = qInstallMessageHandler(WithoutSoundServerWarning);
    const bool available = !QMediaDevices::audioOutputs().isEmpty();
    qInstallMessageHandler(gPassedOn);
    return available;
}
} // namespace

struct ScanSounds::Players
{
    std::unique_ptr<QSoundEffect> effects[3];
    bool checked = false;
    bool available = false;
};

ScanSounds::ScanSounds()
    : m_players(std::make_unique<Players>())
{}

ScanSounds::~ScanSounds() = default;

bool ScanSounds::play(ScanSignal signal)
{
    if (!m_players->checked) {
        m_players->checked = true;
        m_players->available = SoundOutputAvailable();
    }
    if (!m_players->available)
        return false;
    const int which = int(signal);
    std::unique_ptr<QSoundEffect>& effect = m_players->effects[which];
    if (!effect) {
        effect = std::make_unique<QSoundEffect>();
        effect->setSource(QUrl(QString::fromLatin1(SoundFile(which))));
        effect->setVolume(kVolume);
    }
    effect->play();
    return true;
}
