#pragma once

#include <string_view>

#include "play/outside_text.h"

// One line on stderr: "zundabar: " and line. A failed write is ignored: the game plays on
// without its stderr.
void tellOnStderr(std::string_view line);
