// The real main window offscreen: what only the widgets can break.
#include "core/controltable.h"
#include "notebook/pricebook.h"
#include "support/qtprinters.h"
#include "support/testfiles.h"
#include "ui/mainwindow.h"
#include "ui/qtcontrols.h"

#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QComboBox>
#include <QDateEdit>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QSignalSpy>
#include <QTest>
#include <QToolButton>
#include <QWheelEvent>
#include <gtest/gtest.h>

#include <algorithm>
#include <stdexcept>
#include <vector>

using namespace Qt::StringLiterals;

namespace {

class MainWindowTest : public ::testing::Test {
  protected:
    TestDir dir;
    MainWindow window{dir.path()};
    QtControls& c = window.controls();

    template <class T = QWidget> T* widget(const QString& name) {
        T* w = window.findChild<T*>(name);
        if (!w)
            throw std::logic_error("no widget " + name.toStdString());
        return w;
    }

    void showActive() {
        window.show();
        window.activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(&window));
    }

    // Presses a key in whatever has the focus and waits until the focus has settled.
    QString pressInFocus(Qt::Key key) {
        QTest::keyClick(QApplication::focusWidget(), key);
        QCoreApplication::processEvents();
        return c.focused();
    }
};

TEST_F(MainWindowTest, StartsAsAnUntitledNotebook) {
    EXPECT_EQ(window.windowTitle(), u"Pricotta - 無題"_s);
    EXPECT_EQ(c.text(u"F_MAIN"_s), window.windowTitle());
    EXPECT_FALSE(widget(u"SPD_SAVE"_s)->isEnabled());
    EXPECT_FALSE(widget(u"LBL_KOUSIN"_s)->isEnabled());
    EXPECT_EQ(c.text(u"LBL_KEN"_s), QString());
    for (int n = 1; n <= PriceSlots; ++n) {
        EXPECT_EQ(widget<QDateEdit>(u"DTP_%1"_s.arg(n))->date(), QDate::currentDate()) << n;
        EXPECT_EQ(c.text(u"LBL_SA_%1"_s.arg(n)), u"*"_s) << n;
    }
    // A row for each price slot of a record, and no more.
    EXPECT_EQ(window.findChild<QWidget*>(u"DTP_%1"_s.arg(PriceSlots + 1)), nullptr);
}

TEST_F(MainWindowTest, WidgetsStandWhereTheControlTablePutsThem) {
    for (const ControlSpec& desc : mainWindowSpec().controls) {
        if (desc.kind == ControlKind::Form || desc.kind == ControlKind::MenuItem)
            continue;
        const QString name = QString::fromUtf16(desc.name);
        SCOPED_TRACE(name.toStdString());
        QWidget* w = widget(name);
        EXPECT_EQ(w->parentWidget(), window.centralWidget());
        EXPECT_EQ(w->geometry(), QRect(desc.x, desc.y, desc.w, desc.h));
        EXPECT_EQ(w->font().pixelSize(), desc.fontPx ? desc.fontPx : 15);
        // The hint, and after it the control's key where it has one (keyboard_test).
        const QString hint = QString::fromUtf16(desc.hint);
        EXPECT_EQ(w->toolTip().left(hint.size()), hint);
        const bool tabbed = w->focusPolicy() & Qt::TabFocus;
        EXPECT_EQ(tabbed, desc.tabStop);
        if (desc.kind == ControlKind::Label || desc.kind == ControlKind::ImageButton) {
            EXPECT_EQ(w->focusPolicy(), Qt::NoFocus);
        }
    }
    EXPECT_EQ(window.font().pixelSize(), 15);
    EXPECT_EQ(window.minimumSize(), window.maximumSize()) << "the window must not be resizable";
    EXPECT_FALSE(window.windowFlags() & Qt::WindowMaximizeButtonHint);
}

