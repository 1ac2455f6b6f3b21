#pragma once

#include <windows.h>

#include <optional>
#include <vector>

#include "design/display_rules.h"

// Pops up the right-click menu of those entries at that point of the screen and waits for the
// player: the choice of the entry taken, or nothing when the menu was closed without one.
std::optional<DisplayChoice> chooseFromDisplayMenu(HWND owner, POINT at,
                                                   const std::vector<DisplayMenuEntry>& entries);
