#include "win32/wave_player.h"

#include <windows.h>
// PlaySoundW, which needs the declarations of windows.h before it.
#include <mmsystem.h>

#include "win32/system_library.h"
#include "win32/utf16.h"

std::wstring playSoundFileName(std::string_view fileName) {
  const bool bare = fileName.find_first_of("\\/:") == std::string_view::npos;
  return (bare ? L".\\" : L"") + toUtf16(fileName);
}

void PlaySoundWavePlayer::play(const std::string& fileName) {
  // The sound library, with the audio compression manager and COM that it brings in, is loaded
  // with the first sound rather than before the first window.
  static const auto playSound =
      systemLibraryFunction<decltype(&PlaySoundW)>(L"winmm.dll", "PlaySoundW");
  if (!playSound) return;
  playSound(playSoundFileName(fileName).c_str(), nullptr, SND_ASYNC | SND_FILENAME | SND_NODEFAULT);
}
