// The pad in the real windows, made on Wine's null display driver: its moves and presses in the
// options window, and the end-of-level message box closed as its OK closes it.
#include <gtest/gtest.h>
#include <windows.h>
// After windows.h, which it builds on.
#include <commctrl.h>

#include <map>
#include <string>

#include "design/options_window_design.h"
#include "win32/main_window.h"
#include "win32/message_box_closing.h"

namespace {

struct MemoryStore final : SettingsStore {
  std::map<std::string, std::string> values;
  std::string get(const std::string& key) override { return values[key]; }
  void save(const std::string& key, const std::string& text) override { values[key] = text; }
};
struct Silence final : WavePlayer {
  void play(const std::string&) override {}
};
struct HalfwayRandom final : RandomSource {
  float next() override { return 0.5f; }
};
struct NoDisplayChoice final : DisplayStore {
  DisplayChoice load() override { return {}; }
  void save(const DisplayChoice&) override {}
};

TEST(PadInTheOptionsWindow, MovesTheFocusInKeyboardOrderStepsASliderAndPressesAsSpace) {
  MemoryStore store;
  Silence player;
  HalfwayRandom random;
  NoDisplayChoice display;
  KeyRules keys;
  MainWindow::registerClasses(GetModuleHandleW(nullptr));
  MainWindow main(GetModuleHandleW(nullptr), keys, store, player, random, display, "HKCU");
  ASSERT_TRUE(main.open(SW_SHOWNORMAL));
  main.showOptions();
  const auto control = [&](std::string_view name) {
    const ControlDesign* first = optionsWindowDesign().controls.data();
    const int index = static_cast<int>(&optionsWindowDesign().control(name) - first);
    return GetDlgItem(main.optionsWindow(), kFirstControlId + index);
  };
  const auto pad = [&](PadWindowAction action) {
    main.padAction(SecondaryWindow::Options, action);
  };

  ASSERT_EQ(GetFocus(), control("setProgressionButton"));
  pad(PadWindowAction::FocusUp);
  EXPECT_EQ(GetFocus(), control("setMusicButton"));
  // Round to Set Progression, then Resume Game, the slider, Set Jump and the jump slider.
  for (int i = 0; i < 5; ++i) pad(PadWindowAction::FocusDown);
  ASSERT_EQ(GetFocus(), control("jumpSlider"));
  const LRESULT jump = SendMessageW(control("jumpSlider"), TBM_GETPOS, 0, 0);
  pad(PadWindowAction::Right);
  pad(PadWindowAction::Right);
  pad(PadWindowAction::Left);
  EXPECT_EQ(SendMessageW(control("jumpSlider"), TBM_GETPOS, 0, 0), jump + 1);
  wchar_t shown[8] = {};
  GetWindowTextW(control("jumpValue"), shown, 8);
  EXPECT_EQ(shown, std::to_wstring(jump + 1));
  pad(PadWindowAction::FocusUp);
  pad(PadWindowAction::Press);
  EXPECT_EQ(store.values["Jump"], std::to_string(jump + 1));
  // On to the crates' box, past the jump slider.
  pad(PadWindowAction::FocusDown);
  pad(PadWindowAction::FocusDown);
  const LRESULT ticked = SendMessageW(control("cratesBox"), BM_GETCHECK, 0, 0);
  pad(PadWindowAction::Press);
  EXPECT_NE(SendMessageW(control("cratesBox"), BM_GETCHECK, 0, 0), ticked);
  DestroyWindow(main.handle());
}

HWND boxOwner;
HWND otherWindow;
int closeTries;
bool closedOverOther;

void CALLBACK closeTheBox(HWND, UINT, UINT_PTR, DWORD) {
  if (++closeTries == 1) {
    closedOverOther = closeMessageBoxOf(otherWindow);
    closeMessageBoxOf(boxOwner);
  } else if (closeTries > 100) {
    // Still open after a second: ended otherwise, so that the test fails rather than hangs.
    EndDialog(FindWindowW(L"#32770", L"Zundabar"), IDABORT);
  }
}

TEST(CloseMessageBoxOf, ClosesTheBoxOverItsOwnerAsOkAndNoOther) {
  boxOwner = CreateWindowExW(0, L"STATIC", L"", WS_OVERLAPPED, 0, 0, 99, 99, 0, 0, 0, 0);
  otherWindow = CreateWindowExW(0, L"STATIC", L"", WS_OVERLAPPED, 0, 0, 99, 99, 0, 0, 0, 0);
  EXPECT_FALSE(closeMessageBoxOf(boxOwner));
  const UINT_PTR timer = SetTimer(nullptr, 0, 10, closeTheBox);
  EXPECT_EQ(MessageBoxW(boxOwner, L"Level over", L"Zundabar", MB_OK), IDOK);
  KillTimer(nullptr, timer);
  EXPECT_EQ(closeTries, 1);
  EXPECT_FALSE(closedOverOther);
}

}  // namespace
