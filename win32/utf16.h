#pragma once

#include <string>
#include <string_view>

// The game keeps text as UTF-8; Windows takes and gives UTF-16. Bytes that are not UTF-8 become
// U+FFFD, and so do lone surrogates on the way back.
std::wstring toUtf16(std::string_view utf8);
std::string toUtf8(std::wstring_view utf16);
