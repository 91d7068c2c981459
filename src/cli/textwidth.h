// Columns a text takes in a terminal: wide and full-width characters (East Asian Width W and F)
// take two, combining marks and format characters none, everything else one.
#pragma once

#include <QString>

int displayWidth(QStringView text);

// The text with control characters (C0, DEL, C1) shown as U+FFFD, so a name from a file can move
// no cursor and change no colour of the terminal it is printed to.
QString terminalSafe(const QString& text);
