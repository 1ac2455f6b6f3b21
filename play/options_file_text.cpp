#include "play/options_file_text.h"

#include <algorithm>
#include <cstdint>

namespace {

constexpr std::string_view kUtf8ByteOrderMark = "\xef\xbb\xbf";
constexpr std::size_t kNone = std::string_view::npos;
constexpr char32_t kReplacementCharacter = 0xFFFD;

bool isBlank(char c) { return c == ' ' || c == '\t'; }
bool isLineBreak(char c) { return c == '\n' || c == '\r'; }
bool isHexDigit(char c) {
  return (c >= '0' && c <= '9') || (c >= 'a' && c <= 'f') || (c >= 'A' && c <= 'F');
}
int hexValue(char c) {
  if (c <= '9') return c - '0';
  return (c | 0x20) - 'a' + 10;
}
bool startsWith(std::string_view s, std::string_view prefix) {
  return s.substr(0, prefix.size()) == prefix;
}
bool equalsIgnoringCase(std::string_view a, std::string_view b) {
  return std::equal(a.begin(), a.end(), b.begin(), b.end(),
                    [](char x, char y) { return (x | 0x20) == (y | 0x20); });
}

std::string_view trimmed(std::string_view s) {
  const auto space = [](char c) { return isBlank(c) || isLineBreak(c) || c == '\v' || c == '\f'; };
  while (!s.empty() && space(s.front())) s.remove_prefix(1);
  while (!s.empty() && space(s.back())) s.remove_suffix(1);
  return s;
}

// The code point starting at i, moving i past it; -1 for a byte that starts no UTF-8 sequence.
int32_t decodeUtf8(std::string_view s, std::size_t& i) {
  const auto lead = static_cast<unsigned char>(s[i++]);
  if (lead < 0x80) return lead;
  int more = 0;
  int32_t point = 0;
  unsigned char low = 0x80, high = 0xBF;
  if (lead >= 0xC2 && lead <= 0xDF) {
    more = 1, point = lead & 0x1F;
  } else if (lead >= 0xE0 && lead <= 0xEF) {
    more = 2, point = lead & 0x0F;
    if (lead == 0xE0) low = 0xA0;
    if (lead == 0xED) high = 0x9F;  // no surrogates
  } else if (lead >= 0xF0 && lead <= 0xF4) {
    more = 3, point = lead & 0x07;
    if (lead == 0xF0) low = 0x90;
    if (lead == 0xF4) high = 0x8F;
  } else {
    return -1;
  }
  for (int k = 0; k < more; ++k, low = 0x80, high = 0xBF) {
    if (i >= s.size()) return -1;
    const auto c = static_cast<unsigned char>(s[i]);
    if (c < low || c > high) return -1;
    point = (point << 6) | (c & 0x3F);
    ++i;
  }
  return point;
}

void appendUtf8(std::string& out, char32_t point) {
  if (point >= 0xD800 && point <= 0xDFFF) point = kReplacementCharacter;
  if (point < 0x80) {
    out += static_cast<char>(point);
  } else if (point < 0x800) {
    out += static_cast<char>(0xC0 | (point >> 6));
    out += static_cast<char>(0x80 | (point & 0x3F));
  } else {
    out += static_cast<char>(0xE0 | (point >> 12));
    out += static_cast<char>(0x80 | ((point >> 6) & 0x3F));
    out += static_cast<char>(0x80 | (point & 0x3F));
  }
}

// A key or section name as QSettings reads it: "\" stands for "/", %XX and %UXXXX for a
// character.
std::string unescapedKey(std::string_view raw) {
  std::string out;
  std::size_t i = 0;
  while (i < raw.size()) {
    const char c = raw[i];
    if (c == '\\') {
      out += '/';
      ++i;
      continue;
    }
    if (c != '%' || i + 1 == raw.size()) {
      out += c;
      ++i;
      continue;
    }
    std::size_t first = i + 1;
    std::size_t digits = 2;
    if (raw[first] == 'U') ++first, digits = 4;
    const std::string_view hex = raw.substr(first, digits);
    if (hex.size() < digits || !std::all_of(hex.begin(), hex.end(), isHexDigit)) {
      out += '%';
      ++i;
      continue;
    }
    char32_t point = 0;
    for (char h : hex) point = point * 16 + hexValue(h);
    appendUtf8(out, point);
    i = first + digits;
  }
  return out;
}

// A value's bytes as QSettings reads them into text: quotes group, backslash escapes as in C,
// an unquoted comma makes a list (which reads as no text), blanks around it do not count.
std::string unescapedValue(std::string_view raw) {
  std::string out;
  std::size_t i = 0;
  std::size_t chopLimit = 0;  // trailing blanks are dropped, but never one written as an escape
  bool inQuotes = false;
  bool quoted = false;
  bool chopAtEnd = true;
  const auto skipBlanks = [&] {
    while (i < raw.size() && isBlank(raw[i])) ++i;
    chopLimit = out.size();
  };
  // A numeric escape runs as far as its digits go; QSettings keeps 16 bits of it.
  const auto numeric = [&](uint32_t value, int base, bool (*digit)(char)) {
    while (i < raw.size() && digit(raw[i])) value = value * base + hexValue(raw[i++]);
    appendUtf8(out, value & 0xFFFF);
    chopLimit = out.size();
    if (i >= raw.size()) chopAtEnd = false;
  };
  skipBlanks();
  while (i < raw.size()) {
    const char c = raw[i];
    if (c == '\\') {
      if (++i >= raw.size()) {
        chopAtEnd = false;
        break;
      }
      const char e = raw[i++];
      static constexpr std::string_view kFrom = "abfnrtv\"?'\\";
      static constexpr std::string_view kTo = "\a\b\f\n\r\t\v\"?'\\";
      if (const std::size_t k = kFrom.find(e); k != kNone) {
        out += kTo[k];
      } else if (e == 'x' && i >= raw.size()) {
        chopAtEnd = false;
        break;
      } else if (e == 'x' && isHexDigit(raw[i])) {
        numeric(0, 16, isHexDigit);
        continue;
      } else if (e >= '0' && e <= '7') {
        numeric(e - '0', 8, [](char d) { return d >= '0' && d <= '7'; });
        continue;
      } else if (isLineBreak(e) && i < raw.size() && isLineBreak(raw[i]) && raw[i] != e) {
        ++i;  // a line continued after \r\n or \n\r
      }
      chopLimit = out.size();
    } else if (c == '"') {
      ++i;
      quoted = true;
      inQuotes = !inQuotes;
      if (!inQuotes) skipBlanks();
    } else if (c == ',' && !inQuotes) {
      return {};
    } else {
      const std::size_t stop = std::min(raw.find_first_of("\\\",", i + 1), raw.size());
      out.append(raw.substr(i, stop - i));
      i = stop;
    }
  }
  if (chopAtEnd && !quoted) {
    while (out.size() > chopLimit && isBlank(out.back())) out.pop_back();
  }
  // Values of other types are written as @Type(...); the text of most of them is empty.
  const std::string_view s = out;
  if (startsWith(s, "@") && s.back() == ')') {
    if (startsWith(s, "@ByteArray(")) return std::string(s.substr(11, s.size() - 12));
    if (startsWith(s, "@String(")) return std::string(s.substr(8, s.size() - 9));
    for (std::string_view type : {"@Variant(", "@DateTime(", "@Rect(", "@Size(", "@Point("}) {
      if (startsWith(s, type)) return {};
    }
    if (s == "@Invalid()") return {};
  }
  if (startsWith(s, "@@")) return std::string(s.substr(1));
  return out;
}

// Where the physical line holding pos ends, its line break included.
std::size_t endOfLine(std::string_view s, std::size_t pos) {
  pos = std::min(s.find_first_of("\n\r", pos), s.size());
  if (pos == s.size()) return pos;
  return s.compare(pos, 2, "\r\n") == 0 ? pos + 2 : pos + 1;
}

}  // namespace

