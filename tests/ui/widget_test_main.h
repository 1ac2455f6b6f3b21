#pragma once

#include <gtest/gtest.h>
#include <stdlib.h>

#include <QApplication>
#include <QTemporaryDir>

#include "ui/game_font.h"

// Runs widget tests on Qt's offscreen platform at the given scale, with the game's own font and
// a settings location of their own so that nothing touches the player's options.
inline int runWidgetTests(int argc, char** argv, const char* scaleFactor) {
  setenv("QT_QPA_PLATFORM", "offscreen", 1);
  setenv("QT_SCALE_FACTOR", scaleFactor, 1);
  QTemporaryDir config;
  setenv("XDG_CONFIG_HOME", qPrintable(config.path()), 1);
  QApplication app(argc, argv);
  useGameFont();
  ::testing::InitGoogleTest(&argc, argv);
  return RUN_ALL_TESTS();
}
