// The Windows game: the main window with its options and About windows, on the Windows API.
#include <windows.h>
// After windows.h, which they build on.
#include <commctrl.h>
#include <mmsystem.h>

#include <memory>
#include <optional>

#include "game/time_mixed_random.h"
#include "play/key_rules.h"
#include "play/options_store.h"
#include "win32/key_routing.h"
#include "win32/main_window.h"
#include "win32/registry_display_store.h"
#include "win32/registry_store.h"
#include "win32/report.h"
#include "win32/system_library.h"
#include "win32/wave_player.h"

namespace {

// The system timer's resolution while the game runs: without it a 60 ms timer fires on the
// system tick, about every 62.5 ms, and the game runs 4 % slow.
constexpr UINT kTimerResolutionMs = 1;

// Holds the system timer at the game's resolution while it lives. Asked for once the main window
// is on the screen: the library it comes from, and those that library brings in, would delay
// the window, and no timer of the game fires before then.
class FineTimerResolution {
 public:
  FineTimerResolution()
      : end_(systemLibraryFunction<decltype(&timeEndPeriod)>(L"winmm.dll", "timeEndPeriod")) {
    const auto begin =
        systemLibraryFunction<decltype(&timeBeginPeriod)>(L"winmm.dll", "timeBeginPeriod");
    held_ = begin && end_ && begin(kTimerResolutionMs) == TIMERR_NOERROR;
  }
  ~FineTimerResolution() {
    if (held_) end_(kTimerResolutionMs);
  }
  FineTimerResolution(const FineTimerResolution&) = delete;
  FineTimerResolution& operator=(const FineTimerResolution&) = delete;

 private:
  decltype(&timeEndPeriod) end_;
  bool held_ = false;
};

// The kind of a control of the options or About window, as the key rules know it.
std::optional<ControlKind> controlKind(HWND control) {
  wchar_t className[32] = {};
  GetClassNameW(control, className, static_cast<int>(std::size(className)));
  if (lstrcmpiW(className, TRACKBAR_CLASSW) == 0) return ControlKind::Slider;
  if (lstrcmpiW(className, L"Button") == 0) {
    const LONG type = GetWindowLongW(control, GWL_STYLE) & BS_TYPEMASK;
    if (type == BS_AUTOCHECKBOX || type == BS_CHECKBOX) return ControlKind::CheckBox;
    return ControlKind::PushButton;
  }
  return std::nullopt;
}

bool isPushButton(HWND control) { return controlKind(control) == ControlKind::PushButton; }

// Feeds the key rules from the key messages of the game's own windows; a key another program or
// a message box gets never reaches here.
void feedKeys(const MSG& message, HWND root, const MainWindow& main, KeyRules& keys) {
  const bool down = message.message == WM_KEYDOWN || message.message == WM_SYSKEYDOWN;
  const bool up = message.message == WM_KEYUP || message.message == WM_SYSKEYUP;
  if (!down && !up) return;
  if (root != main.handle() && root != main.optionsWindow() && root != main.aboutWindow()) return;
  const std::optional<VirtualKey> key = gameKey(static_cast<unsigned int>(message.wParam));
  if (!key) return;
  if (up) {
    // Windows repeats a held key with presses alone; every release is real.
    keys.keyUp(*key, false);
    return;
  }
  const bool autoRepeat = (message.lParam & (1L << 30)) != 0;
  bool usedByWindow = false;
  if (root != main.handle()) {
    const std::optional<ControlKind> kind = controlKind(message.hwnd);
    usedByWindow = kind && controlUsesKey(*kind, *key);
  }
  keys.keyDown(*key, autoRepeat, usedByWindow);
}

int runMessageLoop(MainWindow& main, KeyRules& keys) {
  MSG message;
  BOOL got;
  while ((got = GetMessageW(&message, nullptr, 0, 0)) != 0) {
    if (got == -1) return 1;
    // The zoom and full-screen keys never reach the game, a button or the system: Alt+Enter
    // untranslated makes no menu character, and so no beep.
    if (main.displayKey(message)) continue;
    const HWND root = message.hwnd ? GetAncestor(message.hwnd, GA_ROOT) : nullptr;
    feedKeys(message, root, main, keys);
    const bool secondary = root && (root == main.optionsWindow() || root == main.aboutWindow());
    if (secondary) {
      // Enter presses the focused push button, as Space does.
      if (message.message == WM_KEYDOWN && message.wParam == VK_RETURN &&
          isPushButton(message.hwnd)) {
        SendMessageW(message.hwnd, BM_CLICK, 0, 0);
        continue;
      }
      if (IsDialogMessageW(root, &message)) continue;
    }
    TranslateMessage(&message);
    DispatchMessageW(&message);
  }
  return static_cast<int>(message.wParam);
}

}  // namespace

int WINAPI wWinMain(HINSTANCE instance, HINSTANCE, PWSTR, int showCommand) {
  auto registry = std::make_unique<RegistryStore>(kVbSettingsRoot);
  const std::string optionsLocation = "HKEY_CURRENT_USER\\" + registry->keyPath();
  OptionsStore store(std::move(registry), tellOnStderrOrDebugger);
  RegistryDisplayStore displayStore;
  PlaySoundWavePlayer player;
  TimeMixedRandom random;
  KeyRules keys;
  MainWindow::registerClasses(instance);
  int status = 1;
  {
    MainWindow main(instance, keys, store, player, random, displayStore, optionsLocation);
    if (main.open(showCommand)) {
      const FineTimerResolution resolution;
      status = runMessageLoop(main, keys);
    } else {
      tellOnStderrOrDebugger("the main window could not be made");
    }
  }
  return status;
}
