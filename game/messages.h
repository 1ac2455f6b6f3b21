#pragma once

#include <string>

// The texts of the two end-of-level message boxes; a level is called a "round" in them.
std::string lossMessage(int level, int score);
std::string winMessage(int nextLevel, int score);
