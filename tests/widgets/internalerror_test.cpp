// A fault in a handler under the real event loop: the dispatcher shows it as an internal error and
// the window goes on taking events.
#include "core/controls.h"
#include "core/controltable.h"
#include "support/qtprinters.h"
#include "ui/qtuiservices.h"

#include <QAbstractButton>
#include <QApplication>
#include <QMessageBox>
#include <QTest>
#include <QTimer>
#include <gtest/gtest.h>

#include <functional>
#include <stdexcept>

using namespace Qt::StringLiterals;

namespace {

struct ShownBox {
    QString title;
    QString text;
    QMessageBox::Icon icon;
};

// Answers the next message box with its only button and notes what it showed.
void answerNextMessageBox(QList<ShownBox>& shown) {
    QTimer::singleShot(0, [&shown] {
        ASSERT_TRUE(
            QTest::qWaitFor([] { return qobject_cast<QMessageBox*>(QApplication::activeModalWidget()); }));
        auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        shown.append({box->windowTitle(), box->text(), box->icon()});
        box->buttons().front()->click();
    });
}

TEST(InternalError, IsShownAndTheDialogGoesOnTakingClicks) {
    QWidget owner;
    QtUiServices ui(owner);
    QStringList events;
    DialogRun run;
    run.window = &tenmeiWindowSpec();
    run.onEvent = [&](Controls&, const QString& control, const std::function<void(bool)>&) {
        events << control;
        if (events.size() == 1)
            throw std::logic_error("no control named TXT_MOJI");
        if (events.size() == 2)
            throw 42;
    };
    QList<ShownBox> shown;
    QTimer::singleShot(0, [&] {
        ASSERT_TRUE(QTest::qWaitFor([] { return QApplication::activeModalWidget() != nullptr; }));
        QWidget& dialog = *QApplication::activeModalWidget();
        auto* add = dialog.findChild<QAbstractButton*>(u"BTN_TSUIKA"_s);
        answerNextMessageBox(shown);
        add->click();
        answerNextMessageBox(shown);
        add->click();
        add->click();
        dialog.findChild<QAbstractButton*>(u"OKBtn"_s)->click();
    });
    EXPECT_TRUE(ui.runDialog(run));
    EXPECT_EQ(events, (QStringList{u"BTN_TSUIKA"_s, u"BTN_TSUIKA"_s, u"BTN_TSUIKA"_s, u"OKBtn"_s}));
    ASSERT_EQ(shown.size(), 2);
    for (const ShownBox& box : shown) {
        EXPECT_EQ(box.title, u"Pricotta"_s);
        EXPECT_EQ(box.icon, QMessageBox::Critical);
    }
    EXPECT_EQ(shown[0].text, u"内部エラー: no control named TXT_MOJI."_s);
    EXPECT_EQ(shown[1].text, u"内部エラー: 不明な例外."_s);
}

} // namespace
