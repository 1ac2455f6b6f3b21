#include "play/outside_text.h"

namespace {

// How many bytes the UTF-8 character at i takes, or 0 when it is none or a control character.
std::size_t printableCharacterBytes(std::string_view s, std::size_t i) {
  const auto lead = static_cast<unsigned char>(s[i]);
  if (lead >= 0x20 && lead < 0x7F) return 1;
  std::size_t length = lead >= 0xC2 && lead <= 0xDF   ? 2
                       : lead >= 0xE0 && lead <= 0xEF ? 3
                       : lead >= 0xF0 && lead <= 0xF4 ? 4
                                                      : 0;
  if (length == 0 || i + length > s.size()) return 0;
  for (std::size_t k = 1; k < length; ++k) {
    if ((static_cast<unsigned char>(s[i + k]) & 0xC0) != 0x80) return 0;
  }
  const auto second = static_cast<unsigned char>(s[i + 1]);
  if (lead == 0xC2 && second < 0xA0) return 0;  // the C1 controls, CSI among them
  if ((lead == 0xE0 && second < 0xA0) || (lead == 0xED && second > 0x9F) ||
      (lead == 0xF0 && second < 0x90) || (lead == 0xF4 && second > 0x8F))
    return 0;
  return length;
}

}  // namespace

std::string printable(std::string_view outside) {
  static constexpr char kHex[] = "0123456789abcdef";
  std::string out;
  out.reserve(outside.size());
  std::size_t i = 0;
  while (i < outside.size()) {
    if (const std::size_t n = printableCharacterBytes(outside, i); n > 0) {
      out.append(outside.substr(i, n));
      i += n;
      continue;
    }
    const auto byte = static_cast<unsigned char>(outside[i++]);
    if (byte == '\n') {
      out += "\\n";
    } else if (byte == '\t') {
      out += "\\t";
    } else if (byte == '\r') {
      out += "\\r";
    } else {
      out += {'\\', 'x', kHex[byte >> 4], kHex[byte & 15]};
    }
  }
  return out;
}
