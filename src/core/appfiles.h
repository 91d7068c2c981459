// Where the program keeps its settings and shop list, and where it finds the files it came with
// (manual, read-me, version library), both for a copy run from its own folder and an installed one.
#pragma once

#include <QString>
#include <QStringList>

// The shop list, in the folder of `filesFolder`; read by the window and by the companion.
inline constexpr char16_t ShopListFileName[] = u"zorvan_店.txt";
// A shop list larger than this is refused before reading (a thousand times the largest list the
// management dialog builds).
inline constexpr qint64 MaxShopListBytes = 4 * 1024 * 1024;

namespace appfiles {

// The user's folder for the program's files: $XDG_CONFIG_HOME/pricotta, or ~/.config/pricotta
// when that variable is unset or not an absolute path.
QString userFolder();
QString userFolder(const QString& xdgConfigHome, const QString& home);

// Whether the program in `programDir` was installed: its data folder lies beside its bin folder.
bool isInstalled(const QString& programDir);

// The folder of zorvan.ini and zorvan_店.txt, with one trailing '/': the program's own folder
// when the program can write there and was not installed, otherwise `userFolder`, which is
// created when missing (a failure shows later, when a file cannot be written there).
QString filesFolder(const QString& programDir, const QString& userFolder);
QString filesFolder(const QString& programDir);

// Where the manual and the read-me are looked for: the program's folder, then the installed data
// folder beside the bin folder.
QStringList dataFolders(const QString& programDir);
// Where the version library is looked for: the program's folder, then the installed library folder.
QStringList libraryFolders(const QString& programDir);

// The full path of the first file called `name` in the folders, or empty when none holds one.
QString findFile(const QStringList& folders, const QString& name);

} // namespace appfiles
