#include "game/option_rules.h"

#include <gtest/gtest.h>

#include "tests/fakes/fake_ports.h"

namespace {

TEST(OptionRules, MissingEmptyGarbageAndOutOfRangeNumbersReadAsTheDefaults) {
  for (const char* text : {"", "abc", "0", "11", "-3", " 5", "5 ", "4.5", "99999999999", "+5"}) {
    FakeStore store;
    store.values["Progression"] = text;
    store.values["Jump"] = text;
    EXPECT_EQ(options::readWholeNumber(store, options::kProgression), 2) << '"' << text << '"';
    EXPECT_EQ(options::readWholeNumber(store, options::kJump), 3) << '"' << text << '"';
  }
  FakeStore empty;
  EXPECT_EQ(options::readWholeNumber(empty, options::kProgression), 2);
  EXPECT_EQ(options::readWholeNumber(empty, options::kJump), 3);
}

TEST(OptionRules, StoredNumbersFromOneToTenAreUsed) {
  FakeStore store;
  for (int v = 1; v <= 10; ++v) {
    store.values["Progression"] = std::to_string(v);
    store.values["Jump"] = "0" + std::to_string(v);
    EXPECT_EQ(options::readWholeNumber(store, options::kProgression), v);
    EXPECT_EQ(options::readWholeNumber(store, options::kJump), v);
  }
}

TEST(OptionRules, OnlyTheExactFalseClearsATickBox) {
  FakeStore store;
  EXPECT_TRUE(options::readTicked(store, options::kCrates));
  for (const char* text : {"false", "FALSE", "True", "0", " False"}) {
    store.values["Crates"] = text;
    EXPECT_TRUE(options::readTicked(store, options::kCrates)) << text;
  }
  store.values["Crates"] = "False";
  EXPECT_FALSE(options::readTicked(store, options::kCrates));
}

TEST(OptionRules, DecimalTextHasNoBlankAndASignOnlyWhenNegative) {
  EXPECT_EQ(options::decimalText(0), "0");
  EXPECT_EQ(options::decimalText(12), "12");
  EXPECT_EQ(options::decimalText(-3), "-3");
  EXPECT_EQ(options::decimalText(32767), "32767");
}

}  // namespace
