#pragma once

class QObject;
class WavePlayer;

// The audio module's one entry point: makes a wave player, hands out its interface through
// player, and returns the object that owns it.
using CreateWavePlayer = QObject* (*)(WavePlayer** player);

inline constexpr const char* kAudioModuleName = "zundabar_audio.so";
inline constexpr const char* kCreateWavePlayerSymbol = "zundabarCreateWavePlayer";
