#include "game/option_rules.h"

#include <algorithm>

namespace options {

std::string_view countInWords() {
  static constexpr std::array<std::string_view, 13> kWords{
      "no",    "one",   "two",  "three", "four",   "five",  "six",
      "seven", "eight", "nine", "ten",   "eleven", "twelve"};
  return kAll.size() < kWords.size() ? kWords[kAll.size()] : "many";
}

std::string decimalText(int value) { return std::to_string(value); }

std::optional<int16_t> parseSliderValue(std::string_view text) {
  if (text.empty()) return std::nullopt;
  int value = 0;
  for (char c : text) {
    if (c < '0' || c > '9') return std::nullopt;
    // Capped so that a long run of digits cannot overflow; anything above 10 is out anyway.
    value = std::min(value * 10 + (c - '0'), 100);
  }
  if (value < kSliderMin || value > kSliderMax) return std::nullopt;
  return static_cast<int16_t>(value);
}

int16_t readWholeNumber(SettingsStore& store, const Option& option) {
  const std::string key(option.key);
  if (store.get(key).empty()) return option.defaultNumber;
  return parseSliderValue(store.get(key)).value_or(option.defaultNumber);
}

bool readTicked(SettingsStore& store, const Option& option) {
  return store.get(std::string(option.key)) != kFalseText;
}

}  // namespace options
