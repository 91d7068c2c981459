// Path shortening: to a width for the window caption (ten pixels per character here) and to a
// number of characters for the recent-file history.
#include "core/pathshorten.h"

#include <QStringList>
#include <gtest/gtest.h>

#include <random>

using namespace Qt::StringLiterals;

namespace {

int tenPerCharacter(const QString& text) {
    return int(text.size()) * 10;
}

// Each step of a shortening, given a width at which exactly that step fits.
void expectSteps(const QString& path, const QStringList& steps, PathRules rules) {
    for (const QString& step : steps) {
        EXPECT_EQ(ShortenPathToWidth(path, tenPerCharacter(step), tenPerCharacter, rules), step);
        EXPECT_EQ(ShortenPathToWidth(path, tenPerCharacter(step) + 9, tenPerCharacter, rules), step);
    }
    EXPECT_EQ(ShortenPathToWidth(path, 0, tenPerCharacter, rules), steps.last());
}

} // namespace

TEST(PathShortening, WindowsPathCutsFolderByFolderThenTheDrive) {
    expectSteps(u"C:\\Users\\user\\Documents\\records\\a.txt"_s,
                {u"C:\\Users\\user\\Documents\\records\\a.txt"_s,
                 u"C:\\...\\user\\Documents\\records\\a.txt"_s, u"C:\\...\\Documents\\records\\a.txt"_s,
                 u"C:\\...\\records\\a.txt"_s, u"C:\\...\\a.txt"_s, u"...\\a.txt"_s, u"a.txt"_s},
                WindowsPaths);
}

TEST(PathShortening, LinuxPathCutsFolderByFolder) {
    expectSteps(u"/home/user/Documents/records/a.txt"_s,
                {u"/home/user/Documents/records/a.txt"_s, u"/.../user/Documents/records/a.txt"_s,
                 u"/.../Documents/records/a.txt"_s, u"/.../records/a.txt"_s, u"/.../a.txt"_s, u".../a.txt"_s,
                 u"a.txt"_s},
                LinuxPaths);
}

TEST(PathShortening, ShortAndOddPaths) {
    const struct {
        QString path;
        int width;
        QString expected;
    } cases[] = {
        {u"a.txt"_s, 0, u"a.txt"_s},
        {u"/a.txt"_s, 50, u"a.txt"_s},
        {u"/home/u/a.txt"_s, 1000, u"/home/u/a.txt"_s},
        {u"/home/u/averyveryverylongname.txt"_s, 50, u"averyveryverylongname.txt"_s},
        // a hidden first folder is cut as one folder, never mistaken for the "..." left by a cut,
        // so the caption never shows a path the file is not at
        {u"/.ab/a.txt"_s, 90, u".../a.txt"_s},
        {u"/.abc/d/a.txt"_s, 120, u"/.../d/a.txt"_s},
        {u"/home/.config/x/a.txt"_s, 200, u"/.../.config/x/a.txt"_s},
        {u"/home/.config/x/a.txt"_s, 190, u"/.../x/a.txt"_s},
    };
    for (const auto& c : cases)
        EXPECT_EQ(ShortenPathToWidth(c.path, c.width, tenPerCharacter), c.expected) << c.path.toStdString();
}

