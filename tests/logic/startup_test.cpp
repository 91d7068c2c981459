// Start-up, closing and the recent-file history in the settings file.
#include "core/controltable.h"
#include "core/settingsfile.h"
#include "notebook/pricebook.h"
#include "support/formfixture.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <gtest/gtest.h>

using namespace Qt::StringLiterals;

namespace {

class Startup : public ::testing::Test, public FormFixture {
  protected:
    void writeSettings(const QByteArray& text) { dir.write(u"prog/zorvan.ini"_s, text); }
    // The value of a key as the settings file holds it, via a fresh read.
    QString history(int key) const {
        const QString prefix = QString::number(key) + u'=';
        for (const QString& line : settingsText().split(u"\r\n"_s)) {
            if (line.startsWith(prefix))
                return line.mid(prefix.size());
        }
        return {};
    }
};

TEST_F(Startup, FirstRunShowsAnUntitledNotebookWithDefaults) {
    const WindowBounds b = form->FormCreate();
    EXPECT_EQ(b.left, 24);
    EXPECT_EQ(b.top, 24);
    EXPECT_EQ(b.width, 660);
    EXPECT_EQ(b.height, 450);
    EXPECT_TRUE(ui.messages.isEmpty());
    EXPECT_EQ(form->appDir(), programDir() + u'/');
    EXPECT_EQ(form->iniFile(), programDir() + u"/zorvan.ini"_s);
    EXPECT_EQ(controls.text(u"F_MAIN"_s), u"Pricotta - 無題"_s);
    EXPECT_TRUE(controls.checked(u"MN_ADD_OPTION"_s));
    EXPECT_FALSE(controls.enabled(u"SPD_SAVE"_s));
    EXPECT_FALSE(controls.enabled(u"LBL_KOUSIN"_s));
    EXPECT_EQ(controls.text(u"LBL_KEN"_s), QString());
    EXPECT_TRUE(controls.focused().isEmpty()); // start-up moves no focus
    for (int j = 1; j <= PriceSlots; ++j) {
        EXPECT_EQ(controls.date(u"DTP_"_s + QString::number(j)), ui.todayDate);
        EXPECT_EQ(controls.text(u"LBL_SA_"_s + QString::number(j)), u"*"_s);
        EXPECT_TRUE(controls.items(u"CBO_MISE"_s + QString::number(j)).isEmpty());
    }
    EXPECT_FALSE(dir.exists(u"prog/zorvan.ini"_s));
    EXPECT_FALSE(dir.exists(u"prog/zorvan_店.txt"_s)); // a missing shop list is an empty one

    EXPECT_TRUE(form->FormCloseQuery(100, 200));
    const QString text = settingsText();
    EXPECT_TRUE(text.contains(u"[Form]\r\nLEFT=100\r\nTOP=200\r\n"_s)) << text.toStdString();
    EXPECT_TRUE(text.contains(u"[ADD_OPT]\r\n0=1\r\n"_s));
    EXPECT_FALSE(text.contains(u"WIDTH"_s));
}

// A second copy on the same settings opens a step down and right of the first, not exactly over
// it; once the first is gone, the next copy takes its place again.
TEST_F(Startup, ASecondCopyOpensItsWindowBesideTheFirst) {
    writeSettings("[Form]\r\nLEFT=100\r\nTOP=50\r\n");
    EXPECT_EQ(form->FormCreate().left, 100);
    {
        PlainControls otherControls(mainWindowSpec());
        FakeUi otherUi;
        MainForm other(otherControls, otherUi, programDir());
        const WindowBounds b = other.FormCreate();
        EXPECT_EQ(b.left, 132);
        EXPECT_EQ(b.top, 82);
    }
    form.reset();
    PlainControls nextControls(mainWindowSpec());
    FakeUi nextUi;
    MainForm next(nextControls, nextUi, programDir());
    EXPECT_EQ(next.FormCreate().left, 100);
}

TEST_F(Startup, ReadsTheWindowAndTheAddOptionFromTheSettingsFile) {
    struct Case {
        QByteArray ini;
        int width, height, left;
        bool addOption;
    };
    const QList<Case> cases{
        {"[Form]\r\nWIDTH=800\r\nHEIGHT=600\r\n", 800, 600, 24, true},
        {"[form]\r\nleft=-30\r\n[ADD_OPT]\r\n0=0\r\n", 660, 450, -30, false},
        {"[ADD_OPT]\r\n0=abc\r\n[Form]\r\nLEFT=x\r\n", 660, 450, 24, true},
        {"[ADD_OPT]\r\n0=7\r\n", 660, 450, 24, true},
    };
    for (const Case& c : cases) {
        writeSettings(c.ini);
        const WindowBounds b = form->FormCreate();
        EXPECT_EQ(b.width, c.width) << c.ini.constData();
        EXPECT_EQ(b.height, c.height);
        EXPECT_EQ(b.left, c.left);
        EXPECT_EQ(controls.checked(u"MN_ADD_OPTION"_s), c.addOption);
    }
}

TEST_F(Startup, ClosingNeverRewritesTheSizeAndKeepsOtherValues) {
    writeSettings("[Form]\r\nWIDTH=800\r\nHEIGHT=600\r\n; a comment\r\n[F_RIREKI]\r\n0=/a.txt\r\n");
    start();
    controls.setChecked(u"MN_ADD_OPTION"_s, false);
    EXPECT_TRUE(form->FormCloseQuery(5, 6));
    const QString text = settingsText();
    EXPECT_TRUE(text.contains(u"WIDTH=800\r\nHEIGHT=600\r\n"_s));
    EXPECT_TRUE(text.contains(u"LEFT=5\r\nTOP=6\r\n"_s));
    EXPECT_TRUE(text.contains(u"[ADD_OPT]\r\n0=0\r\n"_s));
    EXPECT_TRUE(text.contains(u"0=/a.txt"_s));
}

TEST_F(Startup, ClosingWithUnsavedChangesFollowsTheAnswer) {
    struct Case {
        Button answer;
        bool closes;
    };
    // Yes on an untitled book opens the save dialog, which the fake cancels.
    for (const Case& c : {Case{Cancel, false}, Case{Yes, false}, Case{No, true}}) {
        start();
        form->setDirty(true);
        QFile::remove(settingsPath());
        ui.buttons.enqueue(c.answer);
        EXPECT_EQ(form->FormCloseQuery(1, 2), c.closes);
        ASSERT_EQ(ui.messages.size(), 1);
        EXPECT_EQ(ui.messages[0].text, u"無題 の変更を保存しますか？"_s);
        EXPECT_TRUE(settingsText().contains(u"LEFT=1"_s)); // written on every attempt
        EXPECT_TRUE(form->dirty());                        // nothing was saved
    }
}

TEST_F(Startup, ASaveThatFailsOnCloseKeepsTheWindowOpenAndTheSettingsUntouched) {
    start();
    dir.write(u"plain"_s, "x");
    ui.buttons.enqueue(Yes);
    ui.fileAnswers.enqueue(dir.file(u"plain/a.txt"_s));
    form->setDirty(true);
    EXPECT_FALSE(form->FormCloseQuery(1, 2));
    ASSERT_EQ(ui.messages.size(), 2);
    EXPECT_EQ(ui.messages[1].kind, MsgKind::Stop);
    EXPECT_FALSE(dir.exists(u"prog/zorvan.ini"_s));
}

TEST_F(Startup, AnUnusableSettingsFileIsReportedOnceAndNeverBlocksTheClose) {
    QDir().mkpath(settingsPath()); // cannot be read nor written, nor kept aside as a file
    const WindowBounds b = form->FormCreate();
    ASSERT_EQ(ui.messages.size(), 1);
    EXPECT_EQ(ui.messages[0].kind, MsgKind::Stop);
    EXPECT_EQ(b.width, 660);
    EXPECT_EQ(controls.text(u"F_MAIN"_s), u"Pricotta - 無題"_s);

    ui.messages.clear();
    form->setDirty(true);
    ui.buttons.enqueue(No);
    EXPECT_TRUE(form->FormCloseQuery(1, 2));
    EXPECT_EQ(ui.messageTexts(), QStringList{u"無題 の変更を保存しますか？"_s});
    EXPECT_TRUE(QFileInfo(settingsPath()).isDir());
}

// A settings file refused for what it holds is renamed aside (never deleted, never over an earlier
// one), a fresh one takes its place, and the one report says where the old one went. Through a
// symbolic link, the file it points to is moved and the link stays.
TEST_F(Startup, ASettingsFileTooLargeIsKeptAsideAndAFreshOneWritten) {
    const QByteArray huge = "[Form]\r\nLEFT=5\r\n;" + QByteArray(MaxSettingsBytes, 'x') + "\r\n";
    struct Case {
        const char* what;
        QString earlier; // a file kept aside before, relative to the program's folder
        bool linked;
        QString aside;
    };
    const QList<Case> cases{
        {"first time", {}, false, u"zorvan.ini.bad"_s},
        {"one kept before", u"zorvan.ini.bad"_s, false, u"zorvan.ini.bad.1"_s},
        {"a linked settings file", {}, true, u"real.ini.bad"_s},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        FormFixture f;
        const QString target = f.programDir() + (c.linked ? u"/real.ini"_s : u"/zorvan.ini"_s);
        f.dir.write(QDir(f.dir.path()).relativeFilePath(target), huge);
        if (c.linked) {
            ASSERT_TRUE(QFile::link(target, f.settingsPath()));
        }
        if (!c.earlier.isEmpty())
            f.dir.write(u"prog/"_s + c.earlier, "kept before");

        const WindowBounds b = f.form->FormCreate();

        const QString aside = f.programDir() + u'/' + c.aside;
        ASSERT_EQ(f.ui.messages.size(), 1);
        EXPECT_EQ(f.ui.messages[0].kind, MsgKind::Stop);
        EXPECT_EQ(f.ui.messages[0].text,
                  u"ファイル %1 は開けません。 ファイルが大きすぎます（1MBまで）。 \r\n\r\n"
                  u"このファイルは %2 に名前を変えて残し、新しい設定ファイルを作りました。."_s.arg(
                      f.settingsPath(), aside));
        EXPECT_EQ(b.left, 24);
        EXPECT_EQ(f.dir.read(QDir(f.dir.path()).relativeFilePath(aside)), huge);
        if (!c.earlier.isEmpty()) {
            EXPECT_EQ(f.dir.read(u"prog/"_s + c.earlier), "kept before");
        }
        EXPECT_EQ(QFileInfo(f.settingsPath()).isSymLink(), c.linked);
        const QFileInfo fresh(f.settingsPath()); // written at once, and empty
        EXPECT_TRUE(fresh.isFile());
        EXPECT_EQ(fresh.size(), 0);

        f.ui.messages.clear();
        EXPECT_TRUE(f.form->FormCloseQuery(10, 20));
        EXPECT_TRUE(f.ui.messages.isEmpty()) << f.ui.messageTexts().join(u'|').toStdString();
        EXPECT_TRUE(f.settingsText().contains(u"LEFT=10\r\nTOP=20\r\n"_s));
        EXPECT_EQ(f.dir.read(QDir(f.dir.path()).relativeFilePath(aside)), huge);
    }
}

// A settings file that cannot be written (here: through a link into a "folder" that is a regular
// file, which refuses root too) is reported on the first close attempt only, and never keeps the
// window open.
TEST_F(Startup, ASettingsFileThatCannotBeWrittenIsReportedOnceAndTheWindowCloses) {
    dir.write(u"plain"_s, "a file, not a folder");
    ASSERT_TRUE(QFile::link(dir.file(u"plain/zorvan.ini"_s), settingsPath()));
    start();
    form->setDirty(true);

    ui.buttons.enqueue(Cancel);
    EXPECT_FALSE(form->FormCloseQuery(1, 2));
    ASSERT_EQ(ui.messages.size(), 2);
    EXPECT_EQ(ui.messages[1].kind, MsgKind::Stop);
    EXPECT_TRUE(
        ui.messages[1].text.startsWith(u"ファイル \""_s + settingsPath() + u"\" を作成できません。"_s))
        << ui.messages[1].text.toStdString();

    ui.messages.clear();
    ui.buttons.enqueue(No);
    EXPECT_TRUE(form->FormCloseQuery(1, 2));
    EXPECT_EQ(ui.messageTexts(), QStringList{u"無題 の変更を保存しますか？"_s});
    form->setDirty(false);
    EXPECT_TRUE(form->FormCloseQuery(1, 2)); // nothing to ask and nothing told again
    EXPECT_EQ(ui.messages.size(), 1);
}

TEST_F(Startup, RecentFilesMoveToTheTopAndTheEleventhDropsTheOldest) {
    start();
    QStringList paths;
    for (int i = 0; i < 11; ++i)
        paths << dir.write(u"f%1.txt"_s.arg(i), "zorvandata\r\n");
    for (int i = 0; i < 10; ++i) {
        ui.fileAnswers.enqueue(paths[i]);
        form->click(u"MN_OPEN"_s);
    }
    for (int k = 0; k < 10; ++k)
        EXPECT_EQ(history(k), paths[9 - k]);

    // Reopening the entry under key 5 moves it up; keys 6 to 9 stay.
    ui.fileAnswers.enqueue(paths[4]);
    form->click(u"MN_OPEN"_s);
    const QStringList expected{paths[4], paths[9], paths[8], paths[7], paths[6],
                               paths[5], paths[3], paths[2], paths[1], paths[0]};
    for (int k = 0; k < 10; ++k)
        EXPECT_EQ(history(k), expected[k]) << k;

    // Saving the newest again changes nothing; a new file drops the oldest.
    form->click(u"MN_SAVE"_s);
    EXPECT_EQ(history(0), paths[4]);
    EXPECT_EQ(history(1), paths[9]);
    ui.fileAnswers.enqueue(paths[10]);
    form->click(u"MN_OPEN"_s);
    EXPECT_EQ(history(0), paths[10]);
    EXPECT_EQ(history(9), paths[1]);
    EXPECT_TRUE(ui.messages.isEmpty());
}

TEST_F(Startup, HistoryEntriesDifferingInCaseAreSeparate) {
    start();
    const QString lower = dir.write(u"a.txt"_s, "zorvandata\r\n");
    const QString upper = dir.write(u"A.txt"_s, "zorvandata\r\n");
    form->LoadPriceBook(lower);
    form->LoadPriceBook(upper);
    EXPECT_EQ(history(0), upper);
    EXPECT_EQ(history(1), lower);
}

} // namespace
