#include "win32/system_library.h"

#include <gtest/gtest.h>
#include <windows.h>
// After windows.h, which it builds on.
#include <commctrl.h>

#include "win32/common_controls.h"

namespace {

using AnyFunction = void(WINAPI*)();

TEST(SystemLibraryFunction, GivesNoneForAMissingLibraryOrFunction) {
  EXPECT_NE(systemLibraryFunction<AnyFunction>(L"kernel32.dll", "GetTickCount"), nullptr);
  EXPECT_EQ(systemLibraryFunction<AnyFunction>(L"kernel32.dll", "NoSuchFunction"), nullptr);
  EXPECT_EQ(systemLibraryFunction<AnyFunction>(L"no_such_library.dll", "GetTickCount"), nullptr);
}

// The windows make trackbars and tooltips by class name alone, after this.
TEST(UseCommonControls, RegistersTheTrackbarAndTooltipClasses) {
  EXPECT_TRUE(useCommonControls());
  EXPECT_TRUE(useCommonControls());
  WNDCLASSEXW info{};
  info.cbSize = sizeof info;
  EXPECT_TRUE(GetClassInfoExW(nullptr, TRACKBAR_CLASSW, &info));
  EXPECT_TRUE(GetClassInfoExW(nullptr, TOOLTIPS_CLASSW, &info));
}

}  // namespace
