// The browser game: the page, with the game's own generator.
#include "game/time_mixed_random.h"
#include "web/page_game.h"

int main() {
  static TimeMixedRandom random;
  runPage(random);
  return 0;
}