TEST(PathShortening, ToLengthKeepsTheDriveAndTheTrailingFoldersThatFit) {
    const struct {
        QString path;
        PathRules rules;
        QString expected;
    } cases[] = {
        {u"C:\\Users\\user\\Documents\\price.txt"_s, WindowsPaths,
         u"C:\\Users\\user\\Documents\\price.txt"_s},
        {u"C:\\Users\\user\\Documents\\records\\2014\\kakaku.txt"_s, WindowsPaths,
         u"C:\\...\\Documents\\records\\2014\\kakaku.txt"_s},
        {u"C:\\Documents and Settings\\owner1\\My Documents\\shopping list of 2014.txt"_s, WindowsPaths,
         u"C:\\...\\shopping list of 2014.txt"_s},
        {u"D:\\data\\a_very_long_file_name_for_the_price_notebook.txt"_s, WindowsPaths,
         u"a_very_long_file_name_for_the_price_notebook.txt"_s},
        // a ":" ends the folder part only where there are drives
        {u"C:a_very_long_file_name_for_the_price_notebook.txt"_s, WindowsPaths,
         u"a_very_long_file_name_for_the_price_notebook.txt"_s},
        {u"/home/user/Documents/records/2014/kakaku.txt"_s, LinuxPaths,
         u"/.../Documents/records/2014/kakaku.txt"_s},
        {u"/home/user/Documents/price.txt"_s, LinuxPaths, u"/home/user/Documents/price.txt"_s},
        {u"/home/user/家計簿/2014年/食料品と日用品の値段と店の記録.txt"_s, LinuxPaths,
         u"/home/user/家計簿/2014年/食料品と日用品の値段と店の記録.txt"_s}, // 40 characters, many more bytes
        {u"/home/user/家計簿/2014年/食料品と日用品の値段と店の記録帳.txt"_s, LinuxPaths,
         u"/.../user/家計簿/2014年/食料品と日用品の値段と店の記録帳.txt"_s},
        {u"/mnt/data/a_very_long_file_name_for_the_price:notebook.txt"_s, LinuxPaths,
         u"a_very_long_file_name_for_the_price:notebook.txt"_s},
        {u"/home/u/.local/share/pricotta/notebooks/kakaku.txt"_s, LinuxPaths,
         u"/.../share/pricotta/notebooks/kakaku.txt"_s},
        // a hidden first folder is one folder to cut, not the "..." of an earlier cut
        {u"/.ab/kakaku_of_the_year_2014_and_2015.txt"_s, LinuxPaths,
         u".../kakaku_of_the_year_2014_and_2015.txt"_s},
    };
    for (const auto& c : cases)
        EXPECT_EQ(ShortenPathToLength(c.path, 40, c.rules), c.expected) << c.path.toStdString();
}

namespace {

// The cut as first written, one folder per measurement: the reference the fast cut must match.
QString stepByStep(const QString& path, qsizetype fileStart,
                   const std::function<bool(const QString&)>& tooLong, PathRules rules) {
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

TEST(PathShortening, MatchesTheStepByStepCutOnRandomPaths) {
    std::mt19937 random(20261210);
    const QStringList parts{u"a"_s,      u"bb"_s, u"..."_s, u".x"_s,
                            u"家計簿"_s, u""_s,   u"C:"_s,  u"long_folder_name"_s};
    for (int round = 0; round < 3000; ++round) {
        const PathRules rules = round % 3 == 0 ? WindowsPaths : LinuxPaths;
        QString path = round % 2 ? QString(rules.delimiter) : QString();
        const int folders = int(random() % 7);
        for (int i = 0; i < folders; ++i)
            path += parts[random() % parts.size()] + rules.delimiter;
        path += u"f.txt"_s;
        const int limit = int(random() % 40);
        const auto tooLong = [limit](const QString& text) { return text.size() > limit; };
        const qsizetype folderEnd = path.lastIndexOf(rules.delimiter);
        const QString expected = stepByStep(path, folderEnd + 1, tooLong, rules);
        ASSERT_EQ(ShortenPathToWidth(path, limit * 10, tenPerCharacter, rules), expected)
            << path.toStdString() << " " << limit;
    }
}

// A history entry can hold a path of any length: it is cut in one pass, not folder by folder.
TEST(PathShortening, CutsAMegabytePathInOnePass) {
    QString path = u"/"_s;
    while (path.size() < 1024 * 1024)
        path += u"folder/"_s;
    path += u"a.txt"_s;
    EXPECT_EQ(ShortenPathToLength(path, 40), u"/.../folder/folder/folder/folder/a.txt"_s);
    int measured = 0;
    const auto width = [&](const QString& text) {
        ++measured;
        return int(text.size());
    };
    EXPECT_EQ(ShortenPathToWidth(path, 11, width), u"/.../a.txt"_s);
    EXPECT_LT(measured, 64);
}
