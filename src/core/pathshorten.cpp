#include "core/pathshorten.h"

#include <vector>

using namespace Qt::StringLiterals;

namespace {

// The folder part during shortening: one of four small heads ("", "/", ".../", "/.../") followed by
// the original folders from `tail` on. Every step is computed without copying the path, and only a
// few candidates are ever measured, so a path of any length shortens in linear time.
enum Head { NoHead, Root, Marker, RootMarker };

struct Step {
    bool drive;
    Head head;
    qsizetype tail;
};

// Cuts the first folder, then the drive, step by step, until the result fits; the folder part of
// `path` ends at `fileStart`.
QString shorten(const QString& path, qsizetype fileStart, const std::function<bool(const QString&)>& tooLong,
                PathRules rules) {
    if (!tooLong(path))
        return path;

    const QChar delimiter = rules.delimiter;
    const QString marker = u"..."_s + delimiter; // stands for the folders cut so far
    const QString heads[] = {QString(), QString(delimiter), marker, delimiter + marker};

    QStringView folder = QStringView(path).left(fileStart);
    const QStringView file = QStringView(path).sliced(fileStart);
    QStringView drive;
    if (rules.drives && folder.size() >= 2 && folder[1] == u':') {
        drive = folder.left(2);
        folder = folder.sliced(2);
    }
    const auto textOf = [&](const Step& s) {
        const QStringView rest = folder.sliced(s.tail);
        QString text;
        text.reserve(drive.size() + heads[s.head].size() + rest.size() + file.size());
        if (s.drive)
            text += drive;
        text += heads[s.head];
        text += rest;
        text += file;
        return text;
    };
    const auto sizeOf = [&](const Step& s) { return heads[s.head].size() + folder.size() - s.tail; };
    const auto folderIs = [&](const Step& s, QStringView wanted) {
        const QString& head = heads[s.head];
        return sizeOf(s) == wanted.size() && wanted.startsWith(head) &&
               folder.sliced(s.tail) == wanted.sliced(head.size());
    };

    std::vector<Step> steps;
    Step s{!drive.isEmpty(), NoHead, 0};
    while (sizeOf(s) > 0 || s.drive) {
        const QStringView rest = folder.sliced(s.tail);
        if (folderIs(s, heads[RootMarker])) { // "/.../": every folder is cut
            s = {false, Marker, folder.size()};
        } else if (sizeOf(s) == 0) {
            s.drive = false;
        } else if (folderIs(s, heads[Root])) {
            s = {s.drive, NoHead, folder.size()};
        } else {
            const bool rooted =
                s.head == Root || s.head == RootMarker || (s.head == NoHead && rest.startsWith(delimiter));
            if (rooted) {
                if (s.head == NoHead)
                    ++s.tail;
                else
                    s.head = s.head == RootMarker ? Marker : NoHead;
            }
            // Only our own marker is dropped here: a first folder whose name begins with "."
            // (a hidden folder) is cut like any other.
            if (s.head == Marker)
                s.head = NoHead;
            else if (folder.sliced(s.tail).startsWith(marker))
                s.tail += marker.size();
            const qsizetype next = folder.indexOf(delimiter, s.tail);
            if (next >= 0) {
                s.head = rooted ? RootMarker : Marker;
                s.tail = next + 1;
            } else {
                s.head = rooted ? Root : NoHead;
                s.tail = folder.size();
            }
        }
        steps.push_back(s);
    }
    if (steps.empty())
        return path;

    // From the first cut on, every step is shorter than the one before, so the first that fits is
    // found by halving.
    qsizetype low = 0;
    qsizetype high = qsizetype(steps.size()) - 1;
    while (low < high) {
        const qsizetype middle = low + (high - low) / 2;
        if (tooLong(textOf(steps[size_t(middle)])))
            low = middle + 1;
        else
            high = middle;
    }
    return textOf(steps[size_t(low)]);
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
