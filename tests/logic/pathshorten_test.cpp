// Path shortening for the window caption, with a width of ten pixels per character.
#include "core/pathshorten.h"

#include <QStringList>
#include <gtest/gtest.h>

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
