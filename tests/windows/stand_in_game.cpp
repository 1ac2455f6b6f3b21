// A test program, not the game: it stands in for zundabar.exe in the packages that the installer
// test builds, so that a build without the game can still check where an installed shortcut
// starts it. Like the game it is a window-less GUI program that looks for .\Music.wav in its
// current folder. It writes that folder and whether the music is there to the file named by
// ZUNDABAR_STAND_IN_REPORT, then ends.
#include <windows.h>

#include <string>

namespace {

std::string utf8(const std::wstring& text) {
  const int size = WideCharToMultiByte(CP_UTF8, 0, text.c_str(), static_cast<int>(text.size()),
                                       nullptr, 0, nullptr, nullptr);
  std::string result(static_cast<size_t>(size), '\0');
  WideCharToMultiByte(CP_UTF8, 0, text.c_str(), static_cast<int>(text.size()), result.data(),
                      size, nullptr, nullptr);
  return result;
}

}  // namespace

int WINAPI wWinMain(HINSTANCE, HINSTANCE, PWSTR, int) {
  wchar_t reportPath[MAX_PATH];
  if (GetEnvironmentVariableW(L"ZUNDABAR_STAND_IN_REPORT", reportPath, MAX_PATH) == 0) return 2;
  wchar_t folder[MAX_PATH];
  if (GetCurrentDirectoryW(MAX_PATH, folder) == 0) return 3;
  const DWORD music = GetFileAttributesW(L".\\Music.wav");
  const bool musicFound = music != INVALID_FILE_ATTRIBUTES && !(music & FILE_ATTRIBUTE_DIRECTORY);

  const std::string report =
      "folder=" + utf8(folder) + "\nmusic=" + (musicFound ? "found" : "missing") + "\n";
  HANDLE file = CreateFileW(reportPath, GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS,
                            FILE_ATTRIBUTE_NORMAL, nullptr);
  if (file == INVALID_HANDLE_VALUE) return 4;
  DWORD written = 0;
  const bool ok = WriteFile(file, report.data(), static_cast<DWORD>(report.size()), &written,
                            nullptr) && written == report.size();
  CloseHandle(file);
  return ok ? 0 : 5;
}