OptionsFileText::OptionsFileText(std::string text) : text_(std::move(text)) { parse(); }

void OptionsFileText::parse() {
  lines_.clear();
  firstDamagedLine_ = 0;
  const std::string_view s = text_;
  const auto damaged = [&](std::size_t at) {
    if (firstDamagedLine_ == 0)
      firstDamagedLine_ = 1 + static_cast<int>(std::count(s.begin(), s.begin() + at, '\n'));
  };
  std::string section;
  std::size_t pos = startsWith(s, kUtf8ByteOrderMark) ? kUtf8ByteOrderMark.size() : 0;
  while (pos < s.size()) {
    std::size_t start = pos;
    while (start < s.size() && isBlank(s[start])) ++start;
    if (start == s.size()) break;
    if (isLineBreak(s[start]) || s[start] == ';' || s[start] == '#') {
      pos = endOfLine(s, start);
      continue;
    }
    // A line runs on past a line break inside quotes or after a backslash, and stops at a
    // comment.
    std::size_t i = start;
    std::size_t equals = kNone;
    bool inQuotes = false;
    while (i < s.size()) {
      const char c = s[i];
      if (c == '\\') {
        i += 2;
        if (i < s.size() && isLineBreak(s[i - 1]) && isLineBreak(s[i]) && s[i] != s[i - 1]) ++i;
        continue;
      }
      if (c == '"') inQuotes = !inQuotes;
      if (!inQuotes && (isLineBreak(c) || c == ';')) break;
      if (c == '=' && !inQuotes && equals == kNone) equals = i;
      ++i;
    }
    const std::size_t contentEnd = std::min(i, s.size());
    pos = endOfLine(s, contentEnd);
    const std::string_view content = s.substr(start, contentEnd - start);
    if (content.front() == '[') {
      const std::size_t close = content.find(']');
      if (close == kNone) damaged(start);
      const std::string_view name = trimmed(content.substr(1, close == kNone ? kNone : close - 1));
      if (equalsIgnoringCase(name, "general")) {
        section.clear();
      } else if (equalsIgnoringCase(name, "%general")) {
        section = name.substr(1);
      } else {
        section = unescapedKey(name);
      }
      lines_.push_back({true, section, {}, 0, 0, pos});
    } else if (equals != kNone) {
      const std::string key = unescapedKey(trimmed(s.substr(start, equals - start)));
      std::size_t valueBegin = equals + 1;
      std::size_t valueEnd = contentEnd;
      while (valueBegin < valueEnd && isBlank(s[valueBegin])) ++valueBegin;
      while (valueEnd > valueBegin && isBlank(s[valueEnd - 1])) --valueEnd;
      lines_.push_back(
          {false, section, section.empty() ? key : section + "/" + key, valueBegin, valueEnd, pos});
    } else {
      damaged(start);
    }
  }
}

