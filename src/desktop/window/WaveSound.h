#pragma once

#include <QByteArray>

// A RIFF WAVE sound of 16-bit PCM samples with every sample scaled by `volume` (0 to 1), for a
// player that has no volume of its own (PlaySoundW). Empty when the bytes are not such a sound,
// so that nothing but a well-formed sound reaches the player.
QByteArray WaveAtVolume(const QByteArray& wave, float volume);
