#pragma once

#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QTimer>
#include <memory>

#include "design/playfield_frame.h"
#include "design/resolution.h"
#include "tests/fakes/fake_ports.h"
#include "ui/main_window/main_window.h"

// A point in playfield units as a pixel of the inner area at 1x.
inline QPoint unitsToPixels(double x, double y) {
  return {playfieldUnitsToPixelsX(x, kDesignDpi), playfieldUnitsToPixelsY(y, kDesignDpi)};
}

class MainWindowFixture : public ::testing::Test {
 protected:
  FakeKeys keys;
  FakeStore store;
  FakeWavePlayer player;
  ScriptedRandom random;
  std::unique_ptr<MainWindow> form;

  void SetUp() override {
    // The first level: player (483, 175), gap 238..413 at 650, cloud (75, 135), no crate.
    random.values = {0.5f, 0.5f, 0.25f, 0.5f, 0.99999994f, 0.1f, 0.9f, 0.01f};
    form = std::make_unique<MainWindow>(keys, store, player, random);
    form->start();
  }

  void TearDown() override {
    // A game that ended asked the application to quit, and until the application's own loop
    // has run again every other event loop, a message box's too, returns at once.
    QTimer::singleShot(0, qApp, [] { QCoreApplication::exit(0); });
    QCoreApplication::exec();
  }

  QLabel* find(const char* name) { return form->findChild<QLabel*>(name); }
  GameState& state() { return form->game().state(); }
};
