#pragma once

#include <iosfwd>

// Runs a trace script against one game with printing ports: every command's events, then the
// whole state. Returns the exit status: 0, or 2 after an error, which names the line.
int runTrace(std::istream& script, std::ostream& out, std::ostream& err);
