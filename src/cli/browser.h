// Opening a page with the desktop's browser through xdg-open.
#pragma once

#include <QString>

// Starts xdg-open on the file and waits up to a few seconds for it: an empty text when it was
// handed over (xdg-open exited with 0, or still runs because the browser it started runs in its
// place), else why it failed.
QString openWithDesktopBrowser(const QString& path);
