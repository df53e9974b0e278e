#include "desktop/window/ScanSounds.h"
#include "desktop/window/WaveSound.h"

#include <QFile>

// windows.h first: mmsystem.h uses its types without including it.
// clang-format off
#include <windows.h>
#include <mmsystem.h>
// clang-format on

namespace {
const char* SoundFile(int signal)
{
    static const char* const files[] = {":/quillfen/sounds/found.wav",
                                        ":/quillfen/sounds/not-found.wav",
                                        ":/quillfen/sounds/invalid.wav"};
    return files[signal];
}
} // namespace

struct ScanSounds::Players
{
    // PlaySoundW reads the sound from memory while it plays: each stays here until the end.
    QByteArray waves[3];
    bool checked = false;
    bool available = false;
    bool started = false;
};

ScanSounds::ScanSounds()
    : m_players(std::make_unique<Players>())
{}

ScanSounds::~ScanSounds()
{
    // Stopped before the memory it plays from goes.
    if (m_players->started)
        PlaySoundW(nullptr, nullptr, 0);
}

bool ScanSounds::play(ScanSignal signal)
{
    if (!m_players->checked) {
        m_players->checked = true;
        m_players->available = waveOutGetNumDevs() > 0;
    }
    if (!m_players->available)
        return false;
    const int which = int(signal);
    QByteArray& wave = m_players->waves[which];
    if (wave.isEmpty()) {
        QFile file(QString::fromLatin1(SoundFile(which)));
        if (!file.open(QIODevice::ReadOnly))
            return false;
        wave = WaveAtVolume(file.readAll(), kVolume);
        if (wave.isEmpty())
            return false;
    }
    // A new sound cuts the one still playing short, as a quick second scan should.
    m_players->started = true;
    return PlaySoundW(reinterpret_cast<LPCWSTR>(wave.constData()), nullptr,
                      SND_MEMORY | SND_ASYNC | SND_NODEFAULT) != FALSE;
}
