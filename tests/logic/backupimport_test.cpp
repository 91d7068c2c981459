// Backing the shop list up into a folder and importing another shop-list file.
#include "notebook/pricebook.h"
#include "support/formfixture.h"

#include <QDir>
#include <QFile>
#include <gtest/gtest.h>

using namespace Qt::StringLiterals;

namespace {

const QString BackupQuestion =
    u"登録した店名を指定されたフォルダにバックアップします。\r\n\r\n"
    u"ファイル名は　zorvan_店.txt　です。\r\n\r\n"
    u"なお、バックアップ先のフォルダは次の画面で指定して下さい。\r\n\r\n続行しますか？"_s;
const QString BackedUp = u"指定されたフォルダにバックアップされました"_s;
const QString ImportQuestion =
    u"店名の取り込みを実行しますか？\r\n\r\nファイル名　zorvan_店.txt　を指定して下さい\r\n\r\n"
    u"実行すると今の店名に上書きされ元には戻せません\r\n\r\n\r\n"
    u"※間違って違うファイルを取り込んだ場合は再度、別のファイルを取り込むか、"
    u"[店名管理]で再登録して下さい\r\n\r\n"
    u"※旧バージョンでのファイル名は　zorvantm.txt　です"_s;
const QString Imported = u"店名を取り込みました"_s;

class ShopBackup : public ::testing::Test, public FormFixture {
  protected:
    // UTF-8 with a mark and LF endings: a copy that converted anything would show it.
    const QByteArray shopBytes = "\xEF\xBB\xBF" + u"A店\nCafé\n"_s.toUtf8();

    void SetUp() override {
        dir.write(u"prog/zorvan_店.txt"_s, shopBytes);
        start();
    }
    // A fresh folder in the scratch folder, with one trailing "/" as the picker gives it.
    QString folder(const QString& name) const {
        QDir().mkpath(dir.file(name));
        return dir.file(name) + u'/';
    }
    void backUpTo(const std::optional<QString>& picked) {
        ui.folderAnswers.enqueue(picked);
        form->click(u"MN_TEN_BACK"_s);
    }
};

TEST_F(ShopBackup, CopiesByteForByteReplacingAnOldCopy) {
    const QString target = folder(u"backup"_s);
    dir.write(u"backup/zorvan_店.txt"_s, "old");
    backUpTo(target);
    EXPECT_EQ(dir.read(u"backup/zorvan_店.txt"_s), shopBytes);
    ASSERT_EQ(ui.messages.size(), 2);
    EXPECT_EQ(ui.messages[0].kind, MsgKind::Confirmation);
    EXPECT_EQ(ui.messages[0].text, BackupQuestion);
    EXPECT_EQ(ui.messages[0].buttons, Ok | Cancel);
    EXPECT_EQ(ui.messages[0].defaultButton, Ok);
    EXPECT_EQ(ui.messages[1].kind, MsgKind::Information);
    EXPECT_EQ(ui.messages[1].text, BackedUp);
    EXPECT_EQ(ui.messages[1].buttons, Buttons(Ok));
    EXPECT_EQ(ui.busyCount, 1);
    EXPECT_EQ(ui.busyDepth, 0);
}

TEST_F(ShopBackup, CancellingTheQuestionOrThePickerDoesNothing) {
    ui.buttons.enqueue(Cancel);
    backUpTo(folder(u"backup"_s));
    EXPECT_EQ(ui.folderAnswers.size(), 1); // the picker was never shown
    EXPECT_EQ(ui.messageTexts(), QStringList{BackupQuestion});

    ui.folderAnswers.clear();
    ui.messages.clear();
    backUpTo(std::nullopt);
    EXPECT_EQ(ui.messageTexts(), QStringList{BackupQuestion});
    EXPECT_FALSE(dir.exists(u"backup/zorvan_店.txt"_s));
    EXPECT_EQ(ui.busyCount, 0);
}

TEST_F(ShopBackup, RefusesTheProgramFolderByAnyPathToIt) {
    ASSERT_TRUE(QFile::link(programDir(), dir.file(u"link"_s)));
    folder(u"sub"_s);
    const QStringList paths{form->appDir(), programDir() + u"/../prog/"_s, dir.file(u"link"_s) + u'/',
                            dir.file(u"sub"_s) + u"/../prog/./"_s};
    for (const QString& path : paths) {
        SCOPED_TRACE(path.toStdString());
        ui.messages.clear();
        backUpTo(path);
        ASSERT_EQ(ui.messages.size(), 2);
        EXPECT_EQ(ui.messages[1].kind, MsgKind::Warning);
        EXPECT_EQ(ui.messages[1].text,
                  u"バックアップ\"先\"は、当ソフトとは\r\n\r\n別のフォルダ　を選択して下さい！"_s);
        EXPECT_EQ(ui.messages[1].buttons, Buttons(Ok));
        EXPECT_EQ(dir.read(u"prog/zorvan_店.txt"_s), shopBytes);
    }
    EXPECT_EQ(ui.busyCount, 0);
}

TEST_F(ShopBackup, ADifferentlyCasedPathIsAnotherFolder) {
    backUpTo(folder(u"PROG"_s));
    EXPECT_EQ(ui.messageTexts(), (QStringList{BackupQuestion, BackedUp}));
    EXPECT_EQ(dir.read(u"PROG/zorvan_店.txt"_s), shopBytes);
}

TEST_F(ShopBackup, FailuresAreReportedAndTheCursorComesBack) {
    // The destination cannot be created where a folder has the file's name.
    const QString target = folder(u"blocked"_s);
    QDir().mkpath(target + u"zorvan_店.txt"_s);
    backUpTo(target);
    ASSERT_EQ(ui.messages.size(), 2);
    EXPECT_EQ(ui.messages[1].kind, MsgKind::Stop);
    EXPECT_TRUE(
        ui.messages[1].text.startsWith(u"ファイル \""_s + target + u"zorvan_店.txt\" を作成できません。"_s));
    EXPECT_EQ(ui.busyCount, 1);
    EXPECT_EQ(ui.busyDepth, 0);

    // Without a shop list there is nothing to copy.
    ui.messages.clear();
    QFile::remove(form->shopListFile());
    const QString other = folder(u"other"_s);
    backUpTo(other);
    ASSERT_EQ(ui.messages.size(), 2);
    EXPECT_EQ(ui.messages[1].kind, MsgKind::Stop);
    EXPECT_TRUE(ui.messages[1].text.startsWith(u"ファイル "_s + form->shopListFile() + u" は開けません。"_s));
    EXPECT_FALSE(dir.exists(u"other/zorvan_店.txt"_s));
    EXPECT_EQ(ui.busyCount, 2);
    EXPECT_EQ(ui.busyDepth, 0);
}

class ShopImport : public ::testing::Test, public FormFixture {
  protected:
    const QStringList oldShops{u"旧店"_s};

