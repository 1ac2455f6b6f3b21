#pragma once

#include <QObject>
#include <QTimer>

#include "play/play_session.h"
#include "ui/main_window/pad_reader.h"

// Reads the pads for the session at the pad poll's pace, from start-up to the end of the game,
// on the game's own thread.
class PadPoller final : public QObject {
  Q_OBJECT

 public:
  PadPoller(PlaySession& session, PadReader& reader, QObject* parent = nullptr);
  // The first poll, which loads and starts SDL, comes a moment after start-up, so that it never
  // delays the main window's first frame.
  void start();
  void pollNow();

 private:
  PlaySession& session_;
  PadReader& reader_;
  QTimer timer_;
};
