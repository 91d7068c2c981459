// New, Open, Save, Save As and the save-changes question, through the seam.
#include "support/formfixture.h"

#include <QDir>
#include <QFile>
#include <gtest/gtest.h>

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

} // namespace
