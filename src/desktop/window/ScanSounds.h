#pragma once

#include "platform/ScanWindow.h"

#include <QtGlobal>

#include <memory>

// The scan window's three short sounds (found, not found, invalid), started without waiting for
// them to end: through Qt Multimedia on Linux, through PlaySoundW on Windows (ScanSounds_win.cpp).
// Each is made at its first use, and only on a machine with a sound output; a machine without
// one stays silent and says nothing about it.
class ScanSounds final
{
    Q_DISABLE_COPY_MOVE(ScanSounds)
public:
    // Played at three fifths of the recorded loudness: they come with every scan.
    static constexpr float kVolume = 0.6f;

    ScanSounds();
    ~ScanSounds();

    // Starts the sound; false when there is no sound output to hand it to.
    bool play(ScanSignal signal);

private:
    struct Players;
    std::unique_ptr<Players> m_players;
};
