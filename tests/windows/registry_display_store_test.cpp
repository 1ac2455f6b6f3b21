#include "win32/registry_display_store.h"

#include <gtest/gtest.h>
#include <windows.h>
// The access lists in text form; it needs the declarations of windows.h before it.
#include <sddl.h>

#include <memory>
#include <string>
#include <vector>

#include "play/options_store.h"
#include "win32/registry_store.h"
#include "win32/utf16.h"

namespace {

class RegistryDisplayStoreTest : public ::testing::Test {
 protected:
  // A key of its own for each test, emptied before it starts.
  const std::string root =
      "Software\\Zundabar tests\\" +
      std::string(::testing::UnitTest::GetInstance()->current_test_info()->name());
  const std::wstring display = toUtf16(root + "\\Zundabar");
  std::vector<std::string> told;
  RegistryDisplayStore store{root + "\\Zundabar",
                             [this](std::string_view line) { told.emplace_back(line); }};

  void SetUp() override { RegDeleteTreeW(HKEY_CURRENT_USER, toUtf16(root).c_str()); }

  void setRaw(const wchar_t* name, DWORD type, const void* data, std::size_t bytes) {
    ASSERT_EQ(RegSetKeyValueW(HKEY_CURRENT_USER, display.c_str(), name, type, data,
                              static_cast<DWORD>(bytes)),
              ERROR_SUCCESS);
  }
  void setNumber(const wchar_t* name, DWORD number) {
    setRaw(name, REG_DWORD, &number, sizeof number);
  }
  DWORD rawNumber(const wchar_t* name) {
    DWORD number = 12345;
    DWORD bytes = sizeof number;
    RegGetValueW(HKEY_CURRENT_USER, display.c_str(), name, RRF_RT_REG_DWORD, nullptr, &number,
                 &bytes);
    return number;
  }
};

TEST_F(RegistryDisplayStoreTest, KeepsTheChoiceAsNumbersOfItsOwnKeyApartFromTheOptions) {
  EXPECT_EQ(RegistryDisplayStore().keyPath(), "Software\\Zundabar");
  EXPECT_EQ(store.load(), DisplayChoice{});
  store.save({3, true});
  EXPECT_EQ(rawNumber(L"Zoom"), 3u);
  EXPECT_EQ(rawNumber(L"FullScreen"), 1u);
  EXPECT_EQ(store.load(), (DisplayChoice{3, true}));
  store.save({kMaxZoom, false});
  EXPECT_EQ(store.load(), (DisplayChoice{kMaxZoom, false}));
  // One value alone reads with the other's default.
  RegDeleteKeyValueW(HKEY_CURRENT_USER, display.c_str(), L"FullScreen");
  EXPECT_EQ(store.load(), (DisplayChoice{kMaxZoom, false}));
  EXPECT_TRUE(told.empty());
}

TEST_F(RegistryDisplayStoreTest, DamagedValuesReadAsTheWindowAtOneTimesToldOnceEach) {
  struct Damage {
    const wchar_t* name;
    DWORD type;
    std::string bytes;
  };
  const std::string two("\x02\0\0\0", 4);
  for (const Damage& damage : {
           Damage{L"Zoom", REG_SZ, std::string("2\0\0\0", 4)},
           Damage{L"Zoom", REG_BINARY, two},
           Damage{L"Zoom", REG_DWORD, std::string("\x02\0\0\0\0\0\0\0", 8)},
           Damage{L"Zoom", REG_SZ, std::string(5000, 'x')},
           Damage{L"Zoom", REG_DWORD, std::string(1, '\x02')},
           Damage{L"Zoom", REG_DWORD, std::string(4, '\0')},
           Damage{L"Zoom", REG_DWORD, std::string("\x21\0\0\0", 4)},
           Damage{L"Zoom", REG_DWORD, std::string(4, '\xff')},
           Damage{L"FullScreen", REG_DWORD, two},
       }) {
    SCOPED_TRACE(std::to_string(told.size()));
    SetUp();
    // A store of its own, which has told nothing yet.
    RegistryDisplayStore damaged{root + "\\Zundabar",
                                 [this](std::string_view line) { told.emplace_back(line); }};
    setNumber(damage.name == std::wstring(L"Zoom") ? L"FullScreen" : L"Zoom", 1);
    setRaw(damage.name, damage.type, damage.bytes.data(), damage.bytes.size());
    const std::size_t before = told.size();
    EXPECT_EQ(damaged.load(), DisplayChoice{});
    EXPECT_EQ(damaged.load(), DisplayChoice{});
    ASSERT_EQ(told.size(), before + 1);
    EXPECT_EQ(told.back().find("the display setting " + toUtf8(damage.name) +
                               " in HKEY_CURRENT_USER\\" + root + "\\Zundabar"),
              0u)
        << told.back();
  }
}

TEST_F(RegistryDisplayStoreTest, SavesLeaveTheOptionsKeyAloneAndARefusedSaveIsTold) {
  OptionsStore options(std::make_unique<RegistryStore>(root), [](std::string_view) {});
  options.save("Jump", "7");
  store.save({2, false});
  HKEY settings = nullptr;
  ASSERT_EQ(RegOpenKeyExW(HKEY_CURRENT_USER, toUtf16(root + "\\ZNDBR\\Settings").c_str(), 0,
                          KEY_READ, &settings),
            ERROR_SUCCESS);
  DWORD values = 0;
  RegQueryInfoKeyW(settings, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr, &values, nullptr,
                   nullptr, nullptr, nullptr);
  RegCloseKey(settings);
  EXPECT_EQ(values, 1u);
  EXPECT_EQ(options.get("Jump"), "7");

  // A key that denies everyone to set values.
  PSECURITY_DESCRIPTOR descriptor = nullptr;
  ASSERT_TRUE(ConvertStringSecurityDescriptorToSecurityDescriptorW(
      L"D:(D;;0x2;;;WD)(A;;KA;;;WD)", SDDL_REVISION_1, &descriptor, nullptr));
  HKEY key = nullptr;
  ASSERT_EQ(RegOpenKeyExW(HKEY_CURRENT_USER, display.c_str(), 0, WRITE_DAC, &key), ERROR_SUCCESS);
  EXPECT_EQ(RegSetKeySecurity(key, DACL_SECURITY_INFORMATION, descriptor), ERROR_SUCCESS);
  RegCloseKey(key);
  LocalFree(descriptor);
  store.save({3, true});
  store.save({3, true});
  ASSERT_EQ(told.size(), 1u);
  EXPECT_EQ(told[0].find("could not save the display settings to HKEY_CURRENT_USER\\" + root), 0u)
      << told[0];
  EXPECT_EQ(store.load(), (DisplayChoice{2, false}));
  EXPECT_EQ(options.get("Jump"), "7");
}

}  // namespace
