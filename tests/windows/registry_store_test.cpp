#include "win32/registry_store.h"

#include <gtest/gtest.h>
#include <windows.h>
// The access lists in text form; it needs the declarations of windows.h before it.
#include <sddl.h>

#include <memory>
#include <string>
#include <vector>

#include "play/options_store.h"
#include "win32/utf16.h"

namespace {

class RegistryStoreTest : public ::testing::Test {
 protected:
  // A root of its own for each test, emptied before it starts.
  const std::string root =
      "Software\\Zundabar tests\\" +
      std::string(::testing::UnitTest::GetInstance()->current_test_info()->name());
  const std::wstring settings = toUtf16(root + "\\ZNDBR\\Settings");
  std::vector<std::string> told;
  OptionsStore store{std::make_unique<RegistryStore>(root),
                     [this](std::string_view line) { told.emplace_back(line); }};

  void SetUp() override { RegDeleteTreeW(HKEY_CURRENT_USER, toUtf16(root).c_str()); }

  void setRaw(const wchar_t* name, DWORD type, const void* data, std::size_t bytes) {
    ASSERT_EQ(RegSetKeyValueW(HKEY_CURRENT_USER, settings.c_str(), name, type, data,
                              static_cast<DWORD>(bytes)),
              ERROR_SUCCESS);
  }
  void setRawText(const wchar_t* name, const std::wstring& text) {
    setRaw(name, REG_SZ, text.c_str(), (text.size() + 1) * sizeof(wchar_t));
  }
  std::wstring rawText(const wchar_t* name) {
    std::wstring value(300, L'\0');
    DWORD bytes = static_cast<DWORD>(value.size() * sizeof(wchar_t));
    if (RegGetValueW(HKEY_CURRENT_USER, settings.c_str(), name, RRF_RT_REG_SZ, nullptr,
                     value.data(), &bytes) != ERROR_SUCCESS)
      return L"(none)";
    value.resize(bytes / sizeof(wchar_t) - 1);
    return value;
  }
  // Gives the Settings key an access list that denies everyone to set values, or allows it.
  void denySettingValues(bool deny) {
    PSECURITY_DESCRIPTOR descriptor = nullptr;
    ASSERT_TRUE(ConvertStringSecurityDescriptorToSecurityDescriptorW(
        deny ? L"D:(D;;0x2;;;WD)(A;;KA;;;WD)" : L"D:(A;;KA;;;WD)", SDDL_REVISION_1, &descriptor,
        nullptr));
    HKEY key = nullptr;
    ASSERT_EQ(RegOpenKeyExW(HKEY_CURRENT_USER, settings.c_str(), 0, WRITE_DAC, &key),
              ERROR_SUCCESS);
    EXPECT_EQ(RegSetKeySecurity(key, DACL_SECURITY_INFORMATION, descriptor), ERROR_SUCCESS);
    RegCloseKey(key);
    LocalFree(descriptor);
  }
};

TEST_F(RegistryStoreTest, KeepsTheOptionsAsTextValuesOfTheSettingsKeyWhereVisualBasicDoes) {
  EXPECT_EQ(RegistryStore().keyPath(), "Software\\VB and VBA Program Settings\\ZNDBR\\Settings");
  EXPECT_EQ(store.get("Jump"), "");
  store.save("Jump", "7");
  EXPECT_EQ(rawText(L"Jump"), L"7");
  EXPECT_EQ(store.get("Jump"), "7");
  // UTF-8 in the game, UTF-16 in the registry, both ways.
  store.save("Music", "Caf\xc3\xa9 \xf0\x9f\x8e\xb5");
  EXPECT_EQ(rawText(L"Music"), L"Caf\u00e9 \U0001F3B5");
  setRawText(L"Crates", L"\u00fcber");
  EXPECT_EQ(store.get("Crates"), "\u00fcber");
  EXPECT_TRUE(told.empty());
}

TEST_F(RegistryStoreTest, ValuesOfAnotherTypeOrOverSixtyFourCharactersReadAsMissingToldOnce) {
  const DWORD number = 5;
  setRaw(L"Jump", REG_DWORD, &number, sizeof number);
  setRaw(L"Progression", REG_BINARY, "\x07", 1);
  setRawText(L"Crates", std::wstring(65, L'x'));
  setRawText(L"Music", std::wstring(5000, L'x'));
  for (int i = 0; i < 2; ++i) {
    for (const char* key : {"Jump", "Progression", "Crates", "Music"})
      EXPECT_EQ(store.get(key), "");
  }
  ASSERT_EQ(told.size(), 4u);
  EXPECT_EQ(told[0].find("the option Jump in HKEY_CURRENT_USER\\" + root + "\\ZNDBR\\Settings"), 0u)
      << told[0];
  // 64 characters are read, even when each takes two UTF-16 units.
  std::wstring notes;
  for (int i = 0; i < 64; ++i) notes += L"\U0001F3B5";
  setRawText(L"Progression", std::wstring(64, L'x'));
  setRawText(L"Jump", notes);
  EXPECT_EQ(store.get("Progression"), std::string(64, 'x'));
  EXPECT_EQ(store.get("Jump").size(), 64u * 4);
}

TEST_F(RegistryStoreTest, ASaveSetsItsOwnValueAndKeepsEverythingElseInTheKey) {
  const DWORD number = 7;
  setRaw(L"Custom", REG_DWORD, &number, sizeof number);
  setRawText(L"Music", L"False");
  setRawText(nullptr, L"the key's own value");
  // A subkey of the same name as the value.
  ASSERT_EQ(RegSetKeyValueW(HKEY_CURRENT_USER, (settings + L"\\Jump").c_str(), nullptr, REG_SZ, L"",
                            sizeof(wchar_t)),
            ERROR_SUCCESS);
  store.save("Jump", "9");
  EXPECT_EQ(rawText(L"Jump"), L"9");
  EXPECT_EQ(rawText(L"Music"), L"False");
  EXPECT_EQ(rawText(nullptr), L"the key's own value");
  EXPECT_EQ(RegGetValueW(HKEY_CURRENT_USER, settings.c_str(), L"Custom", RRF_RT_REG_DWORD, nullptr,
                         nullptr, nullptr),
            ERROR_SUCCESS);
}

TEST_F(RegistryStoreTest, ASaveTheKeyRefusesIsToldOnceAndHoldsUntilASaveSucceeds) {
  setRawText(L"Jump", L"3");
  denySettingValues(true);
  store.save("Jump", "8");
  EXPECT_EQ(store.get("Jump"), "8");
  store.save("Jump", "9");
  EXPECT_EQ(store.get("Jump"), "9");
  ASSERT_EQ(told.size(), 1u);
  EXPECT_EQ(told[0].find("could not save the option Jump to HKEY_CURRENT_USER\\" + root), 0u)
      << told[0];
  EXPECT_EQ(rawText(L"Jump"), L"3");
  // Once the key takes values again, the held one goes in with the next save.
  denySettingValues(false);
  store.save("Crates", "False");
  EXPECT_EQ(rawText(L"Jump"), L"9");
  EXPECT_EQ(rawText(L"Crates"), L"False");
  EXPECT_EQ(told.size(), 1u);
}

}  // namespace
