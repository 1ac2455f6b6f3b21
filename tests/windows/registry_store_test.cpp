#include "win32/registry_store.h"

#include <gtest/gtest.h>
#include <windows.h>
// The access lists in text form; it needs the declarations of windows.h before it.
#include <sddl.h>

#include <string>
#include <vector>

#include "win32/utf16.h"

namespace {

class RegistryStoreTest : public ::testing::Test {
 protected:
  // A root of its own for each test, so that the tests share no key.
  const std::string root =
      "Software\\Zundabar tests\\" +
      std::string(::testing::UnitTest::GetInstance()->current_test_info()->name());
  const std::wstring settings = toUtf16(root + "\\ZNDBR\\Settings");
  std::vector<std::string> told;
  RegistryStore store{root, [this](std::string_view line) { told.emplace_back(line); }};

  void SetUp() override { removeRoot(); }
  void TearDown() override { removeRoot(); }

  void removeRoot() {
    denyToEveryone(0);
    RegDeleteTreeW(HKEY_CURRENT_USER, toUtf16(root).c_str());
  }

  void setRaw(const wchar_t* name, DWORD type, const void* data, std::size_t bytes) {
    ASSERT_EQ(RegSetKeyValueW(HKEY_CURRENT_USER, settings.c_str(), name, type, data,
                              static_cast<DWORD>(bytes)),
              ERROR_SUCCESS);
  }
  void setRawText(const wchar_t* name, const std::wstring& text) {
    setRaw(name, REG_SZ, text.c_str(), (text.size() + 1) * sizeof(wchar_t));
  }
  std::wstring rawText(const wchar_t* name, const std::wstring& subkey = L"") {
    std::wstring value(300, L'\0');
    DWORD bytes = static_cast<DWORD>(value.size() * sizeof(wchar_t));
    const std::wstring path = subkey.empty() ? settings : settings + L"\\" + subkey;
    if (RegGetValueW(HKEY_CURRENT_USER, path.c_str(), name, RRF_RT_REG_SZ, nullptr, value.data(),
                     &bytes) != ERROR_SUCCESS)
      return L"(none)";
    value.resize(bytes / sizeof(wchar_t) - 1);
    return value;
  }
  // Sets the Settings key's access list: these rights denied to everyone, all others allowed.
  bool denyToEveryone(DWORD rights) {
    const std::wstring sddl =
        (rights ? L"D:(D;;" + std::to_wstring(rights) + L";;;WD)" : L"D:") + L"(A;;KA;;;WD)";
    PSECURITY_DESCRIPTOR descriptor = nullptr;
    HKEY key = nullptr;
    const bool done =
        ConvertStringSecurityDescriptorToSecurityDescriptorW(sddl.c_str(), SDDL_REVISION_1,
                                                             &descriptor, nullptr) &&
        RegCreateKeyExW(HKEY_CURRENT_USER, settings.c_str(), 0, nullptr, 0, WRITE_DAC, nullptr,
                        &key, nullptr) == ERROR_SUCCESS &&
        RegSetKeySecurity(key, DACL_SECURITY_INFORMATION, descriptor) == ERROR_SUCCESS;
    if (key != nullptr) RegCloseKey(key);
    LocalFree(descriptor);
    return done;
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

TEST_F(RegistryStoreTest, ValuesOfAnotherTypeReadAsMissingAndAreToldOnce) {
  const DWORD number = 5;
  setRaw(L"Jump", REG_DWORD, &number, sizeof number);
  setRaw(L"Progression", REG_BINARY, "\x07", 1);
  setRaw(L"Crates", REG_MULTI_SZ, L"True\0", 6 * sizeof(wchar_t));
  for (int i = 0; i < 2; ++i) {
    EXPECT_EQ(store.get("Jump"), "");
    EXPECT_EQ(store.get("Progression"), "");
    EXPECT_EQ(store.get("Crates"), "");
  }
  ASSERT_EQ(told.size(), 3u);
  EXPECT_NE(told[0].find("the option Jump in HKEY_CURRENT_USER\\" + root + "\\ZNDBR\\Settings"),
            std::string::npos)
      << told[0];
}

TEST_F(RegistryStoreTest, ValuesOverSixtyFourCharactersReadAsMissingAndAreToldOnce) {
  std::wstring notes;
  for (int i = 0; i < 64; ++i) notes += L"\U0001F3B5";
  setRawText(L"Progression", std::wstring(64, L'x'));
  setRawText(L"Jump", notes);
  setRawText(L"Crates", std::wstring(65, L'x'));
  setRawText(L"Music", std::wstring(5000, L'x'));
  EXPECT_EQ(store.get("Progression"), std::string(64, 'x'));
  EXPECT_EQ(store.get("Jump").size(), 64u * 4);
  for (int i = 0; i < 2; ++i) {
    EXPECT_EQ(store.get("Crates"), "");
    EXPECT_EQ(store.get("Music"), "");
  }
  EXPECT_EQ(told.size(), 2u);
}

TEST_F(RegistryStoreTest, ASaveSetsItsOwnValueAndKeepsEverythingElseInTheKey) {
  const DWORD number = 7;
  setRaw(L"Custom", REG_DWORD, &number, sizeof number);
  setRawText(L"Music", L"False");
  setRawText(nullptr, L"the key's own value");
  ASSERT_EQ(RegSetKeyValueW(HKEY_CURRENT_USER, (settings + L"\\Jump").c_str(), L"Jump", REG_SZ,
                            L"2", 2 * sizeof(wchar_t)),
            ERROR_SUCCESS);
  store.save("Jump", "9");
  EXPECT_EQ(rawText(L"Jump"), L"9");
  EXPECT_EQ(rawText(L"Music"), L"False");
  EXPECT_EQ(rawText(nullptr), L"the key's own value");
  EXPECT_EQ(rawText(L"Jump", L"Jump"), L"2");
  DWORD value = 0, bytes = sizeof value;
  EXPECT_EQ(RegGetValueW(HKEY_CURRENT_USER, settings.c_str(), L"Custom", RRF_RT_REG_DWORD, nullptr,
                         &value, &bytes),
            ERROR_SUCCESS);
  EXPECT_EQ(value, 7u);
}

TEST_F(RegistryStoreTest, ASaveTheKeyRefusesIsToldOnceAndHoldsUntilASaveSucceeds) {
  setRawText(L"Jump", L"3");
  ASSERT_TRUE(denyToEveryone(KEY_SET_VALUE));
  store.save("Jump", "8");
  EXPECT_EQ(store.get("Jump"), "8");
  store.save("Jump", "9");
  EXPECT_EQ(store.get("Jump"), "9");
  ASSERT_EQ(told.size(), 1u);
  EXPECT_NE(told[0].find("could not save the option Jump to HKEY_CURRENT_USER\\"),
            std::string::npos);
  EXPECT_NE(told[0].find("(error 5)"), std::string::npos) << told[0];
  EXPECT_EQ(rawText(L"Jump"), L"3");
  // Once the key takes values again, the held one goes in with the next save.
  ASSERT_TRUE(denyToEveryone(0));
  store.save("Crates", "False");
  EXPECT_EQ(rawText(L"Jump"), L"9");
  EXPECT_EQ(rawText(L"Crates"), L"False");
  EXPECT_EQ(told.size(), 1u);
}

TEST_F(RegistryStoreTest, AKeyThatCannotBeMadeIsToldOnceAndTheNewValueHoldsInMemory) {
  // Below a volatile key, which the next boot forgets, no lasting key can be made.
  HKEY application = nullptr;
  ASSERT_EQ(RegCreateKeyExW(HKEY_CURRENT_USER, toUtf16(root + "\\ZNDBR").c_str(), 0, nullptr,
                            REG_OPTION_VOLATILE, KEY_READ, nullptr, &application, nullptr),
            ERROR_SUCCESS);
  RegCloseKey(application);
  store.save("Progression", "4");
  store.save("Progression", "4");
  EXPECT_EQ(store.get("Progression"), "4");
  EXPECT_EQ(told.size(), 1u);
  EXPECT_EQ(RegistryStore(root).get("Progression"), "");
}

TEST_F(RegistryStoreTest, AKeyThatCannotBeReadIsToldOnceAndItsValuesReadAsMissing) {
  setRawText(L"Jump", L"5");
  ASSERT_TRUE(denyToEveryone(KEY_QUERY_VALUE));
  EXPECT_EQ(store.get("Jump"), "");
  EXPECT_EQ(store.get("Jump"), "");
  ASSERT_EQ(told.size(), 1u);
  EXPECT_NE(told[0].find("could not read the option Jump"), std::string::npos) << told[0];
}

}  // namespace
