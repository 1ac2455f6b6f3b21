#pragma once

#include <string>

// The system's own words for an error code, as printable one-line text with the code after it:
// "Access denied. (error 5)".
std::string systemErrorText(unsigned long code);
