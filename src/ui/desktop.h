// How the program meets the Linux desktop: its icon, opening a file with the desktop's program
// for it, and Qt's own settings kept out of the user's folders.
#pragma once

#include <QIcon>
#include <QString>

// The program's icon in every size it comes in, for its windows.
QIcon programIcon();

// Qt's file dialog keeps its history in a settings file of its own in the user's configuration
// folder; the program promises to keep only its two files. Sends Qt's user settings nowhere.
void keepQtSettingsOutOfUserFolders();

enum class OpenerResult {
    Opened,     // the opener reported success, or is still busy with the file after the wait
    Failed,     // the opener ended with an error: no program for the file, or it failed
    NotStarted, // there is no such opener
};

// Runs `opener` (xdg-open) with the file and waits up to `waitMs` for its exit status. An opener
// still running by then waits for the program it started: it counts as opened and is left running,
// also after this program ends.
OpenerResult runOpener(const QString& opener, const QString& path, int waitMs);
