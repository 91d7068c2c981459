// Shortens a path from the left, folder by folder, until it fits a width in pixels or a number of
// characters.
#pragma once

#include <QString>
#include <functional>

struct PathRules {
    QChar delimiter = u'/';
    bool drives = false; // "C:" at the front is a drive, kept until the last cuts
};

inline constexpr PathRules LinuxPaths{u'/', false};
inline constexpr PathRules WindowsPaths{u'\\', true};

QString ShortenPathToWidth(const QString& path, int width,
                           const std::function<int(const QString&)>& textWidth, PathRules rules = LinuxPaths);

// At most `limit` characters (UTF-16 code units) where cutting folders can reach it; the file name
// itself is never cut. Where drives are known, a ":" also ends the folder part ("C:a.txt").
QString ShortenPathToLength(const QString& path, int limit, PathRules rules = LinuxPaths);