    void SetUp() override {
        dir.write(u"prog/zorvan_店.txt"_s, cp932Lines(oldShops));
        start();
    }
    void import(const std::optional<QString>& chosen) {
        ui.fileAnswers.enqueue(chosen);
        form->click(u"MN_TEN_IM"_s);
    }
    QStringList selectorItems(int j) const { return controls.items(u"CBO_MISE"_s + QString::number(j)); }
    void expectUnchanged() const {
        for (int j = 1; j <= PriceSlots; ++j)
            EXPECT_EQ(selectorItems(j), oldShops);
        EXPECT_EQ(dir.read(u"prog/zorvan_店.txt"_s), cp932Lines(oldShops));
    }
};

TEST_F(ShopImport, TakesFilesWhoseNameBeginsWithLowerCaseZorvan) {
    struct Case {
        QString name;
        bool taken;
    };
    const QList<Case> cases{
        {u"zorvantm.txt"_s, true},   {u"zorvan_店.txt"_s, true}, {u"zorvan"_s, true},
        {u"Zorvan_店.txt"_s, false}, {u"ZORVANtm.txt"_s, false}, {u"zorva.txt"_s, false},
        {u"my_zorvan.txt"_s, false},
    };
    for (const Case& k : cases) {
        SCOPED_TRACE(k.name.toStdString());
        SetUp();
        ui.messages.clear();
        ui.fileDialogs.clear();
        QDir().mkpath(dir.file(u"in"_s));
        const QString chosen = dir.write(u"in/"_s + k.name, cp932Lines({u"新店"_s}));
        ui.buttons.enqueue(Yes);
        import(chosen);
        ASSERT_EQ(ui.fileDialogs.size(), 1);
        EXPECT_FALSE(ui.fileDialogs[0].save);
        EXPECT_TRUE(ui.fileDialogs[0].request.fileName.isEmpty());
        EXPECT_TRUE(ui.fileDialogs[0].request.folder.isEmpty());
        ASSERT_EQ(ui.messages.size(), 2);
        EXPECT_EQ(ui.messages[1].kind, MsgKind::Information);
        EXPECT_EQ(ui.messages[1].buttons, Buttons(Ok));
        if (k.taken) {
            EXPECT_EQ(ui.messages[1].text, Imported);
            EXPECT_EQ(selectorItems(3), QStringList{u"新店"_s});
            EXPECT_EQ(dir.read(u"prog/zorvan_店.txt"_s), cp932Lines({u"新店"_s}));
        } else {
            EXPECT_EQ(ui.messages[1].text, u"店名のファイルではありません"_s);
            expectUnchanged();
        }
        QFile::remove(chosen);
    }
}

TEST_F(ShopImport, AsksFirstAndStopsOnNoOrCancel) {
    ui.buttons.enqueue(No);
    import(dir.write(u"zorvantm.txt"_s, cp932Lines({u"新店"_s})));
    ASSERT_EQ(ui.messages.size(), 1);
    EXPECT_EQ(ui.messages[0].kind, MsgKind::Confirmation);
    EXPECT_EQ(ui.messages[0].text, ImportQuestion);
    EXPECT_EQ(ui.messages[0].buttons, Yes | No);
    EXPECT_EQ(ui.messages[0].defaultButton, No);
    EXPECT_TRUE(ui.fileDialogs.isEmpty());

    ui.messages.clear();
    ui.fileAnswers.clear();
    ui.buttons.enqueue(Yes);
    import(std::nullopt);
    EXPECT_EQ(ui.messageTexts(), QStringList{ImportQuestion});
    expectUnchanged();
}

TEST_F(ShopImport, TakesSixHundredNamesKeepingTheSelectorTexts) {
    QStringList names = shopNames(600);
    names << u"Café"_s; // not in code page 932: the saved list is UTF-8 with a mark
    const QString chosen = dir.write(u"zorvan_店.txt"_s, "\xEF\xBB\xBF" + names.join(u'\n').toUtf8());
    controls.setText(u"CBO_MISE4"_s, u"どこかの店"_s);
    ui.buttons.enqueue(Yes);
    import(chosen);
    EXPECT_EQ(ui.messageTexts(), (QStringList{ImportQuestion, Imported}));
    for (int j = 1; j <= PriceSlots; ++j)
        EXPECT_EQ(selectorItems(j), names);
    EXPECT_EQ(controls.text(u"CBO_MISE4"_s), u"どこかの店"_s);
    const QByteArray saved = dir.read(u"prog/zorvan_店.txt"_s);
    EXPECT_TRUE(saved.startsWith("\xEF\xBB\xBF"));
    EXPECT_EQ(saved, "\xEF\xBB\xBF" + (names.join(u"\r\n"_s) + u"\r\n"_s).toUtf8());

    ui.messages.clear();
    form->click(u"MN_TENMEI"_s);
    ASSERT_EQ(ui.messages.size(), 1);
    EXPECT_TRUE(ui.messages[0].text.startsWith(u"店名が５００件を超えています。"_s));
}

TEST_F(ShopImport, AMissingOrUnreadableChoiceChangesNothing) {
    // The program's own list chosen while it is missing counts as missing, not as empty.
    const QStringList missing{dir.file(u"zorvan_none.txt"_s), form->shopListFile()};
    for (const QString& path : missing) {
        SCOPED_TRACE(path.toStdString());
        SetUp();
        if (path == form->shopListFile())
            QFile::remove(path);
        ui.messages.clear();
        ui.buttons.enqueue(Yes);
        import(path);
        ASSERT_EQ(ui.messages.size(), 2);
        EXPECT_EQ(ui.messages[1].kind, MsgKind::Stop);
        EXPECT_EQ(ui.messages[1].text,
                  u"ファイル "_s + path + u" は開けません。 指定されたファイルが見つかりません。 "_s);
        EXPECT_EQ(selectorItems(1), oldShops);
    }
    EXPECT_FALSE(dir.exists(u"prog/zorvan_店.txt"_s));

    SetUp();
    ui.messages.clear();
    QDir().mkpath(dir.file(u"zorvan_dir"_s));
    ui.buttons.enqueue(Yes);
    import(dir.file(u"zorvan_dir"_s));
    ASSERT_EQ(ui.messages.size(), 2);
    EXPECT_EQ(ui.messages[1].kind, MsgKind::Stop);
    EXPECT_TRUE(
        ui.messages[1].text.startsWith(u"ファイル "_s + dir.file(u"zorvan_dir"_s) + u" は開けません。"_s));
    expectUnchanged();
}

TEST_F(ShopImport, AFailedSaveIsReportedAfterTheSelectorsTookTheNames) {
    const QString chosen = dir.write(u"zorvantm.txt"_s, cp932Lines({u"新店"_s}));
    // A folder where the program's list should be: the write fails after the selectors took the names.
    QFile::remove(form->shopListFile());
    QDir().mkpath(form->shopListFile());
    ui.buttons.enqueue(Yes);
    import(chosen);
    ASSERT_EQ(ui.messages.size(), 2);
    EXPECT_EQ(ui.messages[1].kind, MsgKind::Stop);
    EXPECT_TRUE(
        ui.messages[1].text.startsWith(u"ファイル \""_s + form->shopListFile() + u"\" を作成できません。"_s));
    EXPECT_EQ(selectorItems(1), QStringList{u"新店"_s});
}

} // namespace
