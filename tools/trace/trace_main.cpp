#include <iostream>

#include "tools/trace/trace_runner.h"

// Replays a script of commands against the game logic and prints everything it does.
int main() { return runTrace(std::cin, std::cout, std::cerr); }
