#include "play/options_store.h"

#include <gtest/gtest.h>

#include "tests/fakes/fake_ports.h"

namespace {

class OptionsStoreTest : public ::testing::Test {
 protected:
  FakeOptionsStorage* storage = new FakeOptionsStorage;
  std::vector<std::string> told;
  OptionsStore store{std::unique_ptr<OptionsStorage>(storage),
                     [this](std::string_view line) { told.emplace_back(line); }};
};

// Characters count, neither bytes nor UTF-16 units: 64 notes take 256 bytes and 128 units.
TEST_F(OptionsStoreTest, AValueOverSixtyFourCharactersReadsAsMissingToldOnce) {
  for (int i = 0; i < 64; ++i) storage->values["Jump"] += "\xf0\x9f\x8e\xb5";
  storage->values["Crates"] = std::string(65, 'x');
  storage->found["Music"] = {std::nullopt, true, {"the store is slow"}};
  for (int i = 0; i < 2; ++i) {
    EXPECT_EQ(store.get("Jump"), storage->values["Jump"]);
    EXPECT_EQ(store.get("Crates"), "");
    EXPECT_EQ(store.get("Music"), "");
  }
  const std::string ignored = "; it is ignored and takes its default";
  EXPECT_EQ(told, (std::vector<std::string>{
                      "the option Crates in the store is 65 characters long" + ignored,
                      "the store is slow",
                      "the option Music in the store is longer than 64 characters" + ignored}));
}

// A held value goes in with the next save of any option; only what failed stays held.
TEST_F(OptionsStoreTest, AFailedSaveHoldsTheNewValueUntilTheGameEndsToldOnce) {
  storage->values["Jump"] = "3";
  storage->refused = {{"Jump", "denied"}, {"Music", "denied"}};
  store.save("Jump", "8");
  store.save("Jump", "9");
  store.save("Music", "False");
  EXPECT_EQ(store.get("Jump"), "9");
  storage->refused.erase("Jump");
  store.save("Crates", "False");
  EXPECT_EQ(storage->values,
            (std::map<std::string, std::string>{{"Jump", "9"}, {"Crates", "False"}}));
  EXPECT_EQ(store.get("Music"), "False");
  storage->values["Jump"] = "4";
  EXPECT_EQ(store.get("Jump"), "4");
  const std::string holds = ": denied; the new value holds until the game ends";
  EXPECT_EQ(told,
            (std::vector<std::string>{"could not save the option Jump to the store" + holds,
                                      "could not save the option Music to the store" + holds}));
}

}  // namespace