TEST_F(MainWindowTest, ButtonImagesAreSharpAtTwiceTheScale) {
    for (const QString& name : {u"SPD_SAGAKU"_s, u"SPD_SAVE"_s, u"SPD_SAKUJYO"_s}) {
        SCOPED_TRACE(name.toStdString());
        const QIcon icon = widget<QToolButton>(name)->icon();
        for (QIcon::Mode mode : {QIcon::Normal, QIcon::Disabled}) {
            const QImage once = icon.pixmap(QSize(16, 16), 1.0, mode).toImage();
            const QImage twice = icon.pixmap(QSize(16, 16), 2.0, mode).toImage();
            ASSERT_EQ(once.size(), QSize(16, 16));
            ASSERT_EQ(twice.size(), QSize(32, 32)) << "drawn from a picture of its own size, not scaled";
            // The same picture: each pixel of the small one is a square of four in the large one.
            for (int y = 0; y < 32; ++y) {
                for (int x = 0; x < 32; ++x)
                    ASSERT_EQ(twice.pixel(x, y), once.pixel(x / 2, y / 2)) << x << "," << y;
            }
        }
    }
}

TEST_F(MainWindowTest, TabWalksTheTabStopsInTableOrder) {
    std::vector<const ControlSpec*> stops;
    for (const ControlSpec& desc : mainWindowSpec().controls) {
        if (desc.tabStop)
            stops.push_back(&desc);
    }
    std::sort(stops.begin(), stops.end(), [](auto* a, auto* b) { return a->tab < b->tab; });
    QStringList expected;
    for (const ControlSpec* desc : stops)
        expected << QString::fromUtf16(desc->name);
    expected << expected.front(); // and round again

    showActive();
    c.setFocus(u"EDT_SYOMEI"_s);
    ASSERT_TRUE(QTest::qWaitFor([&] { return c.focused() == u"EDT_SYOMEI"; }));
    QStringList walked{c.focused()};
    for (qsizetype i = 1; i < expected.size(); ++i)
        walked << pressInFocus(Qt::Key_Tab);
    EXPECT_EQ(walked, expected);
}

TEST_F(MainWindowTest, EnterWalksTheEntryPanel) {
    showActive();
    const struct {
        const char16_t* from;
        const char16_t* to;
    } steps[] = {
        {u"EDT_SYOMEI", u"EDT_TEIKA"}, {u"EDT_TEIKA", u"CBO_MISE1"}, {u"CBO_MISE1", u"EDT_1"},
        {u"EDT_1", u"DTP_1"},          {u"DTP_1", u"CBO_MISE2"},     {u"DTP_5", u"Memo1"},
    };
    for (const auto& step : steps) {
        const QString from = QString::fromUtf16(step.from);
        c.setFocus(from);
        ASSERT_TRUE(QTest::qWaitFor([&] { return c.focused() == from; })) << from.toStdString();
        EXPECT_EQ(pressInFocus(Qt::Key_Return), QString::fromUtf16(step.to)) << from.toStdString();
    }
    // The memo takes no line break from Enter, nor from Shift+Enter.
    c.setText(u"Memo1"_s, u"メモ"_s);
    QTest::keyClick(widget(u"Memo1"_s), Qt::Key_Return);
    QTest::keyClick(widget(u"Memo1"_s), Qt::Key_Return, Qt::ShiftModifier);
    EXPECT_EQ(c.text(u"Memo1"_s), u"メモ"_s);
}

