// The Help menu: the manual and the read-me opened from beside the program or where it was
// installed, and the version window with the texts it is handed and the two reports of a missing
// library or function.
#include "core/appfiles.h"
#include "core/dispatch.h"
#include "support/formfixture.h"

#include <QDir>
#include <gtest/gtest.h>

using namespace Qt::StringLiterals;

namespace {

struct ProgramFile {
    QString command;
    QString name;
};

const QList<ProgramFile> programFiles{
    {u"MN_HELP"_s, u"zorvan_00.html"_s},
    {u"MN_README"_s, u"お読み下さい.txt"_s},
};

TEST(ProgramFiles, PresentFileIsOpenedByItsFullPath) {
    for (const ProgramFile& file : programFiles) {
        SCOPED_TRACE(file.name.toStdString());
        FormFixture f;
        f.dir.write(u"prog/"_s + file.name, "x");

        f.form->click(file.command);

        EXPECT_EQ(f.ui.opened, QStringList{f.programDir() + u'/' + file.name});
        EXPECT_TRUE(f.ui.messages.isEmpty());
    }
}

TEST(ProgramFiles, MissingFileOrAFolderOfItsNameIsReportedAndNothingOpens) {
    for (const ProgramFile& file : programFiles) {
        for (const bool folder : {false, true}) {
            SCOPED_TRACE(file.name.toStdString() + (folder ? " (a folder)" : " (absent)"));
            FormFixture f;
            f.dir.write(file.name, "only outside the program's folder");
            if (folder)
                QDir().mkpath(f.programDir() + u'/' + file.name);

            f.form->click(file.command);

            EXPECT_TRUE(f.ui.opened.isEmpty());
            ASSERT_EQ(f.ui.messages.size(), 1);
            const MessageCall& m = f.ui.messages.front();
            EXPECT_EQ(m.kind, MsgKind::Warning);
            EXPECT_EQ(m.text, u"このソフトと同じフォルダに "_s + file.name + u" が見つかりません"_s);
            EXPECT_EQ(m.buttons, Buttons(Ok));
            EXPECT_EQ(m.defaultButton, Ok);
        }
    }
}

TEST(ProgramFiles, AnInstalledProgramFindsThemInItsDataFolder) {
    for (const ProgramFile& file : programFiles) {
        SCOPED_TRACE(file.name.toStdString());
        FormFixture f;
        const QString installed = appfiles::dataFolders(f.programDir()).at(1);
        QDir().mkpath(installed);
        f.dir.write(QDir(f.dir.path()).relativeFilePath(installed) + u'/' + file.name, "x");

        f.form->click(file.command);

        EXPECT_EQ(f.ui.opened, QStringList{installed + u'/' + file.name});
        EXPECT_TRUE(f.ui.messages.isEmpty());
    }
}

// The opener found no program for the file, or the program failed.
class RefusingUi : public FakeUi {
  public:
    bool openWithProgram(const QString& path) override {
        opened << path;
        return false;
    }
};

// A failure of the opener is an error: the default error box (stop icon, the program's title, OK)
// through the menu command, naming the file so that it can be opened by hand.
TEST(ProgramFiles, AFileThatDoesNotOpenIsReportedInTheDefaultErrorBox) {
    for (const ProgramFile& file : programFiles) {
        SCOPED_TRACE(file.name.toStdString());
        TestDir dir;
        PlainControls controls(mainWindowSpec());
        RefusingUi ui;
        MainForm form(controls, ui, dir.path());
        const QString path = dir.write(file.name, "x");

        form.click(file.command);

        EXPECT_EQ(ui.opened, QStringList{path});
        ASSERT_EQ(ui.messages.size(), 1);
        const MessageCall& m = ui.messages.front();
        EXPECT_EQ(m.kind, MsgKind::Stop);
        EXPECT_EQ(m.buttons, Buttons(Ok));
        EXPECT_EQ(m.defaultButton, Ok);
        EXPECT_EQ(m.text,
                  defaultErrorText(path + u" を開けませんでした。\r\n\r\n"_s
                                          u"このファイルを開くプログラムが見つからないか、"
                                          u"うまく動きませんでした。"
                                          u"ファイルマネージャーやブラウザーから直接開いて下さい。"_s));
    }
}

TEST(VersionCommand, HandsOverTheTextsAndReportsAMissingLibraryOrFunction) {
    const struct {
        VersionWindowResult answer;
        QString message; // empty: none
    } cases[] = {
        {VersionWindowResult::Shown, {}},
        {VersionWindowResult::LibraryMissing, u"libverinf14.so が見つかりません"_s},
        {VersionWindowResult::FunctionMissing, u"DLL内の関数が見つかりません"_s},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.message.toStdString());
        FormFixture f;
        f.ui.versionAnswer = c.answer;

        f.form->click(u"MN_VER"_s);

        ASSERT_EQ(f.ui.versionCalls.size(), 1);
        const VersionInfo& info = f.ui.versionCalls.front();
        EXPECT_EQ(info.code, 573765);
        EXPECT_EQ(info.product, u"製品名\u3000Pricotta"_s);
        EXPECT_EQ(info.version, u"２．２"_s);
        EXPECT_EQ(info.label, u"価格メモ帳"_s);
        EXPECT_EQ(info.years, u"2014-2026"_s);
        if (c.message.isEmpty()) {
            EXPECT_TRUE(f.ui.messages.isEmpty());
            continue;
        }
        ASSERT_EQ(f.ui.messages.size(), 1);
        const MessageCall& m = f.ui.messages.front();
        EXPECT_EQ(m.kind, MsgKind::Warning);
        EXPECT_EQ(m.text, c.message);
        EXPECT_EQ(m.buttons, Buttons(Ok));
        EXPECT_TRUE(f.ui.opened.isEmpty());
    }
}

TEST(VersionCommand, EveryChoiceCallsTheLibraryAgain) {
    FormFixture f;
    f.ui.versionAnswer = VersionWindowResult::LibraryMissing;

    f.form->click(u"MN_VER"_s);
    f.form->click(u"MN_VER"_s);

    EXPECT_EQ(f.ui.versionCalls.size(), 2);
    EXPECT_EQ(f.ui.messageTexts(), QStringList(2, u"libverinf14.so が見つかりません"_s));
}

} // namespace
