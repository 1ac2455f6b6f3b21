#pragma once

#include "design/window_design.h"

// The options window: a row for each option, top to bottom (its caption on the left, its slider
// or check box on the right, its Set button below, a slider's value beside the button), and
// Resume Game centred under the rows.
const WindowDesign& optionsWindowDesign();
