#include "win32/report.h"

#include <gtest/gtest.h>
#include <windows.h>

#include <array>
#include <string>

namespace {

struct Received {
  std::string onStderr;
  std::string byDebugger;
};

// Tells line with stderr the write end of a pipe, and gives back what came out of the pipe and
// what a debugger got, read as debug viewers read it: through the shared DBWIN buffer.
Received tell(std::string_view line, bool readerGone = false) {
  const HANDLE bufferReady = CreateEventW(nullptr, FALSE, TRUE, L"DBWIN_BUFFER_READY");
  const HANDLE dataReady = CreateEventW(nullptr, FALSE, FALSE, L"DBWIN_DATA_READY");
  const HANDLE buffer =
      CreateFileMappingW(INVALID_HANDLE_VALUE, nullptr, PAGE_READWRITE, 0, 4096, L"DBWIN_BUFFER");
  const auto* view = static_cast<const char*>(MapViewOfFile(buffer, FILE_MAP_READ, 0, 0, 4096));
  HANDLE reader = nullptr, writer = nullptr;
  CreatePipe(&reader, &writer, nullptr, 0);
  if (readerGone) CloseHandle(reader);
  const HANDLE saved = GetStdHandle(STD_ERROR_HANDLE);
  SetStdHandle(STD_ERROR_HANDLE, writer);
  tellOnStderrOrDebugger(line);
  SetStdHandle(STD_ERROR_HANDLE, saved);
  CloseHandle(writer);
  Received received;
  std::array<char, 200> piped{};
  DWORD bytes = 0;
  if (!readerGone && ReadFile(reader, piped.data(), piped.size(), &bytes, nullptr)) {
    received.onStderr.assign(piped.data(), bytes);
  }
  // The buffer starts with the sender's process id.
  if (WaitForSingleObject(dataReady, 0) == WAIT_OBJECT_0)
    received.byDebugger = view + sizeof(DWORD);
  UnmapViewOfFile(view);
  for (const HANDLE h : {buffer, dataReady, bufferReady}) CloseHandle(h);
  if (!readerGone) CloseHandle(reader);
  return received;
}

TEST(Report, GoesToStderrAsOneUtf8LineOrToTheDebuggerWhenStderrRefusesIt) {
  const Received redirected = tell("caf\xc3\xa9 \\x1b[31m");
  EXPECT_EQ(redirected.onStderr, "zundabar: caf\xc3\xa9 \\x1b[31m\r\n");
  EXPECT_EQ(redirected.byDebugger, "");
  const Received refused = tell("reader gone", true);
  EXPECT_EQ(refused.byDebugger, "zundabar: reader gone\r\n");
}

}  // namespace
