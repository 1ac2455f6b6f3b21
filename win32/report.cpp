#include "win32/report.h"

#include <windows.h>

#include <string>

#include "win32/utf16.h"

namespace {

bool usable(HANDLE handle) {
  if (handle == nullptr || handle == INVALID_HANDLE_VALUE) return false;
  SetLastError(NO_ERROR);
  return GetFileType(handle) != FILE_TYPE_UNKNOWN || GetLastError() == NO_ERROR;
}

// A program of the windows subsystem gets no stderr even when started from a console; it
// borrows the console it was started from, once, and keeps it for later reports.
HANDLE parentConsole() {
  static const HANDLE console = [] {
    if (!AttachConsole(ATTACH_PARENT_PROCESS)) return HANDLE{nullptr};
    const HANDLE output =
        CreateFileW(L"CONOUT$", GENERIC_READ | GENERIC_WRITE, FILE_SHARE_READ | FILE_SHARE_WRITE,
                    nullptr, OPEN_EXISTING, 0, nullptr);
    return output == INVALID_HANDLE_VALUE ? HANDLE{nullptr} : output;
  }();
  return console;
}

HANDLE reportHandle() {
  const HANDLE stderrHandle = GetStdHandle(STD_ERROR_HANDLE);
  return usable(stderrHandle) ? stderrHandle : parentConsole();
}

// A console takes UTF-16, whatever its code page; a file or pipe gets UTF-8.
bool writeLine(HANDLE handle, const std::string& line) {
  DWORD mode = 0;
  if (GetConsoleMode(handle, &mode)) {
    const std::wstring wide = toUtf16(line);
    DWORD written = 0;
    return WriteConsoleW(handle, wide.data(), static_cast<DWORD>(wide.size()), &written, nullptr) &&
           written == wide.size();
  }
  std::size_t done = 0;
  while (done < line.size()) {
    DWORD written = 0;
    if (!WriteFile(handle, line.data() + done, static_cast<DWORD>(line.size() - done), &written,
                   nullptr) ||
        written == 0) {
      return false;
    }
    done += written;
  }
  return true;
}

}  // namespace

void tellOnStderrOrDebugger(std::string_view line) {
  const std::string whole = "zundabar: " + std::string(line) + "\r\n";
  if (const HANDLE handle = reportHandle(); handle != nullptr && writeLine(handle, whole)) return;
  OutputDebugStringW(toUtf16(whole).c_str());
}
