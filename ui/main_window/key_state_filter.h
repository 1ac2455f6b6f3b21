#pragma once

#include <QObject>
#include <map>

#include "game/key_state.h"

// The key state the game polls, kept from the key events of the game's own windows: a key is
// pressed when it is down now or was pressed since its previous query. Keys typed into other
// programs never count, and keys held when the game loses the focus are let go.
class KeyStateFilter final : public QObject, public KeyState {
  Q_OBJECT

 public:
  // Watches every key event of the application from now on.
  explicit KeyStateFilter(QObject* parent = nullptr);
  bool pressed(VirtualKey key) override;
  void forget(VirtualKey key) override;

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  struct KeyRecord {
    bool down = false;
    bool pressedSinceQuery = false;
  };
  std::map<VirtualKey, KeyRecord> keys_;
};
