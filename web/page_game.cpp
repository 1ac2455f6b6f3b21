#include "web/page_game.h"

#include <emscripten/emscripten.h>
#include <emscripten/html5.h>

#include <memory>

#include "design/main_window_design.h"
#include "play/options_store.h"
#include "web/local_storage_store.h"
#include "web/page.h"
#include "web/page_fonts.h"
#include "web/page_main_window.h"
#include "web/web_audio_player.h"

namespace {

struct Page {
  explicit Page(RandomSource& random) : random(random) {}
  OptionsStore store{std::make_unique<LocalStorageOptions>(), [](std::string_view line) {
                       pageTell(("zundabar: " + std::string(line)).c_str());
                     }};
  WebAudioPlayer player;
  RandomSource& random;
  PagePictures pictures;
  PageFonts fonts;
  std::unique_ptr<PageMainWindow> game;
};

std::unique_ptr<Page> thePageMade;

Page& thePage() { return *thePageMade; }

PageMainWindow* game() { return thePageMade ? thePage().game.get() : nullptr; }

void startGame() {
  Page& page = thePage();
  page.game.reset();
  page.game = std::make_unique<PageMainWindow>(page.store, page.player, page.random, page.pictures,
                                               page.fonts);
  // A page opened behind another tab keeps the game's time still until it shows.
  EmscriptenVisibilityChangeEvent visibility{};
  if (emscripten_get_visibility_status(&visibility) == EMSCRIPTEN_RESULT_SUCCESS &&
      visibility.hidden) {
    page.game->pageHidden(true);
  }
  page.game->start();
}

KeyModifiers modifiersOf(const EmscriptenKeyboardEvent& e) {
  return {e.ctrlKey != 0, e.altKey != 0, e.metaKey != 0};
}

EM_BOOL keyDown(int, const EmscriptenKeyboardEvent* e, void*) {
  if (!game()) return EM_FALSE;
  return game()->keyDown(static_cast<unsigned int>(e->keyCode), modifiersOf(*e), e->repeat != 0)
             ? EM_TRUE
             : EM_FALSE;
}

EM_BOOL keyUp(int, const EmscriptenKeyboardEvent* e, void*) {
  if (!game()) return EM_FALSE;
  return game()->keyUp(static_cast<unsigned int>(e->keyCode)) ? EM_TRUE : EM_FALSE;
}

EM_BOOL blurred(int, const EmscriptenFocusEvent*, void*) {
  if (game()) game()->focusLost();
  return EM_FALSE;
}

EM_BOOL visibilityChanged(int, const EmscriptenVisibilityChangeEvent* e, void*) {
  if (game()) game()->pageHidden(e->hidden != 0);
  return EM_FALSE;
}

EM_BOOL resized(int, const EmscriptenUiEvent*, void*) {
  if (game()) game()->layOut();
  return EM_FALSE;
}

EM_BOOL fullScreenChanged(int, const EmscriptenFullscreenChangeEvent*, void*) {
  if (game()) game()->layOut();
  return EM_FALSE;
}

}  // namespace

extern "C" {

EMSCRIPTEN_KEEPALIVE void zundabarFontsReady() {
  if (!game()) startGame();
}

EMSCRIPTEN_KEEPALIVE void zundabarPlayAgain() { startGame(); }

EMSCRIPTEN_KEEPALIVE void zundabarMessageClosed() {
  if (game()) game()->messageClosed();
}

EMSCRIPTEN_KEEPALIVE void zundabarControlPressed(int window, int control) {
  if (game()) game()->controlPressed(window, control);
}

EMSCRIPTEN_KEEPALIVE void zundabarSliderMoved(int window, int control) {
  if (game()) game()->sliderMoved(window, control);
}

EMSCRIPTEN_KEEPALIVE void zundabarWindowClosed(int window) {
  if (game()) game()->windowClosed(window);
}

EMSCRIPTEN_KEEPALIVE void zundabarBanner(int down, int inside) {
  if (game()) game()->bannerPressed(down != 0, inside != 0);
}

EMSCRIPTEN_KEEPALIVE void zundabarTouchKey(int keyCode, int down) {
  if (game()) game()->touchKey(static_cast<VirtualKey>(keyCode), down != 0);
}

EMSCRIPTEN_KEEPALIVE void zundabarMenu(double x, double y) {
  if (game()) game()->showMenu(x, y);
}

EMSCRIPTEN_KEEPALIVE void zundabarDisplayCommand(int) {
  if (game()) game()->toggleFullScreen();
}

// One tick and its frame, as the tick timer runs it: for the benchmark.
EMSCRIPTEN_KEEPALIVE void zundabarTickNow() {
  if (game()) game()->session().tickNow();
}
}

void runPage(RandomSource& random) {
  thePageMade = std::make_unique<Page>(random);
  pageStart();
  const char* window = EMSCRIPTEN_EVENT_TARGET_WINDOW;
  emscripten_set_keydown_callback(window, nullptr, EM_FALSE, keyDown);
  emscripten_set_keyup_callback(window, nullptr, EM_FALSE, keyUp);
  emscripten_set_blur_callback(window, nullptr, EM_FALSE, blurred);
  emscripten_set_visibilitychange_callback(nullptr, EM_FALSE, visibilityChanged);
  emscripten_set_resize_callback(window, nullptr, EM_FALSE, resized);
  emscripten_set_fullscreenchange_callback(EMSCRIPTEN_EVENT_TARGET_DOCUMENT, nullptr, EM_FALSE,
                                           fullScreenChanged);
  // The first frame waits for the game's font, or for knowing that it is missing.
  pageFontsReady(firstPageFont().c_str());
}
