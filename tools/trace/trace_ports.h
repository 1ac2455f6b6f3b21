#pragma once

#include <deque>
#include <functional>
#include <map>
#include <optional>
#include <ostream>
#include <set>
#include <stdexcept>
#include <string>

#include "game/key_state.h"
#include "game/main_window_controls.h"
#include "game/playfield.h"
#include "game/random_source.h"
#include "game/settings_store.h"

// Ports that print, one line each, what the game asks of them.
namespace trace {

// A draw found no value queued.
struct OutOfRandomValues : std::runtime_error {
  OutOfRandomValues() : std::runtime_error("a random draw found no value queued") {}
};

class Keys final : public KeyState {
 public:
  std::set<VirtualKey> held;
  bool pressed(VirtualKey key) override { return held.count(key) != 0; }
  void forget(VirtualKey) override {}
};

class Random final : public RandomSource {
 public:
  std::deque<float> queue;
  float next() override {
    if (queue.empty()) throw OutOfRandomValues();
    const float u = queue.front();
    queue.pop_front();
    return u;
  }
};

class Store final : public SettingsStore {
 public:
  explicit Store(std::ostream& out) : out_(out) {}
  std::map<std::string, std::string> values;
  std::string get(const std::string& key) override;
  void save(const std::string& key, const std::string& text) override;

 private:
  std::ostream& out_;
};

class Field final : public Playfield {
 public:
  explicit Field(std::ostream& out) : out_(out) {}
  void takeFocus() override {}
  void repaint() override;
  void line(float x1, float y1, float x2, float y2, std::optional<Rgb> colour) override;
  void paint(Picture picture, int16_t x, int16_t y) override;

 private:
  std::ostream& out_;
};

class Controls final : public MainWindowControls {
 public:
  explicit Controls(std::ostream& out) : out_(out) {}
  void setCaption(LabelId label, const std::string& caption) override;
  void setBackColor(LabelId label, Rgb colour) override;
  void setLabelVisible(LabelId label, bool visible) override;
  void setTimer(TimerId timer, bool on) override;
  bool timerOn(TimerId timer) const override;
  void restoreDesignedGeometry() override {}
  void showMessage(const std::string& text, std::function<void()> closed) override;
  void showOptions() override;
  void showAbout() override;
  void endProgram() override;

 private:
  std::ostream& out_;
  std::map<TimerId, bool> timers_{{TimerId::Listener, true}};
};

}  // namespace trace
