#pragma once

#include <QObject>
#include <optional>

#include "play/key_rules.h"

class QKeyEvent;

// Feeds the game's key rules from the key events of the application's windows: each press and
// release once, as it reaches its window, and whether the window used the press. Keys typed
// into other programs never count.
class KeyStateFilter final : public QObject, public KeyState {
  Q_OBJECT

 public:
  // How the platform tells a held key's repeats apart from presses.
  enum class Repeats {
    // Each one is marked.
    Marked,
    // As on X11: some are marked and the rest come as a release and a press at the same time.
    PairedByTime,
  };

  // Watches every key event of the application from now on, with the platform's repeats.
  explicit KeyStateFilter(QObject* parent = nullptr);
  KeyStateFilter(Repeats repeats, QObject* parent = nullptr);
  bool pressed(VirtualKey key) override { return rules_.pressed(key); }
  void forget(VirtualKey key) override { rules_.forget(key); }

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  struct Release {
    quint32 scanCode;
    quint64 time;
  };
  bool isUnmarkedRepeat(const QKeyEvent& press) const;

  KeyRules rules_;
  Repeats repeats_;
  // The last release not marked as a repeat's, until the next press.
  std::optional<Release> lastRelease_;
};
