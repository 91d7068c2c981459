// The File menu's history in the real window: listed once however often the menu opens, shown
// with "&" as typed, and opened by a click.
#include "support/qtprinters.h"
#include "support/testfiles.h"
#include "ui/mainwindow.h"
#include "ui/qtcontrols.h"

#include <QAction>
#include <QMenu>
#include <QMenuBar>
#include <gtest/gtest.h>

using namespace Qt::StringLiterals;

namespace {

QMenu* fileMenu(MainWindow& window) {
    for (QAction* a : window.menuBar()->actions()) {
        if (a->objectName() == u"MN_FILE"_s)
            return a->menu();
    }
    return nullptr;
}

TEST(HistoryMenu, ListsEachEntryOnceAndOpensIt) {
    TestDir dir;
    const QString notebook = dir.write(u"A&B.txt"_s, "zorvandata\r\n");
    const QString other = dir.write(u"other.txt"_s, "zorvandata\r\n");
    dir.write(u"zorvan.ini"_s, (u"[F_RIREKI]\r\n0="_s + notebook + u"\r\n1="_s + other + u"\r\n"_s).toUtf8());
    MainWindow window(dir.path());
    QMenu* menu = fileMenu(window);
    ASSERT_TRUE(menu);

    emit menu->aboutToShow();
    emit menu->aboutToShow();
    const QList<QAction*> actions = menu->actions();
    ASSERT_EQ(actions.size(), 8 + 2);
    EXPECT_EQ(actions[8]->objectName(), u"RIREKI_OPN0"_s);
    EXPECT_TRUE(actions[8]->text().endsWith(u"A&&B.txt"_s)); // shown as typed, not as an access key
    EXPECT_TRUE(window.controls().items(u"MN_FILE"_s).first().endsWith(u"A&B.txt"_s));

    actions[9]->trigger();
    EXPECT_TRUE(window.windowTitle().endsWith(u"other.txt"_s));
}

} // namespace
