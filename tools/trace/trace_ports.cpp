#include "tools/trace/trace_ports.h"

#include "design/main_window_design.h"

namespace trace {

namespace {

// The names the windows' design gives the labels and timers.
std::string_view timerName(TimerId timer) {
  for (const TimerDesign& t : mainWindowDesign().timers) {
    if (t.id == timer) return t.name;
  }
  return "?";
}

// Playfield positions are whole numbers in the game; they print without a fraction.
std::string number(float v) {
  const long whole = static_cast<long>(v);
  return static_cast<float>(whole) == v ? std::to_string(whole) : std::to_string(v);
}

}  // namespace

std::string Store::get(const std::string& key) {
  out_ << "store-get " << key << "\n";
  const auto it = values.find(key);
  return it == values.end() ? std::string() : it->second;
}

void Store::save(const std::string& key, const std::string& text) {
  out_ << "store-save " << key << " " << text << "\n";
  values[key] = text;
}

void Field::repaint() { out_ << "repaint\n"; }

void Field::line(float x1, float y1, float x2, float y2, std::optional<Rgb> colour) {
  out_ << "line " << number(x1) << " " << number(y1) << " " << number(x2) << " " << number(y2)
       << " ";
  if (colour) {
    out_ << int{colour->red} << "," << int{colour->green} << "," << int{colour->blue} << "\n";
  } else {
    out_ << "fore\n";
  }
}

void Field::paint(Picture picture, int16_t x, int16_t y) {
  static const char* const names[] = {"monkeyUp", "monkeyDown", "cloud", "crate"};
  out_ << "paint " << names[static_cast<int>(picture)] << " " << x << " " << y << "\n";
}

void Controls::setCaption(LabelId label, const std::string& caption) {
  out_ << "label " << labelName(label) << " " << caption << "\n";
}

void Controls::setBackColor(LabelId label, Rgb c) {
  out_ << "backcolor " << labelName(label) << " " << int{c.red} << " " << int{c.green} << " "
       << int{c.blue} << "\n";
}

void Controls::setLabelVisible(LabelId label, bool visible) {
  out_ << "visible " << labelName(label) << " " << (visible ? "on" : "off") << "\n";
}

void Controls::setTimer(TimerId timer, bool on) {
  timers_[timer] = on;
  out_ << "timer " << timerName(timer) << " " << (on ? "on" : "off") << "\n";
}

bool Controls::timerOn(TimerId timer) const {
  const auto it = timers_.find(timer);
  return it != timers_.end() && it->second;
}

void Controls::showMessage(const std::string& text, std::function<void()> closed) {
  std::string shown;
  for (char c : text) {
    if (c == '\r')
      shown += "\\r";
    else if (c == '\n')
      shown += "\\n";
    else
      shown += c;
  }
  out_ << "message " << shown << "\n";
  // The trace's player closes every message at once.
  closed();
}

void Controls::showOptions() { out_ << "options\n"; }

void Controls::showAbout() { out_ << "about\n"; }

void Controls::endProgram() { out_ << "end\n"; }

}  // namespace trace
