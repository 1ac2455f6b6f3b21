#include "win32/wave_player.h"

#include <windows.h>
// PlaySoundW, which needs the declarations of windows.h before it.
#include <mmsystem.h>

#include "win32/utf16.h"

std::wstring playSoundFileName(std::string_view fileName) {
  const bool bare = fileName.find_first_of("\\/:") == std::string_view::npos;
  return (bare ? L".\\" : L"") + toUtf16(fileName);
}

void PlaySoundWavePlayer::play(const std::string& fileName) {
  PlaySoundW(playSoundFileName(fileName).c_str(), nullptr,
             SND_ASYNC | SND_FILENAME | SND_NODEFAULT);
}
