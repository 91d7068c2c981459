// What a screen reader hears of the windows: every control named by what it is, never by its
// value, and the price differences described by their row and their colour.
#pragma once

struct WindowSpec;
class QWidget;

// Names the controls of `window` built on `surface`: a field beside a label by the label, the rest
// from a table of names. A label that shows a value keeps the value as its name.
void nameControls(QWidget& surface, const WindowSpec& window);
