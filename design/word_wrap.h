#pragma once

#include <cstddef>
#include <string_view>
#include <vector>

// One line of a wrapped caption: where it starts in the text and how many characters it shows.
struct WrappedLine {
  std::size_t start = 0;
  std::size_t length = 0;
  bool operator==(const WrappedLine&) const = default;
};

namespace word_wrap_detail {

template <typename Char>
constexpr bool isBlank(Char c) {
  return c == Char(' ') || c == Char('\t');
}

template <typename Char>
constexpr bool isLineBreak(Char c) {
  return c == Char('\n') || c == Char('\r');
}

}  // namespace word_wrap_detail

// Breaks a caption into lines no wider than the width, as the game's labels wrap at word
// boundaries. A line ends at a line break ("\r\n", "\n" or "\r") or before the first word that
// would cross the edge. The blanks after a line's last word hang past the edge and are not drawn,
// so a run of blanks never pushes the word before it onto the next line: the start prompt's seven
// blanks end its first line after "options.". A word wider than a whole line is broken after its
// last character that fits, and at least one. widthOf(start, length) gives the drawn width of a
// part of the text.
template <typename Char, typename WidthOf>
std::vector<WrappedLine> wrapAtWords(std::basic_string_view<Char> text, int width,
                                     WidthOf&& widthOf) {
  using word_wrap_detail::isBlank;
  using word_wrap_detail::isLineBreak;
  std::vector<WrappedLine> lines;
  const std::size_t size = text.size();
  std::size_t paragraph = 0;
  while (true) {
    std::size_t paragraphEnd = paragraph;
    while (paragraphEnd < size && !isLineBreak(text[paragraphEnd])) ++paragraphEnd;

    std::size_t lineStart = paragraph;
    do {
      std::size_t lineEnd = lineStart;
      std::size_t next = lineStart;
      bool anyWord = false;
      while (next < paragraphEnd) {
        std::size_t wordStart = next;
        while (wordStart < paragraphEnd && isBlank(text[wordStart])) ++wordStart;
        std::size_t wordEnd = wordStart;
        while (wordEnd < paragraphEnd && !isBlank(text[wordEnd])) ++wordEnd;
        if (wordEnd == wordStart) break;
        if (widthOf(lineStart, wordEnd - lineStart) <= width) {
          lineEnd = wordEnd;
          next = wordEnd;
          anyWord = true;
          continue;
        }
        if (!anyWord) {
          // Not even the first word fits: it is cut after its last character that does.
          lineEnd = wordStart + 1;
          while (lineEnd < wordEnd && widthOf(lineStart, lineEnd + 1 - lineStart) <= width) {
            ++lineEnd;
          }
        }
        break;
      }
      lines.push_back({lineStart, lineEnd - lineStart});
      lineStart = lineEnd;
      while (lineStart < paragraphEnd && isBlank(text[lineStart])) ++lineStart;
    } while (lineStart < paragraphEnd);

    if (paragraphEnd == size) break;
    paragraph = paragraphEnd + 1;
    if (text[paragraphEnd] == Char('\r') && paragraph < size && text[paragraph] == Char('\n')) {
      ++paragraph;
    }
  }
  return lines;
}
