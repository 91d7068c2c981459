#include "core/pathshorten.h"

using namespace Qt::StringLiterals;

namespace {

// Cuts the first folder, then the drive, while the result is too long; the folder part of `path`
// ends at `fileStart`.
QString shorten(const QString& path, qsizetype fileStart, const std::function<bool(const QString&)>& tooLong,
                PathRules rules) {
    const QChar delimiter = rules.delimiter;
    const QString marker = u"..."_s + delimiter;   // stands for the folders cut so far
    const QString markerOnly = delimiter + marker; // "/.../": every folder is cut

    QString folder = path.left(fileStart);
    const QString file = path.mid(fileStart);
    QString drive;
    if (rules.drives && folder.size() >= 2 && folder[1] == u':') {
        drive = folder.left(2);
        folder.remove(0, 2);
    }

    QString result = path;
    while ((!folder.isEmpty() || !drive.isEmpty()) && tooLong(result)) {
        if (folder == markerOnly) {
            drive.clear();
            folder = marker;
        } else if (folder.isEmpty()) {
            drive.clear();
        } else if (folder == delimiter) {
            folder.clear();
        } else {
            const bool rooted = folder.startsWith(delimiter);
            if (rooted)
                folder.remove(0, 1);
            // Only our own marker is dropped here: a first folder whose name begins with "."
            // (a hidden folder) is cut like any other.
            if (folder.startsWith(marker))
                folder.remove(0, marker.size());
            const qsizetype next = folder.indexOf(delimiter);
            if (next >= 0)
                folder = marker + folder.mid(next + 1);
            else
                folder.clear();
            if (rooted)
                folder.prepend(delimiter);
        }
        result = drive + folder + file;
    }
    return result;
}

} // namespace

QString ShortenPathToWidth(const QString& path, int width,
                           const std::function<int(const QString&)>& textWidth, PathRules rules) {
    return shorten(
        path, path.lastIndexOf(rules.delimiter) + 1,
        [&](const QString& text) { return textWidth(text) > width; }, rules);
}

QString ShortenPathToLength(const QString& path, int limit, PathRules rules) {
    qsizetype folderEnd = path.lastIndexOf(rules.delimiter);
    if (rules.drives)
        folderEnd = qMax(folderEnd, path.lastIndexOf(u':'));
    return shorten(
        path, folderEnd + 1, [limit](const QString& text) { return text.size() > limit; }, rules);
}
