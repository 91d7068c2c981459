// Where windows open: the main window at the bounds read from the settings file, kept within what
// a window can have on the screens there are; a dialog in the middle of its screen.
#pragma once

#include "app/mainform.h"

#include <QList>
#include <QRect>

class QWidget;

// `screens` holds the screens' rectangles, the primary screen first. A width or height of zero or
// less gives the default size, and one larger than all screens together is cut to their size (never
// below the default). A position that would leave the title bar off every screen gives the default
// position on the primary screen; any other position is kept exactly.
WindowBounds placeWindow(const WindowBounds& saved, const QList<QRect>& screens);

// Moves a dialog that is about to be shown to the middle of its screen.
void centreOnScreen(QWidget& dialog);
