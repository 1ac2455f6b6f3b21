#include "design/word_wrap.h"

#include <gtest/gtest.h>

#include <string>
#include <string_view>
#include <vector>

namespace {

// Every character is 5 pixels wide, a blank 3: a blank counts wherever it is inside a line.
std::vector<std::string> wrapped(std::string_view text, int width) {
  const auto widthOf = [text](std::size_t start, std::size_t length) {
    int pixels = 0;
    for (char c : text.substr(start, length)) pixels += c == ' ' ? 3 : 5;
    return pixels;
  };
  std::vector<std::string> lines;
  for (const WrappedLine& line : wrapAtWords(text, width, widthOf)) {
    lines.emplace_back(text.substr(line.start, line.length));
  }
  return lines;
}

using Lines = std::vector<std::string>;

TEST(WordWrap, BlanksAfterALinesLastWordHangPastTheEdge) {
  // "ab cd." is 28 pixels; with the seven blanks after it, 49: the blanks must not count.
  EXPECT_EQ(wrapped("ab cd.       ef gh", 30), (Lines{"ab cd.", "ef gh"}));
  // Blanks between words on one line do count.
  EXPECT_EQ(wrapped("ab    cd", 30), (Lines{"ab", "cd"}));
  EXPECT_EQ(wrapped("ab    cd", 32), (Lines{"ab    cd"}));
  EXPECT_EQ(wrapped("ab cd ef", 1000), (Lines{"ab cd ef"}));
}

TEST(WordWrap, LineBreaksEndLinesAndATooLongWordIsCut) {
  EXPECT_EQ(wrapped("ab\r\ncd\ref\n\ngh", 1000), (Lines{"ab", "cd", "ef", "", "gh"}));
  EXPECT_EQ(wrapped("abcdefg hi", 20), (Lines{"abcd", "efg", "hi"}));
  // Not even one character fits: each line still shows one, so the text always ends.
  EXPECT_EQ(wrapped("abc", 2), (Lines{"a", "b", "c"}));
  EXPECT_EQ(wrapped("", 10), (Lines{""}));
  EXPECT_EQ(wrapped("   ", 10), (Lines{""}));
  // Leading blanks of the first line are drawn; a wrapped line starts at its word.
  EXPECT_EQ(wrapped("  ab cd", 20), (Lines{"  ab", "cd"}));
}

}  // namespace
