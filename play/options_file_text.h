#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

// The options file's text in the INI format that QSettings writes and reads on Linux: [sections]
// of key=value lines, with keys and values escaped as QSettings escapes them. Every line is kept
// as it stands (comments, other sections and keys, even damaged lines), so that setting one value
// changes nothing else in the file.
class OptionsFileText {
 public:
  explicit OptionsFileText(std::string text = {});

  // The text QSettings would read under section/key, or nothing when the key is missing.
  std::optional<std::string> value(std::string_view section, std::string_view key) const;
  // The first line, counting from 1, that is neither blank, a comment, a [section] nor a
  // key=value pair; 0 when there is none.
  int firstDamagedLine() const { return firstDamagedLine_; }
  // Replaces the value on the key's line, or adds the key at the end of its section, or the
  // section at the end of the file.
  void setValue(std::string_view section, std::string_view key, std::string_view text);
  const std::string& text() const { return text_; }

  // Bytes that are no text file at all: a NUL byte, or anything that is not UTF-8.
  static bool isBinary(std::string_view bytes);
  static std::string escapedKey(std::string_view key);
  static std::string escapedValue(std::string_view text);

 private:
  struct Line {
    bool isSection = false;
    std::string section;  // the section the line belongs to, or the one it opens
    std::string path;     // "section/key" as QSettings names a key, escapes undone
    std::size_t valueBegin = 0;
    std::size_t valueEnd = 0;  // the value's bytes, without the blanks around them
    std::size_t end = 0;       // where the next line begins
  };
  void parse();

  std::string text_;
  std::vector<Line> lines_;
  int firstDamagedLine_ = 0;
};
