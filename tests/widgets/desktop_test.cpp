// The program and the desktop: its icon, the opener's exit status deciding whether a file was
// opened, and Qt's own dialogs leaving nothing in the user's folders.
#include "support/testfiles.h"
#include "ui/desktop.h"
#include "ui/qtuiservices.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QImage>
#include <QSettings>
#include <QTest>
#include <QTimer>
#include <gtest/gtest.h>

using namespace Qt::StringLiterals;

namespace {

// An opener that writes the file it was given next to itself, then runs `rest`.
QString writeOpener(const TestDir& dir, const QString& name, const QByteArray& rest) {
    const QString path = dir.write(name, "#!/bin/sh\nprintf '%s' \"$1\" > \"$0.arg\"\n" + rest + '\n');
    QFile::setPermissions(path, QFile::permissions(path) | QFile::ExeOwner);
    return path;
}

TEST(Opener, TheOpenersExitStatusTellsWhetherTheFileWasOpened) {
    TestDir dir;
    const QString file = dir.write(u"お読み下さい.txt"_s, "x");
    const struct {
        const char* what;
        QByteArray script;
        OpenerResult expected;
    } cases[] = {
        {"a program took the file", "exit 0", OpenerResult::Opened},
        {"no program for the file", "exit 3", OpenerResult::Failed},
        {"the program failed", "exit 4", OpenerResult::Failed},
        {"killed", "kill -9 $$", OpenerResult::Failed},
        {"still waiting for the program it started", "sleep 1", OpenerResult::Opened},
    };
    int n = 0;
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        const QString opener = writeOpener(dir, u"opener%1"_s.arg(++n), c.script);
        EXPECT_EQ(runOpener(opener, file, 500), c.expected);
        EXPECT_EQ(QString::fromUtf8(dir.read(QFileInfo(opener).fileName() + u".arg"_s)), file);
    }
    EXPECT_EQ(runOpener(dir.file(u"no-such-opener"_s), file, 500), OpenerResult::NotStarted);
}

TEST(ProgramIcon, ComesInEverySizeTheDesktopAsksFor) {
    const QIcon icon = programIcon();
    const QList<QSize> sizes = icon.availableSizes();
    for (const int size : {16, 24, 32, 48, 64, 128, 256})
        EXPECT_TRUE(sizes.contains(QSize(size, size))) << size;
    EXPECT_FALSE(icon.pixmap(32).isNull());
}

TEST(ProgramIcon, HoldsThePixelsOfItsPngs) {
    const QIcon icon = programIcon();
    for (const int size : {16, 24, 32, 48, 64, 128, 256}) {
        SCOPED_TRACE(size);
        const QImage png(QString::fromUtf8(PRICOTTA_ICON_DIR) + u"/pricotta_%1.png"_s.arg(size));
        ASSERT_FALSE(png.isNull());
        const QImage shown = icon.pixmap(QSize(size, size)).toImage();
        EXPECT_EQ(shown.size(), QSize(size, size));
        // As a pixmap made from the PNG holds it.
        EXPECT_EQ(shown.convertToFormat(QImage::Format_ARGB32_Premultiplied),
                  png.convertToFormat(QImage::Format_ARGB32_Premultiplied));
    }
}

TEST(QtSettings, FileDialogsLeaveNothingInTheUsersFolders) {
    TestDir dir;
    const bool hadConfig = qEnvironmentVariableIsSet("XDG_CONFIG_HOME");
    const QByteArray oldConfig = qgetenv("XDG_CONFIG_HOME");
    qputenv("XDG_CONFIG_HOME", dir.path().toUtf8());
    keepQtSettingsOutOfUserFolders();

    QWidget owner;
    QtUiServices ui(owner);
    QTimer::singleShot(0, [] {
        ASSERT_TRUE(QTest::qWaitFor([] { return QApplication::activeModalWidget() != nullptr; }));
        QApplication::activeModalWidget()->close();
    });
    EXPECT_EQ(ui.openFileDialog(FileDialogRequest{dir.path(), {}}), std::nullopt);

    QSettings qtSettings(QSettings::UserScope, u"QtProject"_s);
    EXPECT_FALSE(qtSettings.fileName().startsWith(QDir::homePath())) << qtSettings.fileName().toStdString();
    qtSettings.setValue(u"probe"_s, 1);
    qtSettings.sync();
    EXPECT_EQ(qtSettings.status(), QSettings::AccessError);
    EXPECT_TRUE(QDir(dir.path()).isEmpty());
    if (hadConfig)
        qputenv("XDG_CONFIG_HOME", oldConfig);
    else
        qunsetenv("XDG_CONFIG_HOME");
}

} // namespace
