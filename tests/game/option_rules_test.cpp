#include "game/option_rules.h"

#include <gtest/gtest.h>

#include "tests/fakes/fake_ports.h"

namespace {

TEST(OptionRules, MissingEmptyGarbageAndOutOfRangeNumbersReadAsTheDefaults) {
  for (const char* text : {"", "abc", "0", "11", "-3", " 5", "5 ", "4.5", "99999999999", "+5"}) {
    FakeStore store;
    store.values["Progression"] = text;
    store.values["Jump"] = text;
    EXPECT_EQ(options::readProgression(store), 2) << '"' << text << '"';
    EXPECT_EQ(options::readJump(store), 3) << '"' << text << '"';
  }
  FakeStore empty;
  EXPECT_EQ(options::readProgression(empty), 2);
  EXPECT_EQ(options::readJump(empty), 3);
}

TEST(OptionRules, StoredNumbersFromOneToTenAreUsed) {
  FakeStore store;
  for (int v = 1; v <= 10; ++v) {
    store.values["Progression"] = std::to_string(v);
    store.values["Jump"] = "0" + std::to_string(v);
    EXPECT_EQ(options::readProgression(store), v);
    EXPECT_EQ(options::readJump(store), v);
  }
}

TEST(OptionRules, OnlyTheExactFalseSwitchesCratesOff) {
  FakeStore store;
  EXPECT_FALSE(options::cratesOff(store));
  for (const char* text : {"false", "FALSE", "True", "0", " False"}) {
    store.values["Crates"] = text;
    EXPECT_FALSE(options::cratesOff(store)) << text;
  }
  store.values["Crates"] = "False";
  EXPECT_TRUE(options::cratesOff(store));
}

TEST(OptionRules, DecimalTextHasNoBlankAndASignOnlyWhenNegative) {
  EXPECT_EQ(options::decimalText(0), "0");
  EXPECT_EQ(options::decimalText(12), "12");
  EXPECT_EQ(options::decimalText(-3), "-3");
  EXPECT_EQ(options::decimalText(32767), "32767");
}

}  // namespace
