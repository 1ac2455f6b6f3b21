#include "tools/trace/trace_runner.h"

#include <charconv>
#include <cmath>
#include <istream>
#include <ostream>
#include <sstream>
#include <string_view>
#include <vector>

#include "game/game.h"
#include "tools/trace/trace_ports.h"

namespace {

struct ScriptError : std::runtime_error {
  using std::runtime_error::runtime_error;
};

using StateField = int16_t GameState::*;

const std::pair<const char*, StateField> kStateFields[] = {
    {"progression", &GameState::progression},
    {"jumpSpeed", &GameState::jumpSpeed},
    {"noCrates", &GameState::noCrates},
    {"playerX", &GameState::playerX},
    {"playerY", &GameState::playerY},
    {"dropSpeed", &GameState::dropSpeed},
    {"frameTicks", &GameState::frameTicks},
    {"poseUp", &GameState::poseUp},
    {"gapLeft", &GameState::gapLeft},
    {"ledgeY", &GameState::ledgeY},
    {"gapRight", &GameState::gapRight},
    {"cloudX", &GameState::cloudX},
    {"cloudY", &GameState::cloudY},
    {"cloudRight", &GameState::cloudRight},
    {"keepProgress", &GameState::keepProgress},
    {"jumps", &GameState::jumps},
    {"level", &GameState::level},
    {"crateX", &GameState::crateX},
    {"crateY", &GameState::crateY},
    {"crateShown", &GameState::crateShown},
    {"score", &GameState::score},
};

const std::pair<const char*, VirtualKey> kTickKeys[] = {
    {"Left", VirtualKey::Left},           {"Up", VirtualKey::Up},
    {"Right", VirtualKey::Right},         {"Down", VirtualKey::Down},
    {"Backspace", VirtualKey::Backspace}, {"F1", VirtualKey::F1},
    {"Escape", VirtualKey::Escape},
};

std::vector<std::string> words(const std::string& line) {
  std::istringstream in(line);
  std::vector<std::string> result;
  for (std::string w; in >> w;) result.push_back(w);
  return result;
}

int16_t parseInt16(const std::string& text) {
  int value = 0;
  const auto [end, ec] = std::from_chars(text.data(), text.data() + text.size(), value);
  if (ec != std::errc() || end != text.data() + text.size() || value < -32768 || value > 32767)
    throw ScriptError("not a 16-bit whole number: " + text);
  return static_cast<int16_t>(value);
}

float parseUnit(const std::string& text) {
  size_t used = 0;
  float value = 0;
  try {
    value = std::stof(text, &used);
  } catch (const std::exception&) {
    used = 0;
  }
  if (used != text.size() || !(value >= 0.0f && value < 1.0f))
    throw ScriptError("not a number in [0, 1): " + text);
  return value;
}

StateField stateField(const std::string& name) {
  for (auto [n, field] : kStateFields)
    if (name == n) return field;
  throw ScriptError("no state variable named " + name);
}

void printState(std::ostream& out, const GameState& s) {
  out << "state";
  for (auto [name, field] : kStateFields) out << " " << name << "=" << s.*field;
  out << "\n";
}

class Session {
 public:
  explicit Session(std::ostream& out)
      : out_(out),
        store_(out),
        field_(out),
        controls_(out),
        game_(GamePorts{keys_, field_, controls_, store_, random_}) {}

  void run(const std::string& line) {
    const std::vector<std::string> w = words(line);
    const std::string& command = w[0];
    if (command == "store") {
      if (w.size() < 2) throw ScriptError("store needs a key");
      // The text is the rest of the line after the key and one blank, blanks included.
      const size_t keyAt = line.find(w[1], line.find("store") + 5);
      const size_t textAt = keyAt + w[1].size() + 1;
      store_.values[w[1]] = textAt < line.size() ? line.substr(textAt) : std::string();
    } else if (command == "unstore") {
      if (w.size() != 2) throw ScriptError("unstore needs one key");
      store_.values.erase(w[1]);
    } else if (command == "random") {
      for (size_t i = 1; i < w.size(); ++i) random_.queue.push_back(parseUnit(w[i]));
    } else if (command == "load") {
      game_.setUpLevel();
    } else if (command == "tick") {
      keys_.held.clear();
      for (size_t i = 1; i < w.size(); ++i) keys_.held.insert(tickKey(w[i]));
      game_.tick();
    } else if (command == "set") {
      if (w.size() != 3) throw ScriptError("set needs a name and a value");
      const int16_t value = parseInt16(w[2]);
      if (w[1] == "progression")
        game_.setProgression(value);
      else if (w[1] == "jumpSpeed")
        game_.setJumpSpeed(value);
      else if (w[1] == "noCrates")
        game_.setNoCrates(value);
      else
        throw ScriptError("set takes progression, jumpSpeed or noCrates, not " + w[1]);
    } else if (command == "state") {
      if (w.size() != 3) throw ScriptError("state needs a name and a value");
      game_.state().*stateField(w[1]) = parseInt16(w[2]);
    } else {
      throw ScriptError("unknown command " + command);
    }
    printState(out_, game_.state());
  }

 private:
  static VirtualKey tickKey(const std::string& name) {
    for (auto [n, key] : kTickKeys)
      if (name == n) return key;
    throw ScriptError("no key named " + name);
  }

  std::ostream& out_;
  trace::Keys keys_;
  trace::Random random_;
  trace::Store store_;
  trace::Field field_;
  trace::Controls controls_;
  Game game_;
};

}  // namespace

int runTrace(std::istream& script, std::ostream& out, std::ostream& err) {
  Session session(out);
  std::string line;
  for (int number = 1; std::getline(script, line); ++number) {
    if (!line.empty() && line.back() == '\r') line.pop_back();
    const auto w = words(line);
    if (w.empty() || w[0].front() == '#') continue;
    try {
      session.run(line);
    } catch (const std::exception& e) {
      out.flush();
      err << "zundabar_trace: line " << number << ": " << e.what() << "\n";
      return 2;
    }
  }
  return 0;
}
