// Showing a product in the entry panel and clearing the panel.
#include "pricebook/selector.h"
#include "support/formfixture.h"

#include <gtest/gtest.h>

using namespace Qt::StringLiterals;

namespace {

class Panel : public ::testing::Test, public FormFixture {
  protected:
    void SetUp() override { start(); }
    void load(const QStringList& lines) {
        ASSERT_TRUE(form->LoadPriceBook(dir.write(u"b.txt"_s, cp932Lines(lines))));
    }
    QString t(const QString& name) const { return controls.text(name); }
};

TEST_F(Panel, PickingAProductFillsThePanelFromItsRecord) {
    QStringList record =
        productLines(u"牛乳"_s, u"1980"_s, u"A店"_s, u"12.5"_s, u"2014/05/01"_s, u"特売日は水曜"_s);
    record[5] = u"近所の店"_s; // slot 2 shop, not a registered one
    record[6] = u"1,98"_s;     // never stored by the program: read as the amount check reads it
    record[7] = u"14/6/2"_s;   // lenient date
    record[9] = u"-1500"_s;    // slot 3 price
    record[10] = u"2013/12/31"_s;
    load(notebook({record}));
    controls.setText(u"EDT_SYOMEI"_s, u"typed"_s);
    controls.setText(u"LBL_SA_2"_s, u"-20"_s);
    controls.setFontColor(u"LBL_SA_2"_s, colors::Red);
    controls.setFontColor(u"CBO_MISE4"_s, colors::Lime);
    pick(u"牛乳"_s);

    EXPECT_TRUE(ui.messages.isEmpty());
    EXPECT_EQ(t(u"EDT_TEIKA"_s), u"1,980"_s);
    EXPECT_EQ(t(u"CBO_MISE1"_s), u"A店"_s);
    EXPECT_EQ(t(u"EDT_1"_s), u"12"_s);
    EXPECT_EQ(t(u"CBO_MISE2"_s), u"近所の店"_s);
    EXPECT_EQ(t(u"EDT_2"_s), u"198"_s);
    EXPECT_EQ(t(u"EDT_3"_s), u"-1,500"_s);
    EXPECT_EQ(t(u"CBO_MISE5"_s), QString());
    EXPECT_EQ(controls.date(u"DTP_1"_s), QDate(2014, 5, 1));
    EXPECT_EQ(controls.date(u"DTP_2"_s), QDate(2014, 6, 2));
    EXPECT_EQ(controls.date(u"DTP_3"_s), QDate(2013, 12, 31));
    EXPECT_EQ(t(u"Memo1"_s), u"特売日は水曜"_s);
    EXPECT_EQ(t(u"LBL_SA_2"_s), u"*"_s);
    EXPECT_EQ(controls.fontColor(u"LBL_SA_2"_s), colors::Black);
    EXPECT_EQ(controls.fontColor(u"CBO_MISE4"_s), colors::Black);
    EXPECT_EQ(t(u"EDT_SYOMEI"_s), u"typed"_s);
    EXPECT_FALSE(form->dirty());
}

TEST_F(Panel, AnIncompleteLastRecordStopsAtTheFirstMissingLine) {
    QStringList lines = notebook({productLines(u"a"_s), productLines(u"b"_s, u"100"_s)});
    lines = lines.mid(0, 1 + 18 + 5); // b keeps its name, price, slot 1 and slot 2's shop
    load(lines);
    EXPECT_TRUE(ui.messages.isEmpty());
    controls.setDate(u"DTP_2"_s, QDate(2000, 1, 1));
    pick(u"b"_s);
    ASSERT_EQ(ui.messages.size(), 1);
    EXPECT_EQ(ui.messages[0].kind, MsgKind::Stop);
    EXPECT_EQ(ui.messages[0].text,
              u"リストのインデックスが範囲を超えています (26)"_s); // slot 2's date, read first
    EXPECT_EQ(controls.date(u"DTP_1"_s), QDate(2014, 5, 1));       // set before the missing line
    EXPECT_EQ(controls.date(u"DTP_2"_s), QDate(2000, 1, 1));
    EXPECT_EQ(controls.itemIndex(u"CBO_SYOMEI"_s), -1); // no half-shown product stays selected
}

// A product with a date that is not a date stays selected after the error, so the notebook can be
// repaired in the program: it can be deleted or renamed, and an update is refused with the same error.
TEST_F(Panel, AnUnreadableDateIsReportedAndTheProductStaysSelectedForRepair) {
    QStringList record = productLines(u"a"_s, u"5"_s);
    record[7] = u"そのうち"_s; // slot 2's date
    load(notebook({record, productLines(u"b"_s, u"7"_s)}));
    pick(u"a"_s);
    ASSERT_EQ(ui.messages.size(), 1);
    EXPECT_EQ(ui.messages[0].kind, MsgKind::Stop);
    const QString error = ui.messages[0].text;
    EXPECT_EQ(t(u"CBO_SYOMEI"_s), u"a"_s);
    EXPECT_EQ(controls.itemIndex(u"CBO_SYOMEI"_s), 0);
    EXPECT_EQ(t(u"EDT_TEIKA"_s), QString());

    const QStringList before = form->book().lines();
    form->click(u"BTN_KOUSIN"_s);
    ASSERT_EQ(ui.messages.size(), 2);
    EXPECT_EQ(ui.messages[1].text, error);
    EXPECT_EQ(form->book().lines(), before);

    ui.buttons.enqueue(Yes);
    form->click(u"SPD_SAKUJYO"_s);
    EXPECT_EQ(form->book().lines(), notebook({productLines(u"b"_s, u"7"_s)}));
    EXPECT_EQ(controls.items(u"CBO_SYOMEI"_s), QStringList{u"b"_s});
}

TEST_F(Panel, TheSelectorListsNamesUpToTheFirstEmptyNameIgnoringCase) {
    load(notebook({productLines(u"Banana"_s), productLines(u"apple"_s), productLines(u"Cherry"_s),
                   productLines(QString()), productLines(u"after"_s)}));
    EXPECT_EQ(controls.items(u"CBO_SYOMEI"_s), (QStringList{u"apple"_s, u"Banana"_s, u"Cherry"_s}));
    EXPECT_EQ(t(u"LBL_KEN"_s), u"3件"_s);
}

TEST_F(Panel, ClearEmptiesThePanelAndTheSelectionButKeepsTheDirtyFlag) {
    load(notebook({productLines(u"a"_s, u"5"_s, u"A店"_s, u"4"_s)}));
    pick(u"a"_s);
    controls.setText(u"EDT_SYOMEI"_s, u"new"_s);
    form->setDirty(true);
    form->click(u"BTN_CLR"_s);
    for (const QString& name : {u"EDT_SYOMEI"_s, u"EDT_TEIKA"_s, u"CBO_MISE1"_s, u"EDT_1"_s, u"Memo1"_s})
        EXPECT_EQ(t(name), QString()) << name.toStdString();
    EXPECT_EQ(controls.date(u"DTP_1"_s), ui.todayDate);
    EXPECT_EQ(controls.itemIndex(u"CBO_SYOMEI"_s), -1);
    EXPECT_EQ(controls.focused(), u"EDT_SYOMEI"_s);
    EXPECT_TRUE(form->dirty());

    form->click(u"CBO_SYOMEI"_s); // nothing selected: nothing happens
    EXPECT_EQ(t(u"EDT_TEIKA"_s), QString());
}

TEST_F(Panel, APickedNameMissingFromTheBookLeavesThePanel) {
    load(notebook({productLines(u"a"_s, u"5"_s)}));
    controls.setItems(u"CBO_SYOMEI"_s, {u"ghost"_s});
    controls.setText(u"EDT_TEIKA"_s, u"kept"_s);
    pick(u"ghost"_s);
    EXPECT_TRUE(ui.messages.isEmpty());
    EXPECT_EQ(t(u"EDT_TEIKA"_s), u"kept"_s);
}

// A product shown from elsewhere (a query) is found in the selector by a binary search: the first
// entry equal ignoring case, and still found when the entries are out of order.
TEST(SelectorIndexOf, FindsTheFirstEntryEqualIgnoringCaseInOrderOrNot) {
    PlainControls controls(mainWindowSpec());
    const struct {
        QStringList items;
        QString name;
        int index;
    } cases[] = {
        {{u"apple"_s, u"MILK"_s, u"Milk"_s, u"milk"_s, u"卵"_s}, u"milk"_s, 1},
        {{u"apple"_s, u"MILK"_s, u"Milk"_s, u"milk"_s, u"卵"_s}, u"Milk"_s, 1},
        {{u"apple"_s, u"milk"_s, u"卵"_s}, u"卵"_s, 2},
        {{u"apple"_s, u"milk"_s, u"卵"_s}, u"bread"_s, -1},
        {{}, u"milk"_s, -1},
        {{u"卵"_s, u"milk"_s, u"apple"_s}, u"apple"_s, 2}, // out of order: every entry read
    };
    for (const auto& c : cases) {
        controls.setItems(u"CBO_SYOMEI"_s, c.items);
        EXPECT_EQ(selectorIndexOf(controls, c.name), c.index) << c.name.toStdString();
    }
}

} // namespace
