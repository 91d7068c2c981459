// A query dialog offscreen: what its shop list and a double-click on its product list reach.
#include "core/controls.h"
#include "core/controltable.h"
#include "support/qtprinters.h"
#include "ui/qtuiservices.h"

#include <QApplication>
#include <QComboBox>
#include <QListWidget>
#include <QTest>
#include <QTimer>
#include <gtest/gtest.h>

using namespace Qt::StringLiterals;

namespace {

// Presses, releases, then double-clicks and releases, as the window system delivers a double-click.
void doubleClick(QListWidget& list, int row, Qt::MouseButton button) {
    const QPoint at = list.visualItemRect(list.item(row)).center();
    QTest::mouseClick(list.viewport(), button, {}, at);
    QTest::mouseDClick(list.viewport(), button, {}, at);
    QTest::mouseRelease(list.viewport(), button, {}, at);
}

TEST(QueryDialog, ShopChoicesAndALeftDoubleClickOnAnEntryReachTheHandlers) {
    QWidget owner;
    QtUiServices ui(owner);
    QStringList events;
    DialogRun run;
    run.window = &miseSiboWindowSpec();
    run.onStart = [](Controls& c) {
        c.setItems(u"CBO_MISE"_s, {u"A店"_s, u"B店"_s});
        c.setItemIndex(u"CBO_MISE"_s, 0);
        c.setItems(u"LST_SYO"_s, {u"牛乳"_s, u"卵"_s});
    };
    run.onEvent = [&](Controls& c, const QString& control, const std::function<void(bool)>&) {
        events << control + u':' + c.text(control);
    };
    run.onDoubleClick = [&](Controls& c, const QString& control, const std::function<void(bool)>& close) {
        events << u"double "_s + control + u':' + c.text(control);
        close(true);
    };

    QTimer::singleShot(0, [] {
        ASSERT_TRUE(QTest::qWaitFor([] { return QApplication::activeModalWidget() != nullptr; }));
        QWidget& w = *QApplication::activeModalWidget();
        auto* shops = w.findChild<QComboBox*>(u"CBO_MISE"_s);
        shops->setFocus();
        QTest::keyClick(shops, Qt::Key_Down); // a choice by key, with the list closed
        auto* list = w.findChild<QListWidget*>(u"LST_SYO"_s);
        doubleClick(*list, 0, Qt::RightButton); // not a double-click the dialog hears
        EXPECT_TRUE(w.isVisible());
        doubleClick(*list, 1, Qt::LeftButton);
    });
    EXPECT_TRUE(ui.runDialog(run));
    EXPECT_EQ(events,
              (QStringList{u"CBO_MISE:B店"_s, u"LST_SYO:牛乳"_s, u"LST_SYO:卵"_s, u"double LST_SYO:卵"_s}));
}

} // namespace
