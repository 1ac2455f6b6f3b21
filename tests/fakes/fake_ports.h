#pragma once

#include <deque>
#include <functional>
#include <map>
#include <set>
#include <stdexcept>
#include <string>
#include <vector>

#include "game/key_state.h"
#include "game/main_window_controls.h"
#include "game/playfield.h"
#include "game/random_source.h"
#include "game/settings_store.h"
#include "play/options_storage.h"
#include "play/wave_player.h"

// Keys held for the next tick, and presses already released that count once; each query is
// recorded in order.
class FakeKeys : public KeyState {
 public:
  std::set<VirtualKey> held;
  std::set<VirtualKey> pending;
  std::vector<VirtualKey> queries;
  bool pressed(VirtualKey key) override {
    queries.push_back(key);
    return pending.erase(key) != 0 || held.count(key) != 0;
  }
  void forget(VirtualKey key) override { pending.erase(key); }
};

// Records every drawing as a line of text, in order.
class FakePlayfield : public Playfield {
 public:
  std::vector<std::string> log;
  void takeFocus() override { log.push_back("focus"); }
  void repaint() override { log.push_back("repaint"); }
  void line(float x1, float y1, float x2, float y2, std::optional<Rgb> colour) override {
    std::string c = colour ? std::to_string(colour->red) + "," + std::to_string(colour->green) +
                                 "," + std::to_string(colour->blue)
                           : "fore";
    log.push_back("line " + num(x1) + " " + num(y1) + " " + num(x2) + " " + num(y2) + " " + c);
  }
  void paint(Picture picture, int16_t x, int16_t y) override {
    static const char* names[] = {"monkeyUp", "monkeyDown", "cloud", "crate"};
    log.push_back(std::string("paint ") + names[static_cast<int>(picture)] + " " +
                  std::to_string(x) + " " + std::to_string(y));
  }
  static std::string num(float v) { return std::to_string(static_cast<int>(v)); }
};

class FakeControls : public MainWindowControls {
 public:
  std::map<LabelId, std::string> captions;
  std::map<LabelId, Rgb> backColours;
  std::map<LabelId, bool> visible{{LabelId::StartPrompt, true}};
  std::map<TimerId, bool> timers{
      {TimerId::Tick, false}, {TimerId::Listener, true}, {TimerId::MusicReplay, false}};
  std::vector<std::string> messages;
  std::vector<std::string> events;
  int geometryRestores = 0;
  bool ended = false;
  // Run while a message box is "open", to see what happens inside it.
  std::function<void()> duringMessage;

  void setCaption(LabelId label, const std::string& caption) override { captions[label] = caption; }
  void setBackColor(LabelId label, Rgb colour) override { backColours[label] = colour; }
  void setLabelVisible(LabelId label, bool on) override { visible[label] = on; }
  void setTimer(TimerId timer, bool on) override {
    timers[timer] = on;
    events.push_back(std::string(timerName(timer)) + (on ? " on" : " off"));
  }
  bool timerOn(TimerId timer) const override { return timers.at(timer); }
  void restoreDesignedGeometry() override { ++geometryRestores; }
  // The player closes the box at once, unless a test keeps it open to close it later.
  bool keepMessagesOpen = false;
  std::function<void()> closeMessage;
  void showMessage(const std::string& text, std::function<void()> closed) override {
    messages.push_back(text);
    events.push_back("message");
    if (duringMessage) duringMessage();
    if (keepMessagesOpen) {
      closeMessage = std::move(closed);
    } else {
      closed();
    }
  }
  void showOptions() override { events.push_back("options"); }
  void showAbout() override { events.push_back("about"); }
  void endProgram() override {
    ended = true;
    events.push_back("end");
  }
  static const char* timerName(TimerId t) {
    return t == TimerId::Tick ? "tick" : t == TimerId::Listener ? "listener" : "musicReplay";
  }
};

class FakeStore : public SettingsStore {
 public:
  std::map<std::string, std::string> values;
  std::vector<std::string> log;
  std::string get(const std::string& key) override {
    log.push_back("get " + key);
    auto it = values.find(key);
    return it == values.end() ? std::string() : it->second;
  }
  void save(const std::string& key, const std::string& text) override {
    log.push_back("save " + key + " " + text);
    values[key] = text;
  }
};

// For long runs: draws nothing and keeps no record.
class QuietPlayfield : public Playfield {
 public:
  void takeFocus() override {}
  void repaint() override {}
  void line(float, float, float, float, std::optional<Rgb>) override {}
  void paint(Picture, int16_t, int16_t) override {}
};

// For long runs: keeps the timers, counts the ends of levels and nothing else.
class QuietControls : public FakeControls {
 public:
  int levelsEnded = 0;
  void setCaption(LabelId, const std::string&) override {}
  void showMessage(const std::string&, std::function<void()> closed) override {
    ++levelsEnded;
    closed();
  }
};

// Hands out the scripted values in order; running dry is a fault of the test.
class ScriptedRandom : public RandomSource {
 public:
  std::deque<float> values;
  float next() override {
    if (values.empty()) throw std::logic_error("scripted random values ran out");
    float u = values.front();
    values.pop_front();
    return u;
  }
};

class FakeWavePlayer : public WavePlayer {
 public:
  std::vector<std::string> played;
  void play(const std::string& fileName) override { played.push_back(fileName); }
};

// A platform's options storage in memory: a read finds what the test put in `found`, or else
// what was written; a write of a key in `refused` fails with that reason.
class FakeOptionsStorage : public OptionsStorage {
 public:
  std::map<std::string, Found> found;
  std::map<std::string, std::string> values;
  std::map<std::string, std::string> refused;

  Found read(const std::string& key) override {
    if (found.count(key) != 0) return found[key];
    return {values.count(key) != 0 ? std::optional(values[key]) : std::nullopt, false, {}};
  }
  Written write(const std::map<std::string, std::string>& given) override {
    Written written;
    for (const auto& [key, text] : given) {
      if (refused.count(key) != 0) {
        written.failed[key] = refused[key];
      } else {
        values[key] = text;
      }
    }
    return written;
  }
  std::string shownLocation() const override { return "the store"; }
};
