#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "game/settings_store.h"

// The stored options, each written once: its key, how its stored text is read, its default and
// the caption the options window shows beside it. Everything else that knows an option (the
// game, the music step, play control, the options window and its layout) reads it from here.
namespace options {

// Where the described program kept them: the registry key
// HKEY_CURRENT_USER\Software\VB and VBA Program Settings\ZNDBR\Settings, or a file of that name.
inline const std::string kStoreFolder = "VB and VBA Program Settings";
inline const std::string kApplication = "ZNDBR";
inline const std::string kSection = "Settings";

inline constexpr std::string_view kTrueText = "True";
inline constexpr std::string_view kFalseText = "False";

constexpr int16_t kSliderMin = 1;
constexpr int16_t kSliderMax = 10;
// Far longer than any text the game stores ("Progression" at most "10", the others "False").
constexpr std::size_t kMaxOptionChars = 64;

enum class Reading {
  // A whole number from 1 to 10, chosen with a slider; any other text counts as missing.
  WholeNumber,
  // A check box, off only when the stored text is exactly "False".
  TickBox,
};

struct Option {
  std::string_view key;
  Reading reading;
  // The number a missing or unusable text gives; a tick box is ticked unless stored as off.
  int16_t defaultNumber;
  std::string_view caption;
};

inline constexpr Option kProgression{"Progression", Reading::WholeNumber, 2,
                                     "Skill progression (higher is harder):"};
inline constexpr Option kJump{"Jump", Reading::WholeNumber, 3, "Jump height (higher is easier):"};
inline constexpr Option kCrates{"Crates", Reading::TickBox, 0, "Crates appear (five jumps each):"};
inline constexpr Option kMusic{
    "Music", Reading::TickBox, 0,
    "Background music                        (takes effect after one song):"};

// In the order the options window shows them, top to bottom.
inline constexpr std::array kAll{&kProgression, &kJump, &kCrates, &kMusic};

// The number of options in words, as the About window tells it.
std::string_view countInWords();

// Plain decimal text: digits, a leading "-" when negative, no blanks or leading zeros.
std::string decimalText(int value);

// A whole number from the sliders' range, or nothing for any other text.
std::optional<int16_t> parseSliderValue(std::string_view text);

// An empty text gives the default; otherwise the key is read a second time and that text is
// used. A text that is not a whole number from 1 to 10 counts as missing, so the landing score
// can never divide by zero.
int16_t readWholeNumber(SettingsStore& store, const Option& option);

// Ticked unless the stored text is exactly "False".
bool readTicked(SettingsStore& store, const Option& option);

// The text a tick box stores.
inline std::string tickText(bool ticked) { return std::string(ticked ? kTrueText : kFalseText); }

}  // namespace options