TEST_F(MainWindowTest, LimitsBindTypingAndPastingButNeverTheProgram) {
    auto* price = widget<QLineEdit>(u"EDT_1"_s);
    QTest::keyClicks(price, u"123456789012"_s);
    EXPECT_EQ(price->text(), u"12345678901"_s) << "the twelfth character is refused";

    c.setText(u"EDT_1"_s, u"1,000,000,000,000"_s);
    EXPECT_EQ(c.text(u"EDT_1"_s), u"1,000,000,000,000"_s);
    price->end(false);
    QTest::keyClick(price, Qt::Key_5);
    EXPECT_EQ(c.text(u"EDT_1"_s), u"1,000,000,000,000"_s);

    const QString longMemo(801, u'あ');
    c.setText(u"Memo1"_s, longMemo);
    EXPECT_EQ(c.text(u"Memo1"_s), longMemo);
    QTest::keyClick(widget(u"Memo1"_s), Qt::Key_A);
    EXPECT_EQ(c.text(u"Memo1"_s), longMemo);

    // Pasted text: a single-line field keeps the first line and no NUL, a price field at most 11
    // characters, the memo what fits into 800 (a line break counting as CR LF).
    const struct {
        const char16_t* field;
        QString before;
        QString clipboard;
        QString after;
    } pastes[] = {
        {u"EDT_SYOMEI", u""_s, u"牛乳\r\nパン"_s, u"牛乳"_s},
        {u"EDT_SYOMEI", u"a"_s, QString(u"b\0c"_s), u"abc"_s},
        {u"EDT_TEIKA", u"1"_s, u"23456789012345"_s, u"12345678901"_s},
        {u"CBO_MISE1", u""_s, u"店A\n店B"_s, u"店A"_s},
        {u"Memo1", QString(797, u'x'), u"a\r\nbc"_s, QString(797, u'x') + u"a\r\n"_s},
    };
    for (const auto& p : pastes) {
        const QString field = QString::fromUtf16(p.field);
        c.setText(field, p.before);
        QApplication::clipboard()->setText(p.clipboard);
        QWidget* target = widget(field);
        if (auto* combo = qobject_cast<QComboBox*>(target))
            target = combo->lineEdit();
        if (auto* memo = qobject_cast<QPlainTextEdit*>(target)) {
            memo->moveCursor(QTextCursor::End);
            memo->paste();
        } else {
            static_cast<QLineEdit*>(target)->end(false);
            static_cast<QLineEdit*>(target)->paste();
        }
        EXPECT_EQ(c.text(field), p.after) << field.toStdString();
    }
}

TEST_F(MainWindowTest, MemoReadsBackEveryCharacterAsStored) {
    const QString memo = u"1\u00A0kg\u2028半額"_s; // no-break space, line separator
    c.setText(u"Memo1"_s, memo);
    EXPECT_EQ(c.text(u"Memo1"_s), memo);
}

TEST_F(MainWindowTest, InputMethodIsOffForPricesAndDates) {
    for (const QString& name : {u"EDT_TEIKA"_s, u"EDT_1"_s, u"EDT_5"_s, u"DTP_1"_s, u"DTP_5"_s})
        EXPECT_FALSE(widget(name)->inputMethodQuery(Qt::ImEnabled).toBool()) << name.toStdString();
    EXPECT_TRUE(widget(u"EDT_SYOMEI"_s)->inputMethodQuery(Qt::ImEnabled).toBool());
}

TEST_F(MainWindowTest, MenusShowTheirCaptionsInOrder) {
    QStringList bar;
    for (const QAction* a : window.menuBar()->actions())
        bar << a->text();
    EXPECT_EQ(bar, (QStringList{u"ファイル(&F)"_s, u"編集(&E)"_s, u"設定"_s, u"ヘルプ(&H)"_s}));

    const auto captions = [&](const QString& menu) {
        QStringList out;
        for (const QAction* a : widget<QMenu>(menu)->actions())
            out << (a->isSeparator() ? u"-"_s : a->text());
        return out;
    };
    EXPECT_EQ(captions(u"MN_FILE"_s), (QStringList{u"新規作成"_s, u"開く..."_s, u"-"_s, u"上書き保存"_s,
                                                   u"別名で保存..."_s, u"-"_s, u"終了(&X)"_s, u"-"_s}));
    EXPECT_EQ(captions(u"MN_EDIT"_s), (QStringList{u"商品名の変更..."_s}));
    EXPECT_EQ(captions(u"MN_TOOL"_s),
              (QStringList{u"店名管理..."_s, u"-"_s, u"店名のバックアップ"_s, u"店名の取り込み"_s, u"-"_s,
                           u"追加と同時に画面上の明細を消す"_s, u"-"_s, u"ファイル履歴の削除..."_s}));
    EXPECT_EQ(captions(u"MN_HE"_s), (QStringList{u"説明書"_s, u"お読み下さい"_s, u"バージョン情報..."_s}));
    EXPECT_EQ(captions(u"PopupMenu1"_s), (QStringList{u"コピー"_s}));

    // The history follows the eight fixed entries of the File menu.
    EXPECT_EQ(c.items(u"MN_FILE"_s), QStringList());
    c.setItems(u"MN_FILE"_s, {u"/a/one.txt"_s, u"/b/two.txt"_s});
    EXPECT_EQ(c.items(u"MN_FILE"_s), (QStringList{u"/a/one.txt"_s, u"/b/two.txt"_s}));
    EXPECT_EQ(widget<QMenu>(u"MN_FILE"_s)->actions().at(9)->objectName(), u"RIREKI_OPN1"_s);

    // The add option's check mark turns once per click.
    auto* addOption = window.findChild<QAction*>(u"MN_ADD_OPTION"_s);
    ASSERT_TRUE(addOption->isCheckable());
    const bool before = addOption->isChecked();
    addOption->trigger();
    EXPECT_EQ(addOption->isChecked(), !before);
}

