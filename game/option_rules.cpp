#include "game/option_rules.h"

#include <algorithm>

namespace options {

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

namespace {

int16_t readWholeOption(SettingsStore& store, const std::string& key, int16_t fallback) {
  if (store.get(key).empty()) return fallback;
  return parseSliderValue(store.get(key)).value_or(fallback);
}

}  // namespace

int16_t readProgression(SettingsStore& store) {
  return readWholeOption(store, kProgressionKey, kDefaultProgression);
}

int16_t readJump(SettingsStore& store) { return readWholeOption(store, kJumpKey, kDefaultJump); }

bool cratesOff(SettingsStore& store) { return store.get(kCratesKey) == kFalseText; }

}  // namespace options
