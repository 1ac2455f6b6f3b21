#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "game/settings_store.h"

// Every key, stored text and default of the four options, and the rules of their readers.
namespace options {

inline const std::string kApplication = "ZNDBR";
inline const std::string kSection = "Settings";
inline const std::string kProgressionKey = "Progression";
inline const std::string kJumpKey = "Jump";
inline const std::string kCratesKey = "Crates";
inline const std::string kMusicKey = "Music";

inline const std::string kTrueText = "True";
inline const std::string kFalseText = "False";

constexpr int16_t kDefaultProgression = 2;
constexpr int16_t kDefaultJump = 3;
constexpr int16_t kSliderMin = 1;
constexpr int16_t kSliderMax = 10;

// Plain decimal text: digits, a leading "-" when negative, no blanks or leading zeros.
std::string decimalText(int value);

// A whole number from the sliders' range, or nothing for any other text.
std::optional<int16_t> parseSliderValue(std::string_view text);

// An empty text gives the default; otherwise the key is read a second time and that text is
// used. A text that is not a whole number from 1 to 10 counts as missing, so the landing score
// can never divide by zero.
int16_t readProgression(SettingsStore& store);
int16_t readJump(SettingsStore& store);

// Only the exact text "False" switches crates off.
bool cratesOff(SettingsStore& store);

}  // namespace options
