// The browser game drawing from the same scripted values as zundabar_window_shots, so that the
// tests can put its pictures of a situation beside the Linux build's. A test tool, never shipped.
#include "tools/window_shots/scripted_random.h"
#include "web/page_game.h"

int main() {
  static ScriptedRandom random;
  runPage(random);
  return 0;
}
