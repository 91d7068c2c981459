// Where the settings and the shop list live (the program's folder or the user's), and where the
// files that came with the program are found (beside it, or where it was installed).
#include "core/appfiles.h"
#include "support/formfixture.h"

#include <QDir>
#include <QFile>
#include <gtest/gtest.h>

using namespace Qt::StringLiterals;

namespace {

TEST(UserFolder, FollowsXdgConfigHomeWhenItIsAnAbsolutePath) {
    const struct {
        QString xdgConfigHome;
        QString expected;
    } cases[] = {
        {u"/srv/config"_s, u"/srv/config/pricotta"_s},
        {u"/srv/config/"_s, u"/srv/config/pricotta"_s},
        {QString(), u"/home/hanako/.config/pricotta"_s},
        {u"config"_s, u"/home/hanako/.config/pricotta"_s}, // relative: ignored
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.xdgConfigHome.toStdString());
        EXPECT_EQ(appfiles::userFolder(c.xdgConfigHome, u"/home/hanako"_s), c.expected);
    }
}

TEST(FilesFolder, TheProgramsFolderWhenItCanWriteThereElseTheUsersFolder) {
    TestDir dir;
    dir.write(u"file"_s, "a regular file");
    // An installed program: its data folder lies beside its bin folder.
    const QString installedBin = dir.file(u"usr/bin"_s);
    QDir().mkpath(installedBin);
    QDir().mkpath(appfiles::dataFolders(installedBin).at(1));
    const struct {
        const char* what;
        QString programDir;
        bool own;
    } cases[] = {
        {"a copy in a folder of its own", dir.file(u"portable"_s), true},
        {"the same with a trailing slash", dir.file(u"portable/"_s), true},
        {"a folder below a regular file, which nobody can write", dir.file(u"file/prog"_s), false},
        {"an installed program, even where it may write", installedBin, false},
    };
    QDir().mkpath(dir.file(u"portable"_s));
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        const QString user = dir.file(u"home/.config/pricotta"_s);
        QDir(dir.file(u"home"_s)).removeRecursively();

        const QString folder = appfiles::filesFolder(c.programDir, user);

        EXPECT_EQ(folder, c.own ? dir.file(u"portable/"_s) : user + u'/');
        // The user's folder is made only when it is the one chosen, and then before any file needs it.
        EXPECT_EQ(QDir(user).exists(), !c.own);
        if (!c.own) {
            // Made for its owner alone.
            const QFile::Permissions p = QFile::permissions(user);
            EXPECT_TRUE(p.testFlags(QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner));
            EXPECT_FALSE(p & (QFile::ReadGroup | QFile::WriteGroup | QFile::ExeGroup | QFile::ReadOther |
                              QFile::WriteOther | QFile::ExeOther));
        }
    }
}

TEST(FindFile, LooksBesideTheProgramFirstThenWhereItWasInstalled) {
    TestDir dir;
    const QString bin = dir.file(u"usr/bin"_s);
    const QStringList data = appfiles::dataFolders(bin);
    const QStringList libraries = appfiles::libraryFolders(bin);
    ASSERT_EQ(data.size(), 2);
    ASSERT_EQ(libraries.size(), 2);
    EXPECT_EQ(data.front(), bin);
    EXPECT_EQ(libraries.front(), bin);
    // Both installed folders lie inside the installation's prefix.
    for (const QString& installed : {data.back(), libraries.back()}) {
        EXPECT_TRUE(installed.startsWith(dir.file(u"usr/"_s))) << installed.toStdString();
        EXPECT_NE(installed, bin);
    }
    for (const QString& folder : {bin, data.back()})
        QDir().mkpath(folder);

    EXPECT_EQ(appfiles::findFile(data, u"zorvan_00.html"_s), QString());
    // A folder of that name beside the program is no file; the installed one is found.
    QDir().mkpath(bin + u"/zorvan_00.html"_s);
    dir.write(QDir(dir.path()).relativeFilePath(data.back()) + u"/zorvan_00.html"_s, "installed");
    EXPECT_EQ(appfiles::findFile(data, u"zorvan_00.html"_s), data.back() + u"/zorvan_00.html"_s);
    // A file beside the program comes first.
    QDir(bin + u"/zorvan_00.html"_s).removeRecursively();
    dir.write(u"usr/bin/zorvan_00.html"_s, "portable");
    EXPECT_EQ(appfiles::findFile(data, u"zorvan_00.html"_s), bin + u"/zorvan_00.html"_s);
}

// Sets an environment variable for the life of the object.
class ScopedEnv {
  public:
    ScopedEnv(const char* name, const QString& value)
        : name_(name), had_(qEnvironmentVariableIsSet(name)), old_(qgetenv(name)) {
        qputenv(name, value.toUtf8());
    }
    ~ScopedEnv() {
        if (had_)
            qputenv(name_, old_);
        else
            qunsetenv(name_);
    }

  private:
    const char* name_;
    bool had_;
    QByteArray old_;
};

// A program whose folder it cannot write: settings, shop list and the backup's refusal all go by
// the user's folder.
TEST(ReadOnlyProgram, KeepsItsFilesInTheUsersFolder) {
    TestDir dir;
    dir.write(u"file"_s, "a regular file");
    const ScopedEnv config("XDG_CONFIG_HOME", dir.file(u"config"_s));
    const QString user = dir.file(u"config/pricotta/"_s);
    PlainControls controls(mainWindowSpec());
    FakeUi ui;
    MainForm form(controls, ui, dir.file(u"file/prog"_s));
    dir.write(u"config/pricotta/zorvan_店.txt"_s, cp932Lines({u"青葉"_s}));

    EXPECT_EQ(form.appDir(), user);
    EXPECT_EQ(form.iniFile(), user + u"zorvan.ini"_s);
    EXPECT_EQ(form.shopListFile(), user + u"zorvan_店.txt"_s);
    form.FormCreate();
    EXPECT_EQ(controls.items(u"CBO_MISE1"_s), QStringList{u"青葉"_s});
    EXPECT_TRUE(form.FormCloseQuery(30, 40));
    EXPECT_TRUE(ui.messages.isEmpty()) << ui.messageTexts().join(u'\n').toStdString();
    EXPECT_TRUE(dir.read(u"config/pricotta/zorvan.ini"_s).contains("LEFT=30"));

    // The user's folder is where the shop list lives: backing it up there is refused.
    ui.folderAnswers.enqueue(user);
    form.click(u"MN_TEN_BACK"_s);
    ASSERT_EQ(ui.messages.size(), 2);
    EXPECT_EQ(ui.messages[1].text,
              u"バックアップ\"先\"は、当ソフトとは\r\n\r\n別のフォルダ　を選択して下さい！"_s);
}

} // namespace