TEST_F(MainWindowTest, TheWheelTurnsOnlyTheFocusedList) {
    c.setItems(u"CBO_SYOMEI"_s, {u"牛乳"_s, u"パン"_s});
    auto* products = widget<QComboBox>(u"CBO_SYOMEI"_s);
    QSignalSpy picks(products, &QComboBox::activated);
    const auto turn = [](QWidget* w) {
        QWheelEvent wheel(QPointF(5, 5), QPointF(5, 5), QPoint(), QPoint(0, -120), Qt::NoButton,
                          Qt::NoModifier, Qt::NoScrollPhase, false);
        QApplication::sendEvent(w, &wheel);
    };
    showActive();
    c.setFocus(u"EDT_SYOMEI"_s);
    turn(products);
    turn(widget(u"DTP_1"_s));
    EXPECT_EQ(c.itemIndex(u"CBO_SYOMEI"_s), -1);
    EXPECT_EQ(c.date(u"DTP_1"_s), QDate::currentDate());
    EXPECT_EQ(picks.count(), 0);

    c.setFocus(u"CBO_SYOMEI"_s);
    ASSERT_TRUE(QTest::qWaitFor([&] { return products->hasFocus(); }));
    turn(products);
    EXPECT_EQ(c.itemIndex(u"CBO_SYOMEI"_s), 0);
    EXPECT_EQ(picks.count(), 1);
}

TEST_F(MainWindowTest, ControlsKeepTheSeamsPromises) {
    auto* shop = widget<QComboBox>(u"CBO_MISE2"_s);
    c.setText(u"CBO_MISE2"_s, u"八百屋"_s);
    c.setItems(u"CBO_MISE2"_s, {u"スーパー"_s, u"コンビニ"_s});
    EXPECT_EQ(c.text(u"CBO_MISE2"_s), u"八百屋"_s);
    EXPECT_EQ(c.itemIndex(u"CBO_MISE2"_s), -1);
    EXPECT_EQ(shop->count(), 2);

    auto* products = widget<QComboBox>(u"CBO_SYOMEI"_s);
    QSignalSpy picks(products, &QComboBox::activated);
    c.setItems(u"CBO_SYOMEI"_s, {u"牛乳"_s, u"パン"_s});
    EXPECT_EQ(c.itemIndex(u"CBO_SYOMEI"_s), -1);
    EXPECT_EQ(c.text(u"CBO_SYOMEI"_s), QString());
    c.setItemIndex(u"CBO_SYOMEI"_s, 1);
    EXPECT_EQ(c.text(u"CBO_SYOMEI"_s), u"パン"_s);
    c.removeItem(u"CBO_SYOMEI"_s, 1);
    EXPECT_EQ(c.itemIndex(u"CBO_SYOMEI"_s), -1);
    EXPECT_EQ(picks.count(), 0) << "the program's changes are no pick of the user";

    // Dates far back stay as they are; the picker shows them as stored.
    c.setDate(u"DTP_2"_s, QDate(100, 1, 1));
    EXPECT_EQ(c.date(u"DTP_2"_s), QDate(100, 1, 1));
    EXPECT_EQ(c.text(u"DTP_2"_s), u"0100/01/01"_s);

    c.setFontColor(u"LBL_SA_1"_s, colors::Red);
    EXPECT_EQ(c.fontColor(u"LBL_SA_1"_s), colors::Red);
    EXPECT_EQ(c.fontColor(u"Label9"_s), colors::Silver);

    EXPECT_THROW(c.text(u"EDT_SYOMEl"_s), std::logic_error);
    EXPECT_THROW(c.setDate(u"EDT_1"_s, QDate(2014, 5, 1)), std::logic_error);
}

} // namespace
