#include "win32/report.h"

#include <gtest/gtest.h>
#include <windows.h>

#include <array>
#include <string>

namespace {

// Tells line with stderr replaced by handle, and gives back what a debugger received meanwhile,
// read the way debug viewers do, through the shared DBWIN buffer.
std::string tellWithStderr(HANDLE handle, std::string_view line) {
  const HANDLE bufferReady = CreateEventW(nullptr, FALSE, FALSE, L"DBWIN_BUFFER_READY");
  const HANDLE dataReady = CreateEventW(nullptr, FALSE, FALSE, L"DBWIN_DATA_READY");
  const HANDLE buffer =
      CreateFileMappingW(INVALID_HANDLE_VALUE, nullptr, PAGE_READWRITE, 0, 4096, L"DBWIN_BUFFER");
  const auto* view = static_cast<const char*>(MapViewOfFile(buffer, FILE_MAP_READ, 0, 0, 4096));
  SetEvent(bufferReady);
  const HANDLE saved = GetStdHandle(STD_ERROR_HANDLE);
  SetStdHandle(STD_ERROR_HANDLE, handle);
  tellOnStderrOrDebugger(line);
  SetStdHandle(STD_ERROR_HANDLE, saved);
  // The buffer starts with the sender's process id.
  std::string received =
      WaitForSingleObject(dataReady, 0) == WAIT_OBJECT_0 ? std::string(view + sizeof(DWORD)) : "";
  UnmapViewOfFile(view);
  for (const HANDLE h : {buffer, dataReady, bufferReady}) CloseHandle(h);
  return received;
}

TEST(Report, ReachesARedirectedStderrAsOneUtf8Line) {
  std::array<wchar_t, MAX_PATH> folder{}, path{};
  GetTempPathW(folder.size(), folder.data());
  GetTempFileNameW(folder.data(), L"zun", 0, path.data());
  const HANDLE file = CreateFileW(path.data(), GENERIC_READ | GENERIC_WRITE, FILE_SHARE_READ,
                                  nullptr, CREATE_ALWAYS, FILE_FLAG_DELETE_ON_CLOSE, nullptr);
  ASSERT_NE(file, INVALID_HANDLE_VALUE);
  EXPECT_EQ(tellWithStderr(file, "caf\xc3\xa9 \\x1b[31m"), "");
  std::array<char, 100> written{};
  DWORD bytes = 0;
  SetFilePointer(file, 0, nullptr, FILE_BEGIN);
  ReadFile(file, written.data(), written.size(), &bytes, nullptr);
  CloseHandle(file);
  EXPECT_EQ(std::string(written.data(), bytes), "zundabar: caf\xc3\xa9 \\x1b[31m\r\n");
}

TEST(Report, GoesToTheDebuggerWithoutAStderrThatTakesIt) {
  EXPECT_EQ(tellWithStderr(nullptr, "no stderr"), "zundabar: no stderr\r\n");
  // A pipe whose reader has gone refuses every write.
  HANDLE reader = nullptr, writer = nullptr;
  ASSERT_TRUE(CreatePipe(&reader, &writer, nullptr, 0));
  CloseHandle(reader);
  EXPECT_EQ(tellWithStderr(writer, "reader gone"), "zundabar: reader gone\r\n");
  CloseHandle(writer);
}

}  // namespace
