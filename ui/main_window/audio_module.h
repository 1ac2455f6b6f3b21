#pragma once

class QObject;
class WavePlayer;

// The audio module's one entry point: makes a wave player, hands out its interface through
// player, and returns the object that owns it.
using CreateWavePlayer = QObject* (*)(WavePlayer** player);

// Without a suffix: the platform's own (.so, .dll, .dylib) is added when it is loaded.
inline constexpr const char* kAudioModuleName = "zundabar_audio";
inline constexpr const char* kCreateWavePlayerSymbol = "zundabarCreateWavePlayer";
