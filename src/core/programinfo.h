// What the build says about the program: its version (the project version in CMakeLists.txt)
// and the name of its desktop entry.
#pragma once

#include <QString>

// "2.2": the command line, the package and the metadata.
QString programVersion();
// The same in full-width digits and stop ("２．２"), as the version window shows it.
QString programVersionFullWidth();
// The desktop entry's name without ".desktop"; also the identifier the window system groups the
// program's windows by (the application user model identifier on Windows).
QString desktopFileName();
