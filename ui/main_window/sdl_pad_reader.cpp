#include "ui/main_window/sdl_pad_reader.h"

#include <algorithm>
#include <utility>

#include "ui/stderr_report.h"

namespace {

constexpr float kAxisFullScale = 32767.0f;

float axis(SDL_GameController* pad, SDL_GameControllerAxis which) {
  return std::clamp(SDL_GameControllerGetAxis(pad, which) / kAxisFullScale, -1.0f, 1.0f);
}

}  // namespace

std::unique_ptr<SdlPadReader> SdlPadReader::start(std::string& failure) {
  // Ctrl+C and a TERM signal still end the game at once, as before SDL was there.
  SDL_SetHint(SDL_HINT_NO_SIGNAL_HANDLERS, "1");
  if (SDL_InitSubSystem(SDL_INIT_GAMECONTROLLER) != 0) {
    failure = SDL_GetError();
    return nullptr;
  }
  // The state is read at each poll: no event is queued for a queue nobody empties.
  SDL_GameControllerEventState(SDL_IGNORE);
  SDL_JoystickEventState(SDL_IGNORE);
  return std::unique_ptr<SdlPadReader>(new SdlPadReader());
}

SdlPadReader::~SdlPadReader() {
  for (const auto& [id, pad] : pads_) SDL_GameControllerClose(pad);
  SDL_QuitSubSystem(SDL_INIT_GAMECONTROLLER);
}

void SdlPadReader::openNewPads() {
  const int count = SDL_NumJoysticks();
  for (int device = 0; device < count; ++device) {
    if (!SDL_IsGameController(device)) continue;
    const SDL_JoystickID id = SDL_JoystickGetDeviceInstanceID(device);
    if (pads_.count(id) || refused_.count(id)) continue;
    if (SDL_GameController* pad = SDL_GameControllerOpen(device)) {
      pads_[id] = pad;
    } else {
      refused_.insert(id);
      const char* name = SDL_GameControllerNameForIndex(device);
      tellOnStderr("cannot open the game pad " + printable(name ? name : "") + " (" +
                   printable(SDL_GetError()) + ")");
    }
  }
}

PadReadings SdlPadReader::read() {
  // Finds pads plugged in or pulled out, and brings each open pad's state up to date.
  SDL_GameControllerUpdate();
  for (auto it = pads_.begin(); it != pads_.end();) {
    if (SDL_GameControllerGetAttached(it->second)) {
      ++it;
    } else {
      SDL_GameControllerClose(it->second);
      it = pads_.erase(it);
    }
  }
  openNewPads();

  constexpr std::pair<PadButton, SDL_GameControllerButton> kButtons[] = {
      {PadButton::South, SDL_CONTROLLER_BUTTON_A},
      {PadButton::East, SDL_CONTROLLER_BUTTON_B},
      {PadButton::Back, SDL_CONTROLLER_BUTTON_BACK},
      {PadButton::Start, SDL_CONTROLLER_BUTTON_START},
      {PadButton::DpadUp, SDL_CONTROLLER_BUTTON_DPAD_UP},
      {PadButton::DpadDown, SDL_CONTROLLER_BUTTON_DPAD_DOWN},
      {PadButton::DpadLeft, SDL_CONTROLLER_BUTTON_DPAD_LEFT},
      {PadButton::DpadRight, SDL_CONTROLLER_BUTTON_DPAD_RIGHT},
  };
  PadReadings readings;
  for (const auto& [id, pad] : pads_) {
    PadReading reading;
    reading.padId = id;
    for (const auto& [button, sdlButton] : kButtons) {
      reading[button] = SDL_GameControllerGetButton(pad, sdlButton) != 0;
    }
    // SDL's y grows downwards, as the game's does.
    reading.stickX = axis(pad, SDL_CONTROLLER_AXIS_LEFTX);
    reading.stickY = axis(pad, SDL_CONTROLLER_AXIS_LEFTY);
    readings.push_back(reading);
  }
  return readings;
}
