// Path shortening against the plain rule it implements: cut the first folder (then the drive)
// one step at a time and stop at the first result that fits. The reference below takes those
// steps one by one, copying the path each time; the program's one-pass version must agree with it
// for lengths and for widths, on Linux and Windows paths.
//
// Input: a flags byte (Windows rules, measure by width), a limit byte, then the path in UTF-8.
#include "core/pathshorten.h"
#include "fuzzsupport.h"

using namespace Qt::StringLiterals;
using fuzz::check;

namespace {

QString referenceShorten(const QString& path, qsizetype fileStart,
                         const std::function<bool(const QString&)>& tooLong, PathRules rules) {
    const QChar delimiter = rules.delimiter;
    const QString marker = u"..."_s + delimiter;
    const QString markerOnly = delimiter + marker;

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
            if (folder.startsWith(marker))
                folder.remove(0, marker.size());
            const qsizetype next = folder.indexOf(delimiter);
            folder = next >= 0 ? marker + folder.mid(next + 1) : QString();
            if (rooted)
                folder.prepend(delimiter);
        }
        result = drive + folder + file;
    }
    return result;
}

// A width that grows with every character, as drawn text does, with narrow and wide letters.
int textWidth(const QString& text) {
    int width = 0;
    for (const QChar c : text)
        width += c.unicode() < 0x80 ? 3 + c.unicode() % 7 : 14;
    return width;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    if (size < 2)
        return 0;
    const PathRules rules = data[0] & 1 ? WindowsPaths : LinuxPaths;
    const bool byWidth = data[0] & 2;
    const QString path = fuzz::utf8(data + 2, size - 2);

    if (byWidth) {
        const int width = data[1] * 4;
        const QString shortened = ShortenPathToWidth(path, width, textWidth, rules);
        const QString expected = referenceShorten(
            path, path.lastIndexOf(rules.delimiter) + 1,
            [&](const QString& t) { return textWidth(t) > width; }, rules);
        check(shortened == expected, "shortening to a width differs from the step-by-step rule",
              path + u" ("_s + QString::number(width) + u"): "_s + shortened + u" instead of "_s + expected);
    } else {
        const int limit = data[1];
        const QString shortened = ShortenPathToLength(path, limit, rules);
        qsizetype folderEnd = path.lastIndexOf(rules.delimiter);
        if (rules.drives)
            folderEnd = qMax(folderEnd, path.lastIndexOf(u':'));
        const QString expected = referenceShorten(
            path, folderEnd + 1, [&](const QString& t) { return t.size() > limit; }, rules);
        check(shortened == expected, "shortening to a length differs from the step-by-step rule",
              path + u" ("_s + QString::number(limit) + u"): "_s + shortened + u" instead of "_s + expected);
        check(shortened.endsWith(path.mid(folderEnd + 1)), "the file name was cut");
    }
    return 0;
}
