#include "web/page_keys.h"

#include "design/control_keys.h"

KeyRoute routeKeyDown(unsigned int keyCode, KeyModifiers modifiers, KeyPlace place,
                      std::optional<ControlKind> control) {
  KeyRoute route;
  if (place == KeyPlace::Message || place == KeyPlace::Ended || modifiers.ctrl || modifiers.meta) {
    return route;
  }
  if (modifiers.alt) {
    route.toggleFullScreen = keyCode == kEnterKeyCode;
    route.keptFromBrowser = route.toggleFullScreen;
    return route;
  }
  route.gameKey = gameKey(keyCode);
  if (!route.gameKey) return route;
  route.usedByWindow =
      place == KeyPlace::Control && control && controlUsesKey(*control, *route.gameKey);
  route.keptFromBrowser = !route.usedByWindow;
  return route;
}

KeyRoute routeKeyUp(unsigned int keyCode, KeyPlace place) {
  KeyRoute route;
  route.gameKey = gameKey(keyCode);
  route.keptFromBrowser = route.gameKey && place == KeyPlace::Game;
  return route;
}
