#include "game/messages.h"

#include "game/option_rules.h"

std::string lossMessage(int level, int score) {
  return "You have failed round " + options::decimalText(level) + "." + "\r\n" +
         "Press 'Enter' to play again." + "\r\n" +
         "Remember, you can press 'Escape' at any time during play to quit the game, and "
         "'Backspace' to pause." +
         "\r\n" + "Score: " + options::decimalText(score);
}

std::string winMessage(int nextLevel, int score) {
  return "Winner! Press 'Enter' for round " + options::decimalText(nextLevel) +
         ". Score: " + options::decimalText(score);
}
