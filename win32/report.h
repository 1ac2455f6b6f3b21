#pragma once

#include <string_view>

// One line, "zundabar: " and line, where someone can see it: on stderr when the process has one
// that takes the line (started from a console, or with stderr redirected), otherwise to the
// debugger through OutputDebugStringW. Never a message box: a report never stops the game.
// Outside text in the line must already be printable (play/outside_text.h).
void tellOnStderrOrDebugger(std::string_view line);