std::optional<std::string> OptionsFileText::value(std::string_view section,
                                                  std::string_view key) const {
  const std::string path = std::string(section) + "/" + std::string(key);
  // The last of several lines for one key is the one that counts.
  for (auto line = lines_.rbegin(); line != lines_.rend(); ++line) {
    if (!line->isSection && line->path == path) {
      return unescapedValue(
          std::string_view(text_).substr(line->valueBegin, line->valueEnd - line->valueBegin));
    }
  }
  return std::nullopt;
}

void OptionsFileText::setValue(std::string_view section, std::string_view key,
                               std::string_view text) {
  const std::string path = std::string(section) + "/" + std::string(key);
  for (auto line = lines_.rbegin(); line != lines_.rend(); ++line) {
    if (!line->isSection && line->path == path) {
      text_.replace(line->valueBegin, line->valueEnd - line->valueBegin, escapedValue(text));
      parse();
      return;
    }
  }
  std::size_t insertAt = kNone;
  for (const Line& line : lines_) {
    if (line.section == section) insertAt = line.end;
  }
  const std::size_t before = insertAt == kNone ? text_.size() : insertAt;
  std::string added = before == 0 || isLineBreak(text_[before - 1]) ? "" : "\n";
  if (insertAt == kNone) {
    // A new section, after a blank line as QSettings writes them.
    if (!text_.empty()) added += "\n";
    added += '[';
    added += escapedKey(section);
    added += "]\n";
    insertAt = text_.size();
  }
  added += escapedKey(key) + "=" + escapedValue(text) + "\n";
  text_.insert(insertAt, added);
  parse();
}

