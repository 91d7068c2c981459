// New, Open, Save, Save As and the save-changes question, through the seam.
#include "pricebook/notebooklock.h"
#include "support/formfixture.h"
#include "support/unprivileged.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QSysInfo>
#include <gtest/gtest.h>

#include <sys/stat.h>

using namespace Qt::StringLiterals;

namespace {

class Document : public ::testing::Test, public FormFixture {
  protected:
    void SetUp() override { start(); }
    QString caption() const { return controls.text(u"F_MAIN"_s); }
    QStringList products() const { return controls.items(u"CBO_SYOMEI"_s); }

    // Opens a file through the open dialog.
    void open(const QString& path) {
        ui.fileAnswers.enqueue(path);
        form->click(u"MN_OPEN"_s);
    }
};

const QStringList threeProducts =
    notebook({productLines(u"Banana"_s, u"198"_s, u"A店"_s, u"178"_s), productLines(u"apple"_s),
              productLines(u"Cherry"_s, u"1980"_s, {}, {}, u"2013/12/31"_s, u"特売日は水曜"_s)});

TEST_F(Document, OpensAHandMadeNotebookAndSavesItBackByteForByte) {
    const QByteArray bytes = cp932Lines(threeProducts);
    const QString path = dir.write(u"家計.txt"_s, bytes);
    open(path);

    EXPECT_TRUE(ui.messages.isEmpty());
    EXPECT_EQ(products(), (QStringList{u"apple"_s, u"Banana"_s, u"Cherry"_s}));
    EXPECT_EQ(controls.itemIndex(u"CBO_SYOMEI"_s), -1);
    EXPECT_EQ(controls.text(u"LBL_KEN"_s), u"3件"_s);
    EXPECT_EQ(controls.focused(), u"CBO_SYOMEI"_s);
    EXPECT_FALSE(form->untitled());
    EXPECT_FALSE(form->dirty());
    EXPECT_EQ(form->currentFileName(), path);

    form->setDirty(true);
    form->click(u"SPD_SAVE"_s);
    EXPECT_TRUE(ui.messages.isEmpty());
    EXPECT_TRUE(ui.fileDialogs.size() == 1); // only the open dialog: a titled book saves in place
    EXPECT_EQ(dir.read(u"家計.txt"_s), bytes);
    EXPECT_FALSE(form->dirty());
    EXPECT_FALSE(controls.enabled(u"SPD_SAVE"_s));
}

TEST_F(Document, RefusesFilesThatAreNotNotebooks) {
    struct Case {
        QByteArray bytes;
        QString message;
    };
    const QString noData = u"当ソフトで作成されたデータではありません(0バイト)"_s;
    const QString foreign = u"当ソフトで作成されたデータではありません(ID)"_s;
    const QList<Case> cases{
        {QByteArray(), noData},
        {QByteArray("\xEF\xBB\xBF"), noData},
        {QByteArray("zorvandata \r\n"), foreign},
        {QByteArray("ZorvanData\r\n"), foreign},
        {cp932Lines({u"A店"_s, u"B店"_s}), foreign},
        {QByteArray("\x00\x01\x02zorvandata", 13), noData},
        {QByteArray("\x89\x50\x4E\x47\x0D\x0A\x1A\x0A\x00\x00", 10), foreign},
    };
    const QString before = caption();
    for (const Case& c : cases) {
        ui.messages.clear();
        open(dir.write(u"x.txt"_s, c.bytes));
        ASSERT_EQ(ui.messages.size(), 1) << c.bytes.toHex().constData();
        EXPECT_EQ(ui.messages[0].kind, MsgKind::Warning);
        EXPECT_EQ(ui.messages[0].text, c.message);
        EXPECT_EQ(ui.messages[0].buttons, Buttons(Ok));
        EXPECT_TRUE(form->untitled());
        EXPECT_EQ(caption(), before);
        EXPECT_EQ(form->book().lines(), QStringList{u"zorvandata"_s});
    }
}

TEST_F(Document, OpenReportsMissingFilesDirectoriesAndHugeFiles) {
    open(dir.file(u"nothing.txt"_s));
    EXPECT_EQ(ui.messageTexts(), QStringList{dir.file(u"nothing.txt"_s) + u" が見つかりません"_s});

    ui.messages.clear();
    open(dir.path());
    ASSERT_EQ(ui.messages.size(), 1);
    EXPECT_EQ(ui.messages[0].kind, MsgKind::Stop);
    EXPECT_TRUE(ui.messages[0].text.startsWith(u"ファイル "_s + dir.path() + u" は開けません。 "_s));

    ui.messages.clear();
    QFile huge(dir.file(u"huge.txt"_s));
    ASSERT_TRUE(huge.open(QIODevice::WriteOnly));
    huge.write("zorvandata\r\n");
    ASSERT_TRUE(huge.resize(MaxNotebookBytes + 1)); // sparse: nothing is really written
    huge.close();
    open(huge.fileName());
    EXPECT_EQ(ui.messageTexts(), QStringList{u"ファイルが大きすぎます（64MBまで）"_s});
    EXPECT_TRUE(form->untitled());
}

TEST_F(Document, MagicLineOnlyIsAnEmptyBookAndUtf8WithLfIsWrittenBackAsCp932) {
    open(dir.write(u"empty.txt"_s, "zorvandata"));
    EXPECT_TRUE(products().isEmpty());
    EXPECT_EQ(controls.text(u"LBL_KEN"_s), u"0件"_s);
    EXPECT_TRUE(caption().startsWith(u"Pricotta - /"_s));
    EXPECT_TRUE(caption().endsWith(u"/empty.txt"_s));

    open(dir.write(u"u8.txt"_s,
                   "\xEF\xBB\xBFzorvandata\n" + productLines(u"牛乳"_s).join(u'\n').toUtf8() + "\n"));
    EXPECT_EQ(products(), QStringList{u"牛乳"_s});
    form->click(u"MN_SAVE"_s);
    EXPECT_EQ(dir.read(u"u8.txt"_s), cp932Lines(notebook({productLines(u"牛乳"_s)})));
}

TEST_F(Document, CaptionShowsThePathShortenedTo350Pixels) {
    // The fake measures 7 pixels a character, so 50 characters fit.
    const QString deep = dir.path() + u"/a-rather-long-folder-name/and-another-one"_s;
    QDir().mkpath(deep);
    const QString path = deep + u"/prices.txt"_s;
    QFile::copy(dir.write(u"p.txt"_s, "zorvandata\r\n"), path);
    open(path);
    const QString shown = caption().mid(QStringLiteral("Pricotta - ").size());
    EXPECT_LE(shown.size() * 7, 350);
    EXPECT_TRUE(shown.endsWith(u"/and-another-one/prices.txt"_s)) << shown.toStdString();
    EXPECT_TRUE(shown.startsWith(u"/.../"_s)) << shown.toStdString();
}

TEST_F(Document, SaveOfAnUntitledBookGoesThroughSaveAs) {
    form->setDirty(true);
    form->click(u"SPD_SAVE"_s); // the dialog is cancelled
    ASSERT_EQ(ui.fileDialogs.size(), 1);
    EXPECT_TRUE(ui.fileDialogs[0].save);
    EXPECT_EQ(ui.fileDialogs[0].request.fileName, u"無題"_s);
    EXPECT_EQ(ui.fileDialogs[0].request.folder, ui.documents);
    EXPECT_TRUE(form->dirty());

    ui.fileAnswers.enqueue(dir.file(u"new.txt"_s));
    form->click(u"SPD_SAVE"_s);
    EXPECT_EQ(dir.read(u"new.txt"_s), QByteArray("zorvandata\r\n"));
    EXPECT_FALSE(form->dirty());
    EXPECT_FALSE(form->untitled());
    EXPECT_EQ(form->currentFileName(), dir.file(u"new.txt"_s));
    EXPECT_TRUE(settingsText().contains(u"0="_s + dir.file(u"new.txt"_s)));
}

TEST_F(Document, SaveAsWritesTheNewFileAndLeavesTheOldOne) {
    const QByteArray bytes = cp932Lines(threeProducts);
    open(dir.write(u"old.txt"_s, bytes));
    form->book().setLine(2, u"200"_s);
    form->setDirty(true);
    ui.fileAnswers.enqueue(dir.file(u"copy.txt"_s));
    form->click(u"MN_BETU_SAVE"_s);

    EXPECT_EQ(dir.read(u"old.txt"_s), bytes);
    EXPECT_TRUE(dir.read(u"copy.txt"_s).contains("\r\n200\r\n"));
    EXPECT_EQ(ui.fileDialogs.last().request.fileName, dir.file(u"old.txt"_s));
    EXPECT_TRUE(caption().endsWith(u"copy.txt"_s));
    EXPECT_TRUE(settingsText().contains(u"0="_s + dir.file(u"copy.txt"_s)));
    EXPECT_TRUE(settingsText().contains(u"1="_s + dir.file(u"old.txt"_s)));
}

TEST_F(Document, AFailedSaveAsKeepsTheOpenFileAndItsChanges) {
    const QByteArray bytes = cp932Lines(threeProducts);
    const QString oldPath = dir.write(u"old.txt"_s, bytes);
    open(oldPath);
    form->setDirty(true);
    dir.write(u"plain"_s, "a file, not a folder");
    const QString bad = dir.file(u"plain/new.txt"_s);
    ui.fileAnswers.enqueue(bad);
    form->click(u"MN_BETU_SAVE"_s);

    ASSERT_EQ(ui.messages.size(), 1);
    EXPECT_EQ(ui.messages[0].kind, MsgKind::Stop);
    EXPECT_TRUE(ui.messages[0].text.startsWith(u"ファイル \""_s + bad + u"\" を作成できません。"_s));
    EXPECT_EQ(form->currentFileName(), oldPath);
    EXPECT_TRUE(caption().endsWith(u"old.txt"_s));
    EXPECT_TRUE(form->dirty());
    EXPECT_FALSE(settingsText().contains(u"plain"_s));

    form->click(u"MN_SAVE"_s); // the next Save writes the file that is open
    EXPECT_FALSE(form->dirty());
    EXPECT_EQ(dir.read(u"old.txt"_s), bytes);
}

TEST_F(Document, TheSaveChangesQuestionGuardsNew) {
    struct Case {
        std::vector<Button> answers;
        bool dropped;
    };
    // Yes on an untitled book opens the save dialog, which the fake cancels.
    const QList<Case> cases{{{No}, true}, {{Cancel}, false}, {{Yes}, false}};
    for (const Case& c : cases) {
        form->MN_NEWClick(false);
        form->book().insertLine(1, u"unsaved"_s);
        form->setDirty(true);
        ui.messages.clear();
        for (Button b : c.answers)
            ui.buttons.enqueue(b);
        form->click(u"MN_NEW"_s);
        ASSERT_EQ(ui.messages.size(), 1);
        EXPECT_EQ(ui.messages[0].kind, MsgKind::Information);
        EXPECT_EQ(ui.messages[0].text, u"無題 の変更を保存しますか？"_s);
        EXPECT_EQ(ui.messages[0].buttons, Buttons(Yes | No | Cancel));
        EXPECT_EQ(ui.messages[0].defaultButton, Yes);
        EXPECT_EQ(form->book().count() == 1, c.dropped);
        EXPECT_EQ(form->dirty(), !c.dropped);
        if (c.dropped) {
            EXPECT_EQ(controls.focused(), u"EDT_SYOMEI"_s);
        }
    }
}

TEST_F(Document, OpenAnsweredNoThenCancelledKeepsTheChanges) {
    form->book().insertLine(1, u"unsaved"_s);
    form->setDirty(true);
    ui.buttons.enqueue(No);
    form->click(u"MN_OPEN"_s); // the open dialog is cancelled
    EXPECT_EQ(form->book().count(), 2);
    EXPECT_TRUE(form->dirty());
    ASSERT_EQ(ui.fileDialogs.size(), 1);
    EXPECT_EQ(ui.fileDialogs[0].request.folder, ui.documents);
}

// The folder comes from the full path in the settings file: the File menu shows a shortened caption
// ("/.../x/a.txt") that names no folder.
TEST_F(Document, OpenStartsInTheFolderOfTheNewestHistoryEntry) {
    const QString deep = u"/home/user/a-rather-long-folder-name/and-another-one/notes/a.txt"_s;
    dir.write(u"prog/zorvan.ini"_s, cp932Lines({u"[F_RIREKI]"_s, u"0="_s + deep, u"1=/tmp/b.txt"_s}));
    form->click(u"MN_FILE"_s);
    ASSERT_TRUE(controls.items(u"MN_FILE"_s).first().startsWith(u"/.../"_s));
    form->click(u"MN_OPEN"_s);
    ASSERT_EQ(ui.fileDialogs.size(), 1);
    EXPECT_EQ(ui.fileDialogs[0].request.folder,
              u"/home/user/a-rather-long-folder-name/and-another-one/notes/"_s);
}

TEST_F(Document, ASettingsFileThatCannotBeWrittenLeavesTheLoadDone) {
    QDir().mkpath(settingsPath()); // a folder where the settings file should be
    open(dir.write(u"a.txt"_s, cp932Lines(threeProducts)));
    ASSERT_EQ(ui.messages.size(), 1);
    EXPECT_EQ(ui.messages[0].kind, MsgKind::Stop);
    EXPECT_EQ(products().size(), 3);
    EXPECT_FALSE(form->untitled());
    EXPECT_TRUE(caption().endsWith(u"a.txt"_s));
    EXPECT_EQ(controls.text(u"LBL_KEN"_s), u"3件"_s);
}

// A file its user may not write is refused before anything is written, whichever file the
// command writes: the notebook on 上書き保存, the settings file when a load records the history,
// the shop list when an import replaces it. A rename over the file would ignore its permissions,
// so the test runs the commands as an unprivileged user, where they bite.
TEST_F(Document, AFileItsUserMayNotWriteIsRefusedBeforeAnythingIsWritten) {
    const QString book = dir.write(u"家計.txt"_s, cp932Lines(threeProducts));
    const QString shops = dir.write(u"prog/zorvan_店.txt"_s, cp932Lines({u"A店"_s}));
    const QString chosenShops = dir.write(u"zorvantm.txt"_s, cp932Lines({u"新店"_s}));
    open(book);
    openFolderToAll(dir.path());
    openFolderToAll(programDir());
    // A folder that refuses new files, while the notebook in it could be written: never written
    // in place, refused with a word about the folder.
    const QString lockedFolder = dir.path() + u"/locked"_s;
    QDir().mkpath(lockedFolder);
    const QString inLocked = dir.write(u"locked/帳.txt"_s, cp932Lines(threeProducts));
    ::chmod(QFile::encodeName(inLocked).constData(), 0666);
    ::chmod(QFile::encodeName(lockedFolder).constData(), 0555);
    struct Case {
        const char* what;
        QString file;
        std::function<void()> command;
        bool staysChanged;
        mode_t mode;
        QString reason; // a part of the message's second half
    };
    const QString denied = u"アクセスが拒否されました。"_s;
    const QList<Case> cases{
        {"notebook", book,
         [&] {
             form->setDirty(true);
             form->click(u"MN_SAVE"_s);
         },
         true, 0444, denied},
        {"settings", settingsPath(), [&] { open(book); }, false, 0444, denied},
        {"shop list", shops,
         [&] {
             ui.buttons.enqueue(Yes);
             ui.fileAnswers.enqueue(chosenShops);
             form->click(u"MN_TEN_IM"_s);
         },
         false, 0444, denied},
        {"folder", inLocked,
         [&] {
             open(inLocked);
             ui.messages.clear();
             form->setDirty(true);
             form->click(u"MN_SAVE"_s);
         },
         true, 0666, lockedFolder},
    };
    for (const Case& k : cases) {
        SCOPED_TRACE(k.what);
        QFile file(k.file);
        ASSERT_TRUE(file.open(QIODevice::ReadOnly));
        const QByteArray before = file.readAll();
        ASSERT_FALSE(before.isEmpty());
        ::chmod(QFile::encodeName(k.file).constData(), k.mode);
        ui.messages.clear();
        // The child's answer: 0 when exactly one error box named the file and the change stayed marked.
        const int result = runUnprivileged([&] {
            k.command();
            const auto stops = std::count_if(ui.messages.cbegin(), ui.messages.cend(),
                                             [](const auto& m) { return m.kind == MsgKind::Stop; });
            if (stops != 1)
                return 1;
            for (const auto& m : ui.messages) {
                if (m.kind == MsgKind::Stop &&
                    (!m.text.startsWith(u"ファイル \""_s + k.file + u"\" を作成できません。"_s) ||
                     !m.text.contains(k.reason)))
                    return 2;
            }
            return form->dirty() == k.staysChanged ? 0 : 3;
        });
        EXPECT_EQ(result, 0);
        QFile after(k.file);
        ASSERT_TRUE(after.open(QIODevice::ReadOnly));
        EXPECT_EQ(after.readAll(), before);
        EXPECT_EQ(QFileInfo(k.file).permissions() & QFile::WriteOther,
                  k.mode == 0666 ? QFile::WriteOther : 0);
        EXPECT_EQ(QDir(dir.path()).entryList({u".prc*"_s}, QDir::Files | QDir::Hidden), QStringList());
    }
}

// Code page 932 is read as itself even where its bytes are valid UTF-8 (pairs of half-width
// katakana are), and written back as itself; an unmarked file is UTF-8 only when it holds a
// sequence of three bytes, as every Japanese character of UTF-8 does.
TEST_F(Document, UnmarkedNotebooksAreReadInTheirOwnEncodingAndWrittenBackAsCodePage932) {
    struct Case {
        const char* what;
        QByteArray name; // the name line's bytes
        QString shown;
        QByteArray saved; // the name line's bytes after a save
    };
    const QList<Case> cases{
        {"half-width katakana pair", "\xD0\xBF", u"ﾐｿ"_s, "\xD0\xBF"},
        {"half-width katakana", "\xC5\xAF\xC4\xB3", u"ﾅｯﾄｳ"_s, "\xC5\xAF\xC4\xB3"},
        {"kana and kanji", "\x8B\x8D\x93\xFB \xD0\xD9\xB8", u"牛乳 ﾐﾙｸ"_s, "\x8B\x8D\x93\xFB \xD0\xD9\xB8"},
        {"ASCII", "milk", u"milk"_s, "milk"},
        {"UTF-8 Japanese", "\xE7\x89\x9B\xE4\xB9\xB3", u"牛乳"_s, "\x8B\x8D\x93\xFB"},
        {"UTF-8 with a two-byte letter", "caf\xC3\xA9 \xE3\x83\x9F", u"café ミ"_s,
         "caf\xC3\xA9 \xE3\x83\x9F"},
    };
    for (const Case& k : cases) {
        SCOPED_TRACE(k.what);
        const QByteArray rest = "\r\n198\r\nA-mart\r\n178\r\n2014/05/01\r\n" +
                                QByteArray("\r\n\r\n2014/05/01\r\n").repeated(4) + "\r\n";
        const QByteArray bytes = "zorvandata\r\n" + k.name + rest;
        const QString path = dir.write(u"book.txt"_s, bytes);
        open(path);
        ASSERT_EQ(products(), QStringList{k.shown});
        form->setDirty(true);
        form->click(u"MN_SAVE"_s);
        const QByteArray saved = dir.read(u"book.txt"_s);
        if (k.saved.startsWith("caf")) // é has no code in 932: UTF-8 with a mark
            EXPECT_EQ(saved, "\xEF\xBB\xBF"
                             "zorvandata\r\n" +
                                 k.saved + rest);
        else
            EXPECT_EQ(saved, "zorvandata\r\n" + k.saved + rest);
    }
}

// A NUL ends the text; the window says so when it opens such a file, naming the byte, so that
// the user knows a save would drop what follows.
TEST_F(Document, ANulThatCutsTheFileShortIsReported) {
    QList<QStringList> nine;
    for (int i = 1; i <= 9; ++i)
        nine << productLines(u"商品%1"_s.arg(i), u"100"_s);
    QByteArray bytes = cp932Lines(notebook(nine));
    const qsizetype at = bytes.indexOf(cp932Lines({u"商品4"_s}).chopped(2));
    bytes.insert(at, '\0');
    open(dir.write(u"nul.txt"_s, bytes));
    EXPECT_EQ(products().size(), 3);
    ASSERT_EQ(ui.messages.size(), 1);
    EXPECT_EQ(ui.messages[0].kind, MsgKind::Warning);
    EXPECT_TRUE(ui.messages[0].text.contains(QString::number(at + 1) + u" バイト目"_s))
        << ui.messages[0].text.toStdString();

    ui.messages.clear();
    open(dir.write(u"clean.txt"_s, cp932Lines(threeProducts)));
    EXPECT_TRUE(ui.messages.isEmpty());
}

// Another program (or another copy of this one) changed the file since it was loaded: 上書き保存
// asks before it replaces that change. Cancel (the default) keeps both; No saves under another
// name; Yes overwrites. Without a change, or after a save of our own, nothing is asked.
TEST_F(Document, ASaveOverAFileChangedSinceItWasLoadedAsksFirst) {
    const QByteArray ours = cp932Lines(threeProducts);
    const QByteArray theirs = cp932Lines(notebook({productLines(u"他の変更"_s)}));
    const QString path = dir.write(u"book.txt"_s, ours);
    open(path);
    form->setDirty(true);
    form->click(u"MN_SAVE"_s);
    EXPECT_TRUE(ui.messages.isEmpty()); // unchanged on the disk, and our own save
    form->setDirty(true);
    form->click(u"MN_SAVE"_s);
    EXPECT_TRUE(ui.messages.isEmpty());

    dir.write(u"book.txt"_s, theirs);
    form->setDirty(true);
    ui.buttons.enqueue(Cancel);
    form->click(u"MN_SAVE"_s);
    ASSERT_EQ(ui.messages.size(), 1);
    EXPECT_EQ(ui.messages[0].defaultButton, Cancel);
    EXPECT_EQ(ui.messages[0].buttons, Yes | No | Cancel);
    EXPECT_EQ(dir.read(u"book.txt"_s), theirs);
    EXPECT_TRUE(form->dirty());

    const QString other = dir.file(u"mine.txt"_s);
    ui.buttons.enqueue(No);
    ui.fileAnswers.enqueue(other);
    form->click(u"MN_SAVE"_s);
    EXPECT_EQ(dir.read(u"book.txt"_s), theirs);
    EXPECT_EQ(dir.read(u"mine.txt"_s), ours);
    EXPECT_EQ(form->currentFileName(), other);
    EXPECT_FALSE(form->dirty());

    // The same file again, and the same bytes written anew by another program: nothing to lose.
    open(path);
    dir.write(u"book.txt"_s, theirs);
    ui.messages.clear();
    form->setDirty(true);
    form->click(u"MN_SAVE"_s);
    EXPECT_TRUE(ui.messages.isEmpty());

    dir.write(u"book.txt"_s, ours);
    form->setDirty(true);
    ui.buttons.enqueue(Yes);
    form->click(u"MN_SAVE"_s);
    EXPECT_EQ(ui.messages.size(), 1);
    EXPECT_EQ(dir.read(u"book.txt"_s), theirs);
    EXPECT_FALSE(form->dirty());
}

// A notebook another running copy holds is opened with a word about it; the lock a crashed copy
// left behind is taken over without one, and ours goes when the notebook is closed.
TEST_F(Document, OpeningANotebookAnotherCopyHoldsSaysSo) {
    const QString path = dir.write(u"book.txt"_s, cp932Lines(threeProducts));
    const QString lockPath = NotebookLock::lockPathOf(path);
    {
        // Another copy's lock: a live process on this machine, under its own name.
        QProcess sleeper;
        sleeper.start(u"sleep"_s, {u"30"_s});
        ASSERT_TRUE(sleeper.waitForStarted());
        dir.write(u".book.txt.lock"_s, QByteArray::number(sleeper.processId()) + "\nsleep\n" +
                                           QSysInfo::machineHostName().toUtf8() + "\n");
        open(path);
        sleeper.kill();
        sleeper.waitForFinished();
    }
    ASSERT_EQ(ui.messages.size(), 1);
    EXPECT_EQ(ui.messages[0].text, path + u" は、ほかの Pricotta でも開かれています。"_s);
    EXPECT_EQ(products().size(), 3);

    // The process is gone now: its lock is stale and taken over.
    ui.messages.clear();
    form->click(u"MN_NEW"_s);
    open(path);
    EXPECT_TRUE(ui.messages.isEmpty());
    EXPECT_TRUE(QFile::exists(lockPath));
    form->click(u"MN_NEW"_s);
    EXPECT_FALSE(QFile::exists(lockPath));
}

} // namespace
