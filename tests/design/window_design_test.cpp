#include <gtest/gtest.h>

#include <set>

#include "design/about_window_design.h"
#include "design/main_window_design.h"
#include "design/options_window_design.h"

namespace {

// The designed twips at 96 dots per inch, as a player sees them.
TEST(WindowDesign, TwipsBecomeTheDesignedPixels) {
  EXPECT_EQ(mainWindowDesign().clientPixels(), (PixelRect{24, 40, 492, 498}));
  EXPECT_EQ(playfieldPixels(), (PixelRect{7, 7, 476, 450}));
  EXPECT_EQ(playfieldInnerPixels(), (PixelRect{9, 9, 472, 446}));
  EXPECT_DOUBLE_EQ(playfieldPixelsPerUnitX(), 0.472);
  EXPECT_DOUBLE_EQ(playfieldPixelsPerUnitY(), 0.446);
  const PixelRect options = optionsWindowDesign().clientPixels();
  EXPECT_EQ((PixelRect{options.x, options.y, options.width, 0}), (PixelRect{291, 248, 351, 0}));
  EXPECT_EQ(aboutWindowDesign().clientPixels(), (PixelRect{0, 0, 312, 289}));
  const WindowDesign& main = mainWindowDesign();
  EXPECT_EQ(placeInWindow(main, main.control("level"), 1), (PixelRect{443, 428, 10, 24}));
  EXPECT_EQ(placeInWindow(main, main.control("score"), 2), (PixelRect{770, 934, 202, 48}));
  EXPECT_EQ(optionsWindowDesign().control("setProgressionButton").pixels(),
            (PixelRect{140, 35, 57, 22}));
  EXPECT_EQ(aboutWindowDesign().control("closeButton").pixels(), (PixelRect{124, 231, 64, 22}));
}

TEST(WindowDesign, EveryControlHasAUniqueNameAndLiesInsideItsWindow) {
  for (const WindowDesign* w :
       {&mainWindowDesign(), &optionsWindowDesign(), &aboutWindowDesign()}) {
    std::set<std::string> names;
    const PixelRect client = w->clientPixels();
    for (const ControlDesign& c : w->controls) {
      EXPECT_TRUE(names.insert(c.name).second) << w->name << ": " << c.name;
      const PixelRect r = placeInWindow(*w, c, 1);
      EXPECT_GE(r.x, 0) << c.name;
      EXPECT_GE(r.y, 0) << c.name;
      EXPECT_LE(r.x + r.width, client.width) << c.name;
      EXPECT_LE(r.y + r.height, client.height) << c.name;
    }
    EXPECT_NO_THROW(w->control(w->firstFocus)) << w->name;
  }
}

TEST(WindowDesign, TheOptionsWindowServesEveryOptionInItsDesignedKeyboardOrder) {
  const WindowDesign& w = optionsWindowDesign();
  for (const options::Option* option : options::kAll) {
    EXPECT_NE(w.forOption(*option, OptionRole::Caption), nullptr) << option->key;
    EXPECT_NE(w.forOption(*option, OptionRole::Choice), nullptr) << option->key;
    EXPECT_NE(w.forOption(*option, OptionRole::SetButton), nullptr) << option->key;
    EXPECT_EQ(w.forOption(*option, OptionRole::Caption)->caption, option->caption);
  }
  // The designed order comes first; the controls of options added later follow it.
  const std::vector<std::string> designed{
      "setProgressionButton", "resumeButton", "progressionSlider",
      "setJumpButton",        "jumpSlider",   "cratesBox",
      "setCratesButton",      "musicBox",     "setMusicButton"};
  std::vector<std::string> order;
  for (const ControlDesign* c : w.tabOrder()) order.push_back(c->name);
  ASSERT_GE(order.size(), designed.size());
  EXPECT_EQ(std::vector<std::string>(order.begin(), order.begin() + 9), designed);
}

TEST(WindowDesign, TheAboutWindowCountsTheOptionsAndNamesWhereTheyAreKept) {
  const WindowDesign& w = aboutWindowDesign();
  EXPECT_EQ(w.control("optionsLocation").caption,
            "HKEY_CURRENT_USER\\VB and VBA Program Settings\\ZNDBR\\");
  const char* count[] = {"", "", "", "", "four", "five", "six"};
  ASSERT_LT(options::kAll.size(), std::size(count));
  EXPECT_TRUE(
      w.control("aboutText")
          .caption.ends_with(
              std::string(19, ' ') + "ZNDBR! uses " + count[options::kAll.size()] +
              " self-created registry keys, to store the options from the options dialogue:"));
}

}  // namespace
