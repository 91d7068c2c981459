// 店名管理 offscreen: the input box and the position follow every change of the list's current
// entry that the user makes, by a press, a drag or a key, and nothing the dialog's own handlers do.
#include "core/controls.h"
#include "core/controltable.h"
#include "shops/tenmeiform.h"
#include "support/qtprinters.h"
#include "support/testfiles.h"
#include "ui/qtuiservices.h"

#include <QAbstractButton>
#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMouseEvent>
#include <QTest>
#include <QTimer>
#include <gtest/gtest.h>

#include <functional>

using namespace Qt::StringLiterals;

namespace {

void press(QListWidget& list, int row) {
    QTest::mousePress(list.viewport(), Qt::LeftButton, {}, list.visualItemRect(list.item(row)).center());
}

void release(QListWidget& list, int row) {
    QTest::mouseRelease(list.viewport(), Qt::LeftButton, {}, list.visualItemRect(list.item(row)).center());
}

// The mouse moved with the left button held, as the window system reports a drag.
void dragTo(QListWidget& list, int row) {
    const QPoint at = list.visualItemRect(list.item(row)).center();
    QMouseEvent move(QEvent::MouseMove, at, list.viewport()->mapToGlobal(at), Qt::NoButton, Qt::LeftButton,
                     Qt::NoModifier);
    QApplication::sendEvent(list.viewport(), &move);
}

TEST(ShopDialog, InputAndPositionFollowEveryChangeOfTheCurrentEntry) {
    TestDir dir;
    QWidget owner;
    QtUiServices ui(owner);
    TenmeiForm form(ui, dir.file(u"zorvan_店.txt"_s));
    QList<int> picks; // the current entry each time the list's handler ran
    DialogRun run;
    run.window = &tenmeiWindowSpec();
    run.onStart = [&](Controls& c) { form.FormCreate(c, shopNames(8)); };
    run.onEvent = [&](Controls& c, const QString& control, const std::function<void(bool)>&) {
        if (control == u"ListBox1")
            picks << c.itemIndex(control);
        form.click(c, control);
    };

    const struct {
        const char* gesture;
        std::function<void(QListWidget&)> act;
        QList<int> picks; // the handler runs once for each change
        int current;
    } steps[] = {
        {"click", [](QListWidget& l) { press(l, 1), release(l, 1); }, {1}, 1},
        {"click on the current entry", [](QListWidget& l) { press(l, 1), release(l, 1); }, {1}, 1},
        {"drag from the first entry to the fourth",
         [](QListWidget& l) { press(l, 0), dragTo(l, 2), dragTo(l, 3), release(l, 3); },
         {0, 2, 3},
         3},
        {"arrow key", [](QListWidget& l) { QTest::keyClick(&l, Qt::Key_Down); }, {4}, 4},
        {"shift and arrow key",
         [](QListWidget& l) { QTest::keyClick(&l, Qt::Key_Down, Qt::ShiftModifier); },
         {5},
         5},
    };
    QTimer::singleShot(0, [&] {
        ASSERT_TRUE(QTest::qWaitFor([] { return QApplication::activeModalWidget() != nullptr; }));
        QWidget& dialog = *QApplication::activeModalWidget();
        auto& list = *dialog.findChild<QListWidget*>(u"ListBox1"_s);
        auto& input = *dialog.findChild<QLineEdit*>(u"TXT_MOJI_EDIT"_s);
        auto& position = *dialog.findChild<QLabel*>(u"LB_BANME"_s);
        for (const auto& step : steps) {
            SCOPED_TRACE(step.gesture);
            picks.clear();
            step.act(list);
            EXPECT_EQ(picks, step.picks);
            EXPECT_EQ(list.currentRow(), step.current);
            EXPECT_EQ(input.text(), u"店"_s + QString::number(step.current + 1));
            EXPECT_EQ(position.text(), QString::number(step.current + 1) + u" 番目"_s);
        }

        // Alt+Down is ↓ from the keyboard: the current entry moves one place down, its position shown.
        dialog.activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(&dialog));
        list.setFocus();
        QTest::keyClick(&list, Qt::Key_Down, Qt::AltModifier);
        EXPECT_EQ(list.item(6)->text(), u"店6"_s);
        EXPECT_EQ(list.currentRow(), 6);
        EXPECT_EQ(position.text(), u"7 番目"_s);

        // 追加 makes the new entry current: the dialog's own change runs no handler of the list.
        picks.clear();
        input.setText(u"新しい店"_s);
        dialog.findChild<QAbstractButton*>(u"BTN_TSUIKA"_s)->click();
        EXPECT_EQ(list.currentRow(), 8);
        EXPECT_TRUE(picks.isEmpty()) << picks.size();
        EXPECT_EQ(input.text(), QString());
        EXPECT_EQ(position.text(), u"7 番目"_s);
        dialog.findChild<QAbstractButton*>(u"OKBtn"_s)->click();
    });
    EXPECT_TRUE(ui.runDialog(run));
}

} // namespace