bool OptionsFileText::isBinary(std::string_view bytes) {
  std::size_t i = 0;
  while (i < bytes.size()) {
    if (decodeUtf8(bytes, i) <= 0) return true;
  }
  return false;
}

std::string OptionsFileText::escapedKey(std::string_view key) {
  static constexpr char kHex[] = "0123456789ABCDEF";
  std::string out;
  std::size_t i = 0;
  while (i < key.size()) {
    const int32_t point = decodeUtf8(key, i);
    std::u16string units;
    if (point < 0) {
      units = u"\uFFFD";
    } else if (point > 0xFFFF) {
      units = {char16_t(0xD800 + ((point - 0x10000) >> 10)), char16_t(0xDC00 + (point & 0x3FF))};
    } else {
      units = {char16_t(point)};
    }
    for (char16_t u : units) {
      if (u == '/') {
        out += '\\';
      } else if ((u >= 'a' && u <= 'z') || (u >= 'A' && u <= 'Z') || (u >= '0' && u <= '9') ||
                 u == '_' || u == '-' || u == '.') {
        out += static_cast<char>(u);
      } else if (u <= 0xFF) {
        out += {'%', kHex[u >> 4], kHex[u & 15]};
      } else {
        out += {'%', 'U', kHex[u >> 12], kHex[(u >> 8) & 15], kHex[(u >> 4) & 15], kHex[u & 15]};
      }
    }
  }
  return out;
}

std::string OptionsFileText::escapedValue(std::string_view text) {
  static constexpr char kHex[] = "0123456789abcdef";
  // Text that could be taken for another type is marked as text.
  std::string s(text);
  if (s.find('\0') != kNone) {
    s = "@String(" + s + ")";
  } else if (startsWith(s, "@")) {
    s = "@" + s;
  }
  std::string out;
  bool needsQuotes = false;
  bool escapeNextIfDigit = false;  // so that a digit after a numeric escape is not read into it
  for (const char c : s) {
    const auto byte = static_cast<unsigned char>(c);
    if (c == ';' || c == ',' || c == '=') needsQuotes = true;
    if (escapeNextIfDigit && isHexDigit(c)) {
      out += {'\\', 'x', kHex[byte >> 4], kHex[byte & 15]};
      continue;
    }
    escapeNextIfDigit = false;
    static constexpr std::string_view kFrom = "\a\b\f\n\r\t\v";
    static constexpr std::string_view kTo = "abfnrtv";
    if (c == '\0') {
      out += "\\0";
      escapeNextIfDigit = true;
    } else if (const std::size_t k = kFrom.find(c); k != kNone) {
      out += {'\\', kTo[k]};
    } else if (c == '"' || c == '\\') {
      out += {'\\', c};
    } else if (byte <= 0x1F) {
      out += "\\x";
      if (byte >= 16) out += kHex[byte >> 4];
      out += kHex[byte & 15];
      escapeNextIfDigit = true;
    } else {
      out += c;
    }
  }
  if (needsQuotes || (!out.empty() && (out.front() == ' ' || out.back() == ' ')))
    out = "\"" + out + "\"";
  return out;
}
