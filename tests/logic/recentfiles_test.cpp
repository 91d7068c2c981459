// The recent-file history: the File menu's entries, reopening one, and the deletion dialog.
#include "core/settingsfile.h"
#include "support/dialogdriver.h"
#include "support/formfixture.h"

#include <QDir>
#include <gtest/gtest.h>

using namespace Qt::StringLiterals;

namespace {

class RecentFiles : public ::testing::Test, public FormFixture {
  protected:
    void SetUp() override { start(); }

    void writeHistory(const QStringList& paths) {
        QStringList lines{u"[Form]"_s, u"LEFT=7"_s, u"[F_RIREKI]"_s};
        for (int k = 0; k < paths.size(); ++k)
            lines << QString::number(k) + u'=' + paths[k];
        dir.write(u"prog/zorvan.ini"_s, cp932Lines(lines));
    }
    // Keys 0 to 9 as the settings file holds them now.
    QStringList history() const {
        const SettingsFile settings = SettingsFile::load(settingsPath());
        QStringList keys;
        for (int k = 0; k < 10; ++k)
            keys << settings.value(u"F_RIREKI"_s, QString::number(k));
        return keys;
    }
    // Ten keys: the entries, then empty ones.
    static QStringList tenKeys(QStringList entries) {
        while (entries.size() < 10)
            entries << QString();
        return entries;
    }
    QStringList openFileMenu() {
        form->click(u"MN_FILE"_s);
        return controls.items(u"MN_FILE"_s);
    }
    QString notebookFile(const QString& name) { return dir.write(name, "zorvandata\r\n"); }
};

TEST_F(RecentFiles, WithoutHistoryTheMenuHasNoEntriesAndTheDialogDoesNotOpen) {
    bool dialogRan = false;
    ui.dialogScript = [&](const DialogRun&) { return dialogRan = true; };
    for (const QByteArray& ini : {QByteArray(), QByteArray("[F_RIREKI]\r\n0=\r\n1=/a.txt\r\n")}) {
        ui.messages.clear();
        if (!ini.isNull())
            dir.write(u"prog/zorvan.ini"_s, ini);
        EXPECT_TRUE(openFileMenu().isEmpty());
        form->click(u"MN_FRIREKI_DEL"_s);
        ASSERT_EQ(ui.messages.size(), 1);
        EXPECT_EQ(ui.messages[0].kind, MsgKind::Information);
        EXPECT_EQ(ui.messages[0].text, u"ファイルの履歴が０件です"_s);
        EXPECT_EQ(ui.messages[0].buttons, Buttons(Ok));
    }
    EXPECT_FALSE(dialogRan);
    EXPECT_EQ(settingsText(), u"[F_RIREKI]\r\n0=\r\n1=/a.txt\r\n"_s); // looking writes nothing
}

TEST_F(RecentFiles, TheMenuListsTheEntriesShortenedAndRebuildsThemOnEveryOpening) {
    const QString longPath = u"/home/user/Documents/records/2014/kakaku.txt"_s;
    // The list ends at the first empty key.
    writeHistory({u"/b.txt"_s, longPath, u"/c.txt"_s, QString(), u"/after-the-gap.txt"_s});
    const QStringList shown{u"/b.txt"_s, u"/.../Documents/records/2014/kakaku.txt"_s, u"/c.txt"_s};
    EXPECT_EQ(openFileMenu(), shown);
    EXPECT_EQ(openFileMenu(), shown);

    writeHistory({u"/c.txt"_s});
    EXPECT_EQ(openFileMenu(), QStringList{u"/c.txt"_s});
    EXPECT_TRUE(ui.messages.isEmpty());
}

TEST_F(RecentFiles, ChoosingAnEntryOpensItAndMovesItToTheTop) {
    const QString a = notebookFile(u"a.txt"_s);
    const QString b = notebookFile(u"b.txt"_s);
    const QString c = notebookFile(u"c.txt"_s);
    writeHistory({a, b, c});
    openFileMenu();
    form->click(u"RIREKI_OPN2"_s);
    EXPECT_TRUE(ui.messages.isEmpty());
    EXPECT_EQ(form->currentFileName(), c);
    EXPECT_EQ(controls.text(u"LBL_KEN"_s), u"0件"_s);
    EXPECT_EQ(history(), tenKeys({c, a, b}));
    EXPECT_EQ(openFileMenu().first(), c);
}

TEST_F(RecentFiles, AMissingFileIsReportedAndItsEntryRemoved) {
    QStringList entries;
    for (int k = 0; k < 10; ++k)
        entries << notebookFile(u"f%1.txt"_s.arg(k));
    const QString gone = entries[3];
    QFile::remove(gone);
    writeHistory(entries);
    openFileMenu();
    form->click(u"RIREKI_OPN3"_s);

    ASSERT_EQ(ui.messages.size(), 1);
    EXPECT_EQ(ui.messages[0].kind, MsgKind::Warning);
    EXPECT_EQ(ui.messages[0].text, gone + u" が見つかりません"_s);
    EXPECT_EQ(ui.messages[0].buttons, Buttons(Ok));
    EXPECT_TRUE(form->untitled());
    entries.removeAt(3);
    EXPECT_EQ(history(), tenKeys(entries));
    EXPECT_EQ(openFileMenu(), entries);
    EXPECT_TRUE(settingsText().contains(u"LEFT=7"_s)); // the other sections stay
}

TEST_F(RecentFiles, AFileThatIsNotANotebookKeepsItsEntry) {
    const QString foreign = dir.write(u"shops.txt"_s, "A\r\n");
    const QString a = notebookFile(u"a.txt"_s);
    writeHistory({a, foreign});
    form->click(u"RIREKI_OPN1"_s);
    EXPECT_EQ(ui.messageTexts(), QStringList{u"当ソフトで作成されたデータではありません(ID)"_s});
    EXPECT_EQ(history(), tenKeys({a, foreign}));
    EXPECT_TRUE(form->untitled());
}

TEST_F(RecentFiles, CancellingTheSaveQuestionChangesNothing) {
    const QString a = notebookFile(u"a.txt"_s);
    writeHistory({dir.file(u"gone.txt"_s), a});
    const QByteArray before = dir.read(u"prog/zorvan.ini"_s);
    form->book().assign(notebook({productLines(u"牛乳"_s)}));
    form->setDirty(true);
    for (const QString& item : {u"RIREKI_OPN0"_s, u"RIREKI_OPN1"_s}) {
        ui.messages.clear();
        ui.buttons.enqueue(Cancel);
        form->click(item);
        EXPECT_EQ(ui.messageTexts(), QStringList{u"無題 の変更を保存しますか？"_s}) << item.toStdString();
        EXPECT_EQ(dir.read(u"prog/zorvan.ini"_s), before);
        EXPECT_TRUE(form->dirty());
        EXPECT_TRUE(form->untitled());
        EXPECT_EQ(form->book().lines().size(), 19);
    }
}

TEST_F(RecentFiles, SavingUnderANewNameFirstStillOpensTheChosenEntry) {
    // Saving the untitled notebook puts its name on top of the history and moves the chosen entry
    // from key 1 to key 2: the entry chosen is the one that opens.
    const QString a = notebookFile(u"a.txt"_s);
    const QString b = notebookFile(u"b.txt"_s);
    writeHistory({a, b});
    form->setDirty(true);
    ui.buttons.enqueue(Yes);
    const QString saved = dir.file(u"new.txt"_s);
    ui.fileAnswers.enqueue(saved);
    form->click(u"RIREKI_OPN1"_s);
    EXPECT_EQ(ui.messages.size(), 1);
    EXPECT_TRUE(dir.exists(u"new.txt"_s));
    EXPECT_EQ(form->currentFileName(), b);
    EXPECT_EQ(history(), tenKeys({b, saved, a}));

    // A missing entry is found again by its path to be removed.
    const QString gone = dir.file(u"gone.txt"_s);
    const QString other = dir.file(u"other.txt"_s);
    writeHistory({a, gone});
    form->MN_NEWClick(false);
    form->setDirty(true);
    ui.messages.clear();
    ui.buttons.enqueue(Yes);
    ui.fileAnswers.enqueue(other);
    form->click(u"RIREKI_OPN1"_s);
    EXPECT_EQ(ui.messageTexts().last(), gone + u" が見つかりません"_s);
    EXPECT_EQ(form->currentFileName(), other);
    EXPECT_EQ(history(), tenKeys({other, a}));
}

TEST_F(RecentFiles, TheDialogDeletesTheCheckedEntries) {
    const QStringList entries{u"/e0.txt"_s, u"/e1.txt"_s, u"/home/user/Documents/records/2014/kakaku.txt"_s,
                              u"/e3.txt"_s, u"/e4.txt"_s};
    writeHistory(entries);
    bool closed = false;
    ui.dialogScript = playing([&](DialogDriver& d) {
        PlainControls& c = d.controls();
        EXPECT_EQ(c.items(u"CK_LBOX"_s),
                  (QStringList{u"/e0.txt"_s, u"/e1.txt"_s, u"/.../Documents/records/2014/kakaku.txt"_s,
                               u"/e3.txt"_s, u"/e4.txt"_s}));
        for (int i = 0; i < 5; ++i)
            EXPECT_FALSE(c.itemChecked(u"CK_LBOX"_s, i));
        c.setItemChecked(u"CK_LBOX"_s, 1, true);
        c.setItemChecked(u"CK_LBOX"_s, 3, true);
        d.click(u"OKBtn"_s);
        closed = d.closed();
    });
    form->click(u"MN_FRIREKI_DEL"_s);
    EXPECT_TRUE(closed);
    EXPECT_TRUE(ui.messages.isEmpty());
    EXPECT_EQ(history(), tenKeys({entries[0], entries[2], entries[4]}));
}

TEST_F(RecentFiles, DeletingWithNothingCheckedWarnsAndKeepsTheDialogOpen) {
    writeHistory({u"/e0.txt"_s, u"/e1.txt"_s});
    const QByteArray before = dir.read(u"prog/zorvan.ini"_s);
    ui.dialogScript = playing([&](DialogDriver& d) {
        d.click(u"OKBtn"_s);
        EXPECT_FALSE(d.closed());
        EXPECT_EQ(ui.messageTexts(), QStringList{u"削除する履歴にチェック(レ点)を入れて下さい"_s});
        EXPECT_EQ(ui.messages[0].kind, MsgKind::Warning);
        d.pressEnter(); // キャンセル
        EXPECT_TRUE(d.closed());
    });
    form->click(u"MN_FRIREKI_DEL"_s);
    EXPECT_EQ(dir.read(u"prog/zorvan.ini"_s), before);
}

TEST_F(RecentFiles, DeletingAllAsksFirst) {
    writeHistory({u"/e0.txt"_s, u"/e1.txt"_s, u"/e2.txt"_s});
    const QByteArray before = dir.read(u"prog/zorvan.ini"_s);
    ui.dialogScript = playing([&](DialogDriver& d) {
        ui.buttons.enqueue(No);
        d.click(u"BTN_ALL"_s);
        ASSERT_EQ(ui.messages.size(), 1);
        EXPECT_EQ(ui.messages[0].kind, MsgKind::Confirmation);
        EXPECT_EQ(ui.messages[0].text, u"最近開いたファイルの履歴を すべて 消去してもよろしいですか？"_s);
        EXPECT_EQ(ui.messages[0].buttons, Buttons(Yes | No));
        EXPECT_EQ(ui.messages[0].defaultButton, No);
        EXPECT_FALSE(d.closed());
        EXPECT_EQ(dir.read(u"prog/zorvan.ini"_s), before);

        ui.buttons.enqueue(Yes);
        d.click(u"BTN_ALL"_s);
        EXPECT_TRUE(d.closed());
    });
    form->click(u"MN_FRIREKI_DEL"_s);
    EXPECT_EQ(history(), tenKeys({}));
    EXPECT_TRUE(settingsText().contains(u"[F_RIREKI]\r\n0=\r\n1=\r\n2=\r\n"_s));
    EXPECT_TRUE(settingsText().contains(u"9=\r\n"_s));
    EXPECT_TRUE(openFileMenu().isEmpty());
}

TEST_F(RecentFiles, AnUnreadableSettingsFileIsReportedAndNothingIsDone) {
    const QString a = notebookFile(u"a.txt"_s);
    controls.setItems(u"MN_FILE"_s, {a});
    QDir().mkpath(settingsPath()); // exists, cannot be read
    bool dialogRan = false;
    ui.dialogScript = [&](const DialogRun&) { return dialogRan = true; };
    form->setDirty(true);

    EXPECT_TRUE(openFileMenu().isEmpty());
    form->click(u"RIREKI_OPN0"_s);
    form->click(u"MN_FRIREKI_DEL"_s);
    ASSERT_EQ(ui.messages.size(), 3); // one error each, and no save question
    for (const MessageCall& m : ui.messages)
        EXPECT_EQ(m.kind, MsgKind::Stop);
    EXPECT_FALSE(dialogRan);
    EXPECT_TRUE(form->dirty());
    EXPECT_TRUE(QFileInfo(settingsPath()).isDir());
}

TEST_F(RecentFiles, TheDialogReportsASettingsFileThatBecameUnreadableAndStaysOpen) {
    writeHistory({u"/e0.txt"_s, u"/e1.txt"_s});
    ui.dialogScript = playing([&](DialogDriver& d) {
        QFile::remove(settingsPath());
        QDir().mkpath(settingsPath());
        d.controls().setItemChecked(u"CK_LBOX"_s, 0, true);
        d.click(u"OKBtn"_s);
        ui.buttons.enqueue(Yes);
        d.click(u"BTN_ALL"_s);
        EXPECT_FALSE(d.closed());
        ASSERT_EQ(ui.messages.size(), 3);
        EXPECT_EQ(ui.messages[0].kind, MsgKind::Stop);
        EXPECT_EQ(ui.messages[2].kind, MsgKind::Stop);
    });
    form->click(u"MN_FRIREKI_DEL"_s);
}

} // namespace

TEST_F(RecentFiles, AnEntryLongerThanAnyPathIsIgnored) {
    const QString huge = u"/"_s + QString(100 * 1024, u'a') + u"/a.txt"_s;
    writeHistory({u"/home/user/a.txt"_s, huge, u"/home/user/c.txt"_s});
    EXPECT_EQ(openFileMenu(), QStringList{u"/home/user/a.txt"_s});
    writeHistory({huge});
    EXPECT_TRUE(openFileMenu().isEmpty());
}
