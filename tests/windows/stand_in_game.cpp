// A test program, not the game: it stands in for zundabar.exe in the packages that the installer
// test builds, so that a build without the game can still check where an installed shortcut
// starts it. Like the game it is a window-less GUI program that looks for .\Music.wav in its
// current folder. It writes that folder and whether the music is there to the file named by
// ZUNDABAR_STAND_IN_REPORT, then ends.
#include <windows.h>

#include <cstdio>

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int) {
  char reportPath[MAX_PATH];
  char folder[MAX_PATH];
  if (GetEnvironmentVariableA("ZUNDABAR_STAND_IN_REPORT", reportPath, MAX_PATH) == 0 ||
      GetCurrentDirectoryA(MAX_PATH, folder) == 0)
    return 2;
  const DWORD music = GetFileAttributesA(".\\Music.wav");
  const bool musicFound = music != INVALID_FILE_ATTRIBUTES && !(music & FILE_ATTRIBUTE_DIRECTORY);

  FILE* report = std::fopen(reportPath, "wb");
  if (report == nullptr) return 3;
  std::fprintf(report, "folder=%s\nmusic=%s\n", folder, musicFound ? "found" : "missing");
  return std::fclose(report) == 0 ? 0 : 4;
}
