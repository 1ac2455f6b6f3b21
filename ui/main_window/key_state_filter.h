#pragma once

#include <QObject>

#include "play/key_rules.h"

// Feeds the game's key rules from the key events of the application's windows: each press and
// release once, as it reaches its window, and whether the window used the press. Keys typed
// into other programs never count.
class KeyStateFilter final : public QObject, public KeyState {
  Q_OBJECT

 public:
  // Watches every key event of the application from now on.
  explicit KeyStateFilter(QObject* parent = nullptr);
  bool pressed(VirtualKey key) override { return rules_.pressed(key); }
  void forget(VirtualKey key) override { rules_.forget(key); }

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  KeyRules rules_;
};
