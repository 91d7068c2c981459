// Builds the widgets of a window from its control table: kind, name, text, place, font, hint,
// enabled state, focus policy and tab order. Menus are built by the window itself.
#pragma once

#include "core/controltable.h"

#include <QFont>
#include <QKeySequence>

class QWidget;

// The program's font: "ＭＳ Ｐゴシック" where installed, else the P Gothic of the IPA fonts.
QFont programFont(int pixelSize);

// Creates every control of `window` except the form and its menu items as a child of `surface`,
// named after the control, at the table's position and size.
void buildControls(QWidget& surface, const WindowSpec& window);

// Gives the window the keys its table names (ControlSpec::key). Call once the window's controls and
// menu items exist.
void addControlKeys(QWidget& window, const WindowSpec& table);

// Adds a key to a control's tool tip, after the hint it may have.
void showKeyInToolTip(QWidget& control, const QKeySequence& keys);
