#pragma once

#include <QFont>
#include <optional>

#include "design/caption_fit.h"

// The windows' fonts from their design (design/font_design.h), on Qt.

// Registers the embedded Roboto Condensed and makes the designed default font the font of every
// window.
void useGameFont();

// The font a role's text is drawn in at a zoom: the first of the role's faces that the system
// has at the resolution the text is drawn at, a stand-in at the size that shows every designed
// caption whole.
QFont designedFont(FontRole role, int zoom = 1);

// The font as the labels measure and draw it.
FontMeasure qtMeasure(const QFont& font);

class QWidget;

// Keeps with a widget the role of the font it shows, by which a zoom makes that font afresh.
void keepFontRole(QWidget* widget, FontRole role);
// The role a widget's font was kept with, or none.
std::optional<FontRole> keptFontRole(const QWidget* widget);
