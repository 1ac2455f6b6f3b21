#pragma once

#include <string>
#include <string_view>

// Text from outside the game (a path, a file name, a system's message) as it may be printed:
// control characters and bytes that are not UTF-8 as \n, \t, \r or \xHH, so that nothing in it
// can steer the terminal.
std::string printable(std::string_view outside);
