// Where the main window opens: saved bounds that no window can have, or that leave the title bar
// off every screen, are fitted; any position on a screen is kept exactly.
#include "support/testfiles.h"
#include "ui/mainwindow.h"
#include "ui/windowplacement.h"

#include <QGuiApplication>
#include <QScreen>
#include <QTest>
#include <gtest/gtest.h>

#include <climits>

using namespace Qt::StringLiterals;

namespace {

TEST(WindowPlacement, KeepsWhatIsOnAScreenAndFitsTheRest) {
    // A wide screen with a smaller one to its left, a little lower.
    const QList<QRect> screens{QRect(0, 0, 1920, 1080), QRect(-1280, 200, 1280, 1024)};
    const struct {
        const char* name;
        WindowBounds saved;
        WindowBounds placed;
    } cases[] = {
        {"the default", {24, 24, 660, 450}, {24, 24, 660, 450}},
        {"on the second screen", {-1000, 500, 660, 450}, {-1000, 500, 660, 450}},
        {"partly off the right edge", {1800, 100, 660, 450}, {1800, 100, 660, 450}},
        {"title bar a little above the top", {100, -10, 660, 450}, {100, -10, 660, 450}},
        {"saved on a larger screen", {3000, 2000, 660, 450}, {24, 24, 660, 450}},
        {"title bar above every screen", {100, -100, 660, 450}, {24, 24, 660, 450}},
        {"in the gap left of the second screen's top", {-1000, 0, 660, 150}, {24, 24, 660, 150}},
        {"only a sliver on the screen", {1900, 100, 660, 450}, {24, 24, 660, 450}},
        {"largest positions", {INT_MAX, INT_MAX, 660, 450}, {24, 24, 660, 450}},
        {"smallest positions", {INT_MIN, INT_MIN, 660, 450}, {24, 24, 660, 450}},
        {"no size", {24, 24, 0, -5}, {24, 24, 660, 450}},
        {"sizes beyond every screen", {24, 24, INT_MAX, 100000}, {24, 24, 3200, 1224}},
        {"a small size stays", {24, 24, 200, 100}, {24, 24, 200, 100}},
    };
    for (const auto& k : cases) {
        SCOPED_TRACE(k.name);
        const WindowBounds placed = placeWindow(k.saved, screens);
        EXPECT_EQ(QRect(placed.left, placed.top, placed.width, placed.height),
                  QRect(k.placed.left, k.placed.top, k.placed.width, k.placed.height));
    }
    // Without a screen at 0, 0 the default position is taken on the primary screen.
    const WindowBounds lost = placeWindow({5000, 5000, 660, 450}, {QRect(1920, 0, 1920, 1080)});
    EXPECT_EQ(QPoint(lost.left, lost.top), QPoint(1944, 24));
}

TEST(WindowPlacement, TheWindowShowsWhateverTheSettingsFileHolds) {
    const QRect screen = QGuiApplication::primaryScreen()->geometry();
    const struct {
        const char* settings;
        QRect expected;
    } cases[] = {
        {"[Form]\r\nWIDTH=0\r\nHEIGHT=0\r\n", QRect(24, 24, 660, 450)},
        {"[Form]\r\nWIDTH=-660\r\nHEIGHT=450\r\nLEFT=40\r\nTOP=30\r\n", QRect(40, 30, 660, 450)},
        {"[Form]\r\nTOP=2147483647\r\nLEFT=2147483647\r\n", QRect(24, 24, 660, 450)},
        {"[Form]\r\nTOP=-2147483648\r\nLEFT=-2147483648\r\n", QRect(24, 24, 660, 450)},
        {"[Form]\r\nLEFT=3000\r\nTOP=2000\r\n", QRect(24, 24, 660, 450)},
        {"[Form]\r\nWIDTH=2147483647\r\nHEIGHT=2147483647\r\nLEFT=0\r\nTOP=0\r\n",
         QRect(QPoint(0, 0), screen.size().expandedTo(QSize(660, 450)))},
        {"[Form]\r\nLEFT=100\r\nTOP=50\r\n", QRect(100, 50, 660, 450)},
    };
    for (const auto& k : cases) {
        SCOPED_TRACE(k.settings);
        TestDir dir;
        dir.write(u"zorvan.ini"_s, k.settings);
        MainWindow window(dir.path());
        window.show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&window));
        EXPECT_EQ(window.frameGeometry(), k.expected);
        EXPECT_FALSE(window.size().isEmpty());
    }
}

} // namespace
