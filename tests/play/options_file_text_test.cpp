#include "play/options_file_text.h"

#include <gtest/gtest.h>

namespace {

struct SetCase {
  const char* name;
  const char* before;
  const char* key;
  const char* text;
  const char* after;
};
void PrintTo(const SetCase& c, std::ostream* out) { *out << c.name; }

class SettingAValue : public ::testing::TestWithParam<SetCase> {};

// Setting one value changes its own bytes and nothing else in the file.
TEST_P(SettingAValue, ChangesOnlyItsOwnBytes) {
  OptionsFileText file(GetParam().before);
  file.setValue("Settings", GetParam().key, GetParam().text);
  EXPECT_EQ(file.text(), GetParam().after);
  EXPECT_EQ(file.value("Settings", GetParam().key), GetParam().text);
}

INSTANTIATE_TEST_SUITE_P(
    OptionsFileText, SettingAValue,
    ::testing::Values(
        SetCase{"InPlaceKeepingCommentsAndOtherSections",
                "; mine\n[Other]\nJump=1\n[Settings]\n# note\nJump = 4 ; old\nMusic=True\n", "Jump",
                "7", "; mine\n[Other]\nJump=1\n[Settings]\n# note\nJump = 7 ; old\nMusic=True\n"},
        SetCase{"AtTheEndOfItsSection", "[Settings]\nJump=4\n\n[Other]\nx=1\n", "Music", "True",
                "[Settings]\nJump=4\nMusic=True\n\n[Other]\nx=1\n"},
        SetCase{"InANewSectionAfterALastLineWithoutBreak", "[General]\nx=1", "Music", "False",
                "[General]\nx=1\n\n[Settings]\nMusic=False\n"},
        SetCase{"InAnEmptyFile", "", "Progression", "10", "[Settings]\nProgression=10\n"},
        SetCase{"PastADamagedLineAndBeforeAnUnfinishedSection",
                "[Settings]\nnot an option\nJump=4\n[Setti", "Progression", "7",
                "[Settings]\nnot an option\nJump=4\nProgression=7\n[Setti"},
        SetCase{"WithTheFilesOwnLineBreaks", "[Settings]\r\nJump=4\r\n", "Jump", "5",
                "[Settings]\r\nJump=5\r\n"},
        SetCase{"OnTheLastOfTwoLinesForTheKey", "[Settings]\nJump=1\nJump=2\n", "Jump", "3",
                "[Settings]\nJump=1\nJump=3\n"},
        SetCase{"WhereAGeneralLineNamesTheSection", "Settings\\Jump=2\n", "Jump", "5",
                "Settings\\Jump=5\n"},
        SetCase{"QuotedWhenItHoldsASeparator", "[Settings]\nMusic=True\n", "Music", "a;b",
                "[Settings]\nMusic=\"a;b\"\n"}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(OptionsFileText, DamageIsToldByItsFirstLineAndBinaryBytesByTheWholeFile) {
  EXPECT_EQ(OptionsFileText("#c\n  ;c\n\n[Settings]\nJump=1\n").firstDamagedLine(), 0);
  EXPECT_EQ(OptionsFileText("[Settings]\nJump=1\nthis is not an option\nx\n").firstDamagedLine(),
            3);
  EXPECT_EQ(OptionsFileText("[Settings]\nJump=\"a\nb\"\n[Setti").firstDamagedLine(), 4);
  for (const std::string& bytes :
       {std::string("a\0b", 3), std::string("caf\xe9"), std::string("\xed\xa0\x80"),
        std::string("\xf4\x90\x80\x80"), std::string("\xc0\xaf")}) {
    EXPECT_TRUE(OptionsFileText::isBinary(bytes)) << bytes;
  }
  EXPECT_FALSE(OptionsFileText::isBinary("[Settings]\nName=caf\xc3\xa9 \xf0\x9f\x98\x80\n"));
}

}  // namespace
