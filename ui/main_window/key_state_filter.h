#pragma once

#include <QKeyEvent>
#include <QObject>
#include <QPointer>
#include <QTimer>
#include <memory>

#include "play/key_rules.h"

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
    // Every window then gets them marked, the release of a key kept from it until the next key
    // event, or a moment, shows that no repeated press follows.
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
  bool isUnmarkedRepeat(const QKeyEvent& press) const;
  // Gives its window the release kept from it, marked as a repeat's or as it came.
  void passHeldRelease(bool asRepeat);

  KeyRules rules_;
  Repeats repeats_;
  std::unique_ptr<QKeyEvent> heldRelease_;
  QPointer<QObject> heldReleaseWindow_;
  QTimer heldReleaseTimer_;
};
