// Nothing cut off: labels the program fills grow to show their whole text, shop boxes show a name
// from its start, and every drop-down list shows the rows it is given.
#include "core/controltable.h"
#include "support/qtprinters.h"
#include "support/testfiles.h"
#include "ui/dialogwindow.h"
#include "ui/mainwindow.h"
#include "ui/qtcontrols.h"

#include <QAbstractItemView>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QTest>
#include <gtest/gtest.h>

using namespace Qt::StringLiterals;

namespace {

bool showsWhole(const QLabel& label) {
    return label.fontMetrics().horizontalAdvance(label.text()) <= label.contentsRect().width();
}

TEST(NothingCutOff, DifferenceLabelsGrowRightwardsUpToTheButtons) {
    TestDir dir;
    MainWindow window(dir.path());
    QtControls& c = window.controls();
    auto* label = window.findChild<QLabel*>(u"LBL_SA_2"_s);
    const QRect design(448, 136, 53, 13);
    const struct {
        QString text;
        bool whole;
    } cases[] = {
        {u"*"_s, true},
        {u"-50"_s, true},
        {u"1,250,000"_s, true},
        {u"-987,654,321"_s, true},
        {u"-1,844,674,407,370,955"_s, false}, // only through exponents: shortened, whole in the tip
    };
    for (const auto& k : cases) {
        SCOPED_TRACE(k.text.toStdString());
        c.setText(u"LBL_SA_2"_s, k.text);
        EXPECT_EQ(c.text(u"LBL_SA_2"_s), k.text);
        EXPECT_EQ(label->geometry().topLeft(), design.topLeft());
        EXPECT_GE(label->width(), design.width());
        EXPECT_LE(label->geometry().right(), 548) << "never over the column of buttons";
        EXPECT_EQ(showsWhole(*label), k.whole);
        EXPECT_EQ(label->toolTip(), k.whole ? QString() : k.text);
    }
    c.setText(u"LBL_SA_2"_s, u"*"_s);
    EXPECT_EQ(label->geometry(), design) << "back to its own size";
}

TEST(NothingCutOff, ThePositionIn店名管理GrowsLeftwardsFromX225) {
    QWidget owner;
    DialogWindow dialog(tenmeiWindowSpec(), &owner);
    QtControls c(dialog, tenmeiWindowSpec());
    auto* label = dialog.findChild<QLabel*>(u"LB_BANME"_s);
    for (const QString& text : {u"5 番目"_s, u"500 番目"_s, u"\u3000\u3000"_s}) {
        SCOPED_TRACE(text.toStdString());
        c.setText(u"LB_BANME"_s, text);
        EXPECT_EQ(label->geometry().right() + 1, 225);
        EXPECT_EQ(label->y(), 32);
        EXPECT_TRUE(showsWhole(*label));
        EXPECT_TRUE(label->alignment() & Qt::AlignRight);
    }
}

TEST(NothingCutOff, ShopBoxesShowANameTheProgramSetsFromItsStart) {
    TestDir dir;
    MainWindow window(dir.path());
    QtControls& c = window.controls();
    window.show();
    auto* edit = window.findChild<QComboBox*>(u"CBO_MISE1"_s)->lineEdit();
    const QString name = u"スーパーマーケット青葉台駅前店 二階食品売り場"_s;
    c.setText(u"CBO_MISE1"_s, name);
    EXPECT_EQ(edit->cursorPosition(), 0);
    // Refilling the list keeps the text and where its cursor stood.
    c.setItems(u"CBO_MISE1"_s, {u"A店"_s, u"B店"_s});
    EXPECT_EQ(c.text(u"CBO_MISE1"_s), name);
    EXPECT_EQ(edit->cursorPosition(), 0);
}

// The rows a drop-down list shows when open.
int visibleRows(QComboBox& combo) {
    combo.showPopup();
    QAbstractItemView* view = combo.view();
    EXPECT_TRUE(QTest::qWaitFor([&] { return view->isVisible(); }));
    const QRect shown = view->viewport()->rect();
    int rows = 0;
    for (int row = 0; row < combo.count(); ++row) {
        const QRect item = view->visualRect(combo.model()->index(row, 0));
        if (item.top() >= shown.top() && item.bottom() <= shown.bottom())
            ++rows;
    }
    combo.hidePopup();
    return rows;
}

TEST(NothingCutOff, DropDownListsShowTheirRowsAndNoMore) {
    TestDir dir;
    MainWindow window(dir.path());
    QtControls& c = window.controls();
    QStringList many;
    for (int i = 1; i <= 120; ++i)
        many << u"商品"_s + QString::number(i);
    c.setItems(u"CBO_SYOMEI"_s, many);
    c.setItems(u"CBO_MISE1"_s, many);
    window.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&window));
    EXPECT_EQ(visibleRows(*window.findChild<QComboBox*>(u"CBO_SYOMEI"_s)), 16);
    EXPECT_EQ(visibleRows(*window.findChild<QComboBox*>(u"CBO_MISE1"_s)), 11);

    QWidget owner;
    DialogWindow dialog(miseSiboWindowSpec(), &owner);
    QtControls(dialog, miseSiboWindowSpec()).setItems(u"CBO_MISE"_s, many);
    dialog.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&dialog));
    EXPECT_EQ(visibleRows(*dialog.findChild<QComboBox*>(u"CBO_MISE"_s)), 16);
}

} // namespace
