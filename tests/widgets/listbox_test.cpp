// A list box lays out one entry for all: every entry has the set height and the widest text's width,
// so the horizontal scroll range follows the longest entry wherever it is and however it came.
#include "ui/listbox.h"

#include <QApplication>
#include <QScrollBar>
#include <gtest/gtest.h>

using namespace Qt::StringLiterals;

namespace {

int horizontalRange(ListBox& list) {
    list.doItemsLayout();
    return list.horizontalScrollBar()->maximum();
}

TEST(ListBox, EveryEntryHasTheSetHeightAndTheWidestTextsWidth) {
    ListBox list;
    list.resize(120, 100);
    list.setItemHeight(13);
    list.show();
    const QString longName = QString(40, u'長');
    list.addItems({u"a"_s, u"bb"_s});
    EXPECT_EQ(horizontalRange(list), 0);

    // A long entry behind short ones widens every entry, added alone or in a batch.
    list.addItem(longName);
    const int wide = horizontalRange(list);
    EXPECT_GT(wide, 0);
    EXPECT_EQ(list.visualItemRect(list.item(0)).width(), list.visualItemRect(list.item(2)).width());
    for (int row = 0; row < list.count(); ++row)
        EXPECT_EQ(list.visualItemRect(list.item(row)).height(), 13) << row;

    // Gone, or renamed shorter, it no longer widens them.
    delete list.takeItem(2);
    EXPECT_EQ(horizontalRange(list), 0);
    list.addItems({u"c"_s, longName});
    EXPECT_EQ(horizontalRange(list), wide);
    list.item(3)->setText(u"d"_s);
    EXPECT_EQ(horizontalRange(list), 0);

    // A larger font widens them too.
    list.item(3)->setText(longName);
    QFont larger = list.font();
    larger.setPixelSize(30);
    list.setFont(larger);
    EXPECT_GT(horizontalRange(list), wide);
}

} // namespace
