#pragma once

#include <string>

#include "design/window_design.h"

// The designed fonts as the page asks for them: the designed face first, then its newer name,
// then our own face, served with the page.
std::string pageFont(FontRole role, double pixelsPerDesignPixel);
bool pageFontUnderlined(FontRole role);
