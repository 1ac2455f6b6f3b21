#pragma once

#include "design/game_pictures.h"

// The page's side of the browser game, in web/page_library.js: drawing on the main window's
// canvas, the in-page windows and their controls, the message dialog, the storage, the sound and
// the touch buttons. Lengths are device pixels on a canvas and CSS pixels on the page; colours
// are 0xRRGGBB.
extern "C" {

void pageStart();
// The viewport's room for the game in CSS pixels, less the touch buttons' side: width, height.
void pageRoom(int* widthHeight);
int pageHasTouch();
void pageShowTouchButtons(int shown);
// The stage lies at (x, y) in the page's flow, so that the touch buttons follow it.
void pageSetStage(double x, double y, double cssWidth, double cssHeight, int deviceWidth,
                  int deviceHeight, int fullScreen);
void pagePlaceElement(const char* id, double x, double y, double width, double height);

// Drawing goes to the main canvas, or to the playfield's layer of the given size.
void pageTarget(int layer, int width, int height);
void pageFillRect(int x, int y, int width, int height, int rgb);
void pageClip(int x, int y, int width, int height);
void pageUnclip();
void pageDrawLayer(int x, int y);
void pageMakePicture(int id, const unsigned char* rgba, int width, int height);
// A picture of flat areas that cover it, each enlarged by the scale, in one call.
void pageMakeFlatPicture(int id, int width, int height, const BakedArea* areas, int count,
                         int scale);
void pageDrawPicture(int id, int x, int y);
// Text on its baseline at (x, y).
void pageText(const char* text, double x, double y, const char* font, int rgb, int underline,
              int underlineY, int underlineHeight);
double pageTextWidth(const char* text, const char* font);
void pageFontMetrics(const char* font, double* ascentDescent);
// Whether the browser draws text in that face of its own, rather than in a fallback.
int pageHasFace(const char* family);
// Calls zundabarFontsReady once the font is loaded, or known to be missing.
void pageFontsReady(const char* font);

// The main window's label as text for screen readers (and tests), beside what the canvas shows.
void pageLabel(const char* name, const char* caption, int visible);

void pageFirstFrame();
void pageFocusGame();
// The window and control that have the keyboard: -1 for the game, -2 (window) for the message.
void pageFocus(int* windowControl);

void pageShowMessage(const char* caption, const char* text, const char* font);
void pageShowEnded();
void pageToggleFullScreen();
void pageShowMenu(double x, double y, const char* text, const char* keys, int checked);

void pageWindowMake(int window, const char* caption);
void pageWindowPlace(int window, double x, double y, double width, double height,
                     double titleHeight, const char* font);
void pageWindowShow(int window, int firstControl);
void pageWindowHide(int window);
void pageWindowRemove(int window);
// kind: 0 label, 1 push button, 2 check box, 3 slider from min to max, 4 picture.
void pageControlMake(int window, int control, int kind, const char* caption, const char* name,
                     const char* labelledBy, int min, int max);
void pageControlPlace(int window, int control, double x, double y, double width, double height,
                      const char* font, int back, int fore, int wraps);
void pageControlText(int window, int control, const char* text);
int pageControlValue(int window, int control);
void pageControlSetValue(int window, int control, int value);
void pageControlPicture(int window, int control, int picture, double cssWidth, double cssHeight);
void pageControlDescribe(int window, int control, const char* text);

// The item's length in bytes, copied into the buffer and cut to fit; -1 missing, -2 it threw.
int pageStorageGet(const char* key, char* buffer, int size);
// 1 when stored, 0 when the storage threw.
int pageStorageSave(const char* key, const char* value);
// The name of what the storage threw last.
void pageStorageError(char* buffer, int size);
void pageTell(const char* text);

void pagePlayMusic(const char* url);
void pageSuspendSound(int suspended);

// The pads connected now, at most `most`, written at pads as PagePads; returns how many.
int pagePads(void* pads, int most);
// The player's press: the page's sound may start now, as at a key press.
void pageUnlockSound();
// Closes the message dialog as its OK button does.
void pageCloseMessage();
void pageControlFocus(int window, int control);
// As Space on it: a button pressed, a check box ticked or cleared.
void pageControlClick(int window, int control);
// Moves the slider to value as a key's step does, with the events the step fires.
void pageControlStep(int window, int control, int value);
}
