// Every command by keyboard: window-wide keys run the menu commands and the buttons that never take
// the focus, through the same path as a click, and leave the menus as they are drawn.
#include "support/qtprinters.h"
#include "support/testfiles.h"
#include "ui/mainwindow.h"
#include "ui/qtcontrols.h"

#include <QAbstractButton>
#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QMenu>
#include <QSignalSpy>
#include <QTest>
#include <QTimer>
#include <gtest/gtest.h>

#include <optional>

using namespace Qt::StringLiterals;

namespace {

// One product of a notebook: its name and standard price, one observation, no memo.
QStringList record(const QString& name, const QString& price) {
    QStringList lines{name, price, u"A店"_s, price, u"2024/05/01"_s};
    for (int slot = 2; slot <= 5; ++slot)
        lines << QString() << QString() << u"2024/05/01"_s;
    return lines << QString();
}

class KeyboardTest : public ::testing::Test {
  protected:
    TestDir dir;
    MainWindow window{dir.path()};
    QtControls& c = window.controls();

    void activate() {
        window.show();
        window.activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(&window));
    }
};

TEST_F(KeyboardTest, KeysRunTheCommandsAsTheirClicksDo) {
    // Whatever the commands open (file dialogs, refusals) is closed again at once.
    QTimer closer;
    QObject::connect(&closer, &QTimer::timeout, [] {
        if (QWidget* modal = QApplication::activeModalWidget())
            modal->close();
    });
    closer.start(10);

    const struct {
        QKeyCombination keys;
        const char16_t* control;
    } cases[] = {
        {Qt::CTRL | Qt::Key_N, u"MN_NEW"},
        {Qt::CTRL | Qt::Key_O, u"MN_OPEN"},
        {Qt::CTRL | Qt::Key_S, u"MN_SAVE"},
        {Qt::CTRL | Qt::SHIFT | Qt::Key_S, u"MN_BETU_SAVE"},
        {Qt::CTRL | Qt::Key_D, u"SPD_SAGAKU"},
        {Qt::CTRL | Qt::SHIFT | Qt::Key_Delete, u"SPD_SAKUJYO"},
        {Qt::CTRL | Qt::Key_1, u"SPD_1OLD"},
        {Qt::CTRL | Qt::Key_2, u"SPD_MISE_SIBO"},
        {Qt::CTRL | Qt::SHIFT | Qt::Key_M, u"SPD_MEMO_DEL"},
    };
    auto* fileMenu = window.findChild<QMenu*>(u"MN_FILE"_s);
    for (const auto& k : cases) {
        const QString control = QString::fromUtf16(k.control);
        SCOPED_TRACE(control.toStdString());
        activate();
        // Menu commands go through their menu, buttons through their click, as the mouse takes them.
        auto* button = window.findChild<QAbstractButton*>(control);
        QSignalSpy menuPicks(fileMenu, &QMenu::triggered);
        std::optional<QSignalSpy> clicks;
        if (button)
            clicks.emplace(button, &QAbstractButton::clicked);
        c.setFocus(u"EDT_1"_s); // keys work wherever the focus is
        QTest::keyClick(QApplication::focusWidget(), k.keys.key(), k.keys.keyboardModifiers());
        if (button) {
            EXPECT_EQ(clicks->count(), 1);
            EXPECT_EQ(menuPicks.count(), 0);
        } else {
            ASSERT_EQ(menuPicks.count(), 1);
            EXPECT_EQ(menuPicks.at(0).at(0).value<QAction*>()->objectName(), control);
        }
    }

    // The menus show their captions only, with no key beside them.
    for (const QAction* action : window.findChildren<QAction*>())
        EXPECT_TRUE(action->shortcut().isEmpty()) << action->objectName().toStdString();
}

TEST_F(KeyboardTest, KeysWorkOnThePanelAsTheButtonsDo) {
    activate();
    c.setText(u"EDT_TEIKA"_s, u"1000"_s);
    c.setText(u"EDT_1"_s, u"980"_s);
    c.setText(u"Memo1"_s, u"特売"_s);
    c.setFocus(u"EDT_1"_s);
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_D, Qt::ControlModifier);
    EXPECT_EQ(c.text(u"LBL_SA_1"_s), u"20"_s);
    EXPECT_EQ(c.text(u"EDT_1"_s), u"980"_s) << "the key is no text typed into the field";
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_M, Qt::ControlModifier | Qt::ShiftModifier);
    EXPECT_EQ(c.text(u"Memo1"_s), QString());
}

TEST_F(KeyboardTest, CtrlLTakesTheFocusToTheProductListWhereArrowsPick) {
    QStringList lines{u"zorvandata"_s};
    lines << record(u"パン"_s, u"160"_s) << record(u"牛乳"_s, u"198"_s);
    ASSERT_TRUE(window.form().LoadPriceBook(dir.write(u"book.txt"_s, cp932Lines(lines))));
    activate();
    c.setFocus(u"EDT_SYOMEI"_s);
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_L, Qt::ControlModifier);
    ASSERT_TRUE(QTest::qWaitFor([&] { return c.focused() == u"CBO_SYOMEI"; }));

    const auto priceOf = [](const QString& product) { return product == u"パン" ? u"160"_s : u"198"_s; };
    for (int pick = 0; pick < 2; ++pick) {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Down);
        ASSERT_EQ(c.itemIndex(u"CBO_SYOMEI"_s), pick);
        EXPECT_EQ(c.text(u"EDT_TEIKA"_s), priceOf(c.text(u"CBO_SYOMEI"_s))) << "the pick fills the panel";
    }
    EXPECT_EQ(c.focused(), u"CBO_SYOMEI"_s);
}

} // namespace
