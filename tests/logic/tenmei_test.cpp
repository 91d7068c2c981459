// The shop-name management dialog, opened from the main window and played through its controls.
#include "core/controltable.h"
#include "notebook/pricebook.h"
#include "shops/tenmeiform.h"
#include "support/dialogdriver.h"
#include "support/formfixture.h"

#include <QDir>
#include <QFile>
#include <gtest/gtest.h>

using namespace Qt::StringLiterals;

namespace {

const QString List = u"ListBox1"_s;
const QString Input = u"TXT_MOJI_EDIT"_s;
const QString Banme = u"LB_BANME"_s;
const QString Blank = u"\u3000\u3000"_s;

class Tenmei : public ::testing::Test, public FormFixture {
  protected:
    QString shopFile() const { return u"prog/zorvan_店.txt"_s; }
    // Writes the list with bare LF endings, so any save (always CR LF) shows in the bytes.
    QByteArray writeShops(const QStringList& names) const {
        const QByteArray bytes = cp932Lines(names).replace("\r\n", "\n");
        dir.write(shopFile(), bytes);
        return bytes;
    }
    QByteArray shopBytes() const { return dir.read(shopFile()); }
    QStringList selectorItems(int j) const { return controls.items(u"CBO_MISE"_s + QString::number(j)); }

    // Opens the dialog from the menu and plays `steps` in it; returns whether it was shown.
    bool manage(const std::function<void(DialogDriver&)>& steps) {
        bool shown = false;
        ui.dialogScript = playing([&](DialogDriver& d) {
            shown = true;
            steps(d);
        });
        form->click(u"MN_TENMEI"_s);
        return shown;
    }
};

TEST_F(Tenmei, HandlersChangeListFileMessagesAndFocus) {
    struct Case {
        const char* what = "";
        QStringList list{};
        QList<int> selected{};
        int current = -1;
        QString input{};
        QString button{};
        Button answer = NoButton;           // to the message box, when one is asked
        std::optional<QStringList> after{}; // the dialog's list afterwards; unchanged when absent
        bool saved = false;                 // the file holds `after`, else it is untouched
        QString message{};
        MsgKind kind = MsgKind::Warning;
        Buttons buttons = Ok;
        Button defaultButton = Ok;
        QString focus{};
        std::optional<QString> inputAfter{}; // unchanged when absent
        QString banme = Blank;
    };
    const QStringList abc{u"A店"_s, u"B店"_s, u"C店"_s};
    const QString add = u"BTN_TSUIKA"_s, change = u"BTN_KOUSIN"_s, del = u"BTN_SAKUJYO"_s;
    const QString up = u"SPD_L_UP"_s, down = u"SPD_L_DOWN"_s;
    const QString choose = u"リストの項目を選択して下さい"_s;
    const QList<Case> cases{
        {.what = "add appends, saves, empties and focuses the input",
         .list = abc,
         .input = u"D店"_s,
         .button = add,
         .after = abc + QStringList{u"D店"_s},
         .saved = true,
         .focus = Input,
         .inputAfter = u""_s},
        {.what = "add to an empty list",
         .input = u"D店"_s,
         .button = add,
         .after = QStringList{u"D店"_s},
         .saved = true,
         .focus = Input,
         .inputAfter = u""_s},
        {.what = "add with an empty input",
         .list = abc,
         .button = add,
         .message = u"未入力です"_s,
         .focus = Input},
        {.what = "add a duplicate",
         .list = abc,
         .input = u"B店"_s,
         .button = add,
         .message = u"B店 は既に登録済みです"_s,
         .focus = Input},
        {.what = "abc next to ABC is another name",
         .list = {u"ABC"_s},
         .input = u"abc"_s,
         .button = add,
         .after = QStringList{u"ABC"_s, u"abc"_s},
         .saved = true,
         .focus = Input,
         .inputAfter = u""_s},
        {.what = "a name of spaces is a name",
         .list = abc,
         .input = u"  "_s,
         .button = add,
         .after = abc + QStringList{u"  "_s},
         .saved = true,
         .focus = Input,
         .inputAfter = u""_s},
        {.what = "a pasted line break keeps the first line",
         .list = abc,
         .input = u"E店\r\nF店"_s,
         .button = add,
         .after = abc + QStringList{u"E店"_s},
         .saved = true,
         .focus = Input,
         .inputAfter = u""_s},
        {.what = "499 entries take a 500th",
         .list = shopNames(499),
         .input = u"新"_s,
         .button = add,
         .after = shopNames(499) + QStringList{u"新"_s},
         .saved = true,
         .focus = Input,
         .inputAfter = u""_s},
        {.what = "500 entries are full",
         .list = shopNames(500),
         .input = u"新"_s,
         .button = add,
         .message = u"500個までです"_s,
         .focus = add},
        {.what = "change with an empty input",
         .list = abc,
         .selected = {1},
         .current = 1,
         .button = change,
         .message = u"未選択です"_s,
         .focus = Input},
        {.what = "change in an empty list", .input = u"X"_s, .button = change, .focus = change},
        {.what = "change with nothing selected",
         .list = abc,
         .current = 1,
         .input = u"X"_s,
         .button = change,
         .message = choose,
         .focus = change},
        {.what = "change with two selected",
         .list = abc,
         .selected = {0, 2},
         .current = 2,
         .input = u"X"_s,
         .button = change,
         .message = choose,
         .focus = change},
        {.what = "change replaces in place and focuses the list",
         .list = abc,
         .selected = {1},
         .current = 1,
         .input = u"Z店"_s,
         .button = change,
         .after = QStringList{u"A店"_s, u"Z店"_s, u"C店"_s},
         .saved = true,
         .focus = List},
        {.what = "change may make two entries equal",
         .list = abc,
         .selected = {2},
         .current = 2,
         .input = u"A店"_s,
         .button = change,
         .after = QStringList{u"A店"_s, u"B店"_s, u"A店"_s},
         .saved = true,
         .focus = List},
        {.what = "delete with nothing selected",
         .list = abc,
         .input = u"X"_s,
         .button = del,
         .message = choose,
         .focus = del},
        {.what = "delete one, answered yes",
         .list = abc,
         .selected = {1},
         .current = 1,
         .input = u"B店"_s,
         .button = del,
         .answer = Yes,
         .after = QStringList{u"A店"_s, u"C店"_s},
         .saved = true,
         .message = u"B店　を削除しますか？"_s,
         .kind = MsgKind::Information,
         .buttons = Yes | No,
         .defaultButton = Yes,
         .focus = Input,
         .inputAfter = u""_s},
        {.what = "delete one, answered no",
         .list = abc,
         .selected = {1},
         .current = 1,
         .input = u"B店"_s,
         .button = del,
         .answer = No,
         .message = u"B店　を削除しますか？"_s,
         .kind = MsgKind::Information,
         .buttons = Yes | No,
         .defaultButton = Yes,
         .focus = del},
        {.what = "delete three",
         .list = abc + QStringList{u"D店"_s},
         .selected = {0, 2, 3},
         .current = 3,
         .button = del,
         .answer = Yes,
         .after = QStringList{u"B店"_s},
         .saved = true,
         .message = u"選択しているすべての項目を削除しますか？"_s,
         .kind = MsgKind::Information,
         .buttons = Yes | No,
         .defaultButton = Yes,
         .focus = Input,
         .inputAfter = u""_s},
        {.what = "save the order",
         .list = abc,
         .button = u"BTN_JYUNBAN"_s,
         .saved = true,
         .focus = u"BTN_JYUNBAN"_s},
        {.what = "up with nothing selected", .list = abc, .current = 1, .button = up, .focus = Input},
        {.what = "up with no current entry",
         .list = abc,
         .selected = {1},
         .button = up,
         .message = choose,
         .focus = Input},
        {.what = "up on the first", .list = abc, .selected = {0}, .current = 0, .button = up, .focus = Input},
        {.what = "up swaps with the entry above, unsaved",
         .list = abc,
         .selected = {1},
         .current = 1,
         .button = up,
         .after = QStringList{u"B店"_s, u"A店"_s, u"C店"_s},
         .focus = Input,
         .banme = u"1 番目"_s},
        {.what = "down on the last",
         .list = abc,
         .selected = {2},
         .current = 2,
         .button = down,
         .focus = Input},
        {.what = "down swaps with the entry below, unsaved",
         .list = abc,
         .selected = {0},
         .current = 0,
         .button = down,
         .after = QStringList{u"B店"_s, u"A店"_s, u"C店"_s},
         .focus = Input,
         .banme = u"2 番目"_s},
    };
    for (const Case& k : cases) {
        SCOPED_TRACE(k.what);
        const QByteArray before = writeShops(k.list);
        ui.messages.clear();
        ui.buttons.clear();
        if (k.answer != NoButton)
            ui.buttons.enqueue(k.answer);
        QStringList list;
        QString focus, input, banme;
        ASSERT_TRUE(manage([&](DialogDriver& d) {
            PlainControls& c = d.controls();
            for (const int i : k.selected)
                c.setItemSelected(List, i, true);
            c.setItemIndex(List, k.current);
            d.type(Input, k.input);
            d.click(k.button);
            list = c.items(List);
            focus = c.focused();
            input = c.text(Input);
            banme = c.text(Banme);
        }));
        const QStringList after = k.after.value_or(k.list);
        EXPECT_EQ(list, after);
        EXPECT_EQ(shopBytes(), k.saved ? cp932Lines(after) : before);
        if (k.message.isEmpty()) {
            EXPECT_EQ(ui.messageTexts(), QStringList());
        } else {
            ASSERT_EQ(ui.messages.size(), 1);
            EXPECT_EQ(ui.messages[0].text, k.message);
            EXPECT_EQ(ui.messages[0].kind, k.kind);
            EXPECT_EQ(ui.messages[0].buttons, k.buttons);
            EXPECT_EQ(ui.messages[0].defaultButton, k.defaultButton);
        }
        EXPECT_EQ(focus, k.focus);
        EXPECT_EQ(input, k.inputAfter.value_or(k.input));
        EXPECT_EQ(banme, k.banme);
    }
}

TEST_F(Tenmei, OpensOnTheFileAndRefillsTheSelectorsFromItAfterwards) {
    writeShops({u"A店"_s, u"B店"_s});
    start();
    // The dialog reads the file, not the selectors.
    dir.write(shopFile(), cp932Lines({u"A店"_s, u"B店"_s, u"C店"_s}));
    controls.setText(u"CBO_MISE3"_s, u"B店"_s);
    bool closedWithOk = false;
    ASSERT_TRUE(manage([&](DialogDriver& d) {
        PlainControls& c = d.controls();
        EXPECT_EQ(c.items(List), (QStringList{u"A店"_s, u"B店"_s, u"C店"_s}));
        EXPECT_EQ(c.text(Input), QString());
        EXPECT_EQ(c.focused(), Input);
        EXPECT_EQ(c.text(Banme), Blank);
        d.pickItem(List, 1);
        d.type(Input, u"B2店"_s);
        d.click(u"BTN_KOUSIN"_s);
        d.click(u"OKBtn"_s);
        closedWithOk = d.result();
    }));
    EXPECT_TRUE(closedWithOk);
    EXPECT_TRUE(ui.messages.isEmpty());
    for (int j = 1; j <= PriceSlots; ++j)
        EXPECT_EQ(selectorItems(j), (QStringList{u"A店"_s, u"B2店"_s, u"C店"_s}));
    EXPECT_EQ(controls.text(u"CBO_MISE3"_s), u"B店"_s); // the text shown stays the old name
}

TEST_F(Tenmei, OpensAtFiveHundredShopsAndNotAtFiveHundredAndOne) {
    writeShops(shopNames(500));
    start();
    EXPECT_TRUE(manage([](DialogDriver& d) { EXPECT_EQ(d.controls().items(List).size(), 500); }));
    EXPECT_TRUE(ui.messages.isEmpty());

    writeShops(shopNames(501));
    form->RefillShopSelectors(form->shopListFile());
    EXPECT_FALSE(manage([](DialogDriver&) {}));
    ASSERT_EQ(ui.messages.size(), 1);
    EXPECT_EQ(ui.messages[0].kind, MsgKind::Information);
    EXPECT_EQ(ui.messages[0].text, u"店名が５００件を超えています。[店名の取り込み]で取り込み\r\n\r\n"
                                   u"し直すか、店名ファイルを直接開いて件数を減らして下さい。"_s);
    EXPECT_EQ(ui.messages[0].buttons, Buttons(Ok));
}

TEST_F(Tenmei, AMissingFileIsAnEmptyListAndTheFirstAddCreatesIt) {
    start();
    ASSERT_FALSE(dir.exists(shopFile()));
    ASSERT_TRUE(manage([](DialogDriver& d) {
        EXPECT_TRUE(d.controls().items(List).isEmpty());
        d.click(u"OKBtn"_s);
    }));
    EXPECT_TRUE(ui.messages.isEmpty());
    EXPECT_FALSE(dir.exists(shopFile())); // closing alone writes nothing

    ASSERT_TRUE(manage([](DialogDriver& d) {
        d.type(Input, u"初めての店"_s);
        d.click(u"BTN_TSUIKA"_s);
    }));
    EXPECT_EQ(shopBytes(), cp932Lines({u"初めての店"_s}));
    EXPECT_EQ(selectorItems(1), QStringList{u"初めての店"_s});
}

TEST_F(Tenmei, AnUnreadableFileIsReportedAndTheDialogStaysShut) {
    start();
    controls.setItems(u"CBO_MISE2"_s, {u"A店"_s});
    QDir().mkpath(form->shopListFile());
    EXPECT_FALSE(manage([](DialogDriver&) {}));
    ASSERT_EQ(ui.messages.size(), 1);
    EXPECT_EQ(ui.messages[0].kind, MsgKind::Stop);
    EXPECT_TRUE(ui.messages[0].text.startsWith(u"ファイル "_s + form->shopListFile() + u" は開けません。"_s));
    EXPECT_EQ(selectorItems(2), QStringList{u"A店"_s});
}

TEST_F(Tenmei, ClickingAnEntryFillsTheInputAndThePosition) {
    writeShops(shopNames(6));
    start();
    manage([](DialogDriver& d) {
        PlainControls& c = d.controls();
        d.pickItem(List, 4);
        EXPECT_EQ(c.text(Input), u"店5"_s);
        EXPECT_EQ(c.text(Banme), u"5 番目"_s);
        d.ctrlClickItem(List, 4); // nothing selected now, the fifth still current
        d.type(Input, u"typed"_s);
        d.click(u"SPD_L_UP"_s);
        EXPECT_EQ(c.items(List), shopNames(6));
        EXPECT_EQ(c.text(Banme), u"5 番目"_s);
    });
    EXPECT_TRUE(ui.messages.isEmpty());
}

TEST_F(Tenmei, ASecondChangeAsksForASelectionAgain) {
    writeShops({u"A店"_s, u"B店"_s, u"C店"_s});
    start();
    manage([](DialogDriver& d) {
        d.pickItem(List, 2);
        d.type(Input, u"X店"_s);
        d.click(u"BTN_KOUSIN"_s);
        PlainControls& c = d.controls();
        EXPECT_TRUE(c.selectedIndexes(List).isEmpty());
        EXPECT_EQ(c.itemIndex(List), 2); // still the current entry
        EXPECT_EQ(c.text(Banme), u"3 番目"_s);
        d.type(Input, u"Y店"_s);
        d.click(u"BTN_KOUSIN"_s);
        EXPECT_EQ(c.items(List), (QStringList{u"A店"_s, u"B店"_s, u"X店"_s}));
    });
    EXPECT_EQ(ui.messageTexts(), QStringList{u"リストの項目を選択して下さい"_s});
    EXPECT_EQ(shopBytes(), cp932Lines({u"A店"_s, u"B店"_s, u"X店"_s}));
}

TEST_F(Tenmei, AMovedShopStaysCurrentAndKeepsItsNeighboursSelection) {
    writeShops({u"A店"_s, u"B店"_s, u"C店"_s, u"D店"_s});
    start();
    manage([](DialogDriver& d) {
        PlainControls& c = d.controls();
        d.pickItem(List, 0);
        d.ctrlClickItem(List, 3); // A and D selected, D current
        d.click(u"SPD_L_UP"_s);
        d.click(u"SPD_L_UP"_s);
        EXPECT_EQ(c.items(List), (QStringList{u"A店"_s, u"D店"_s, u"B店"_s, u"C店"_s}));
        EXPECT_EQ(c.itemIndex(List), 1);
        EXPECT_EQ(c.selectedIndexes(List), (QList<int>{0, 1}));
        EXPECT_EQ(c.text(Banme), u"2 番目"_s);
        d.click(u"SPD_L_DOWN"_s);
        EXPECT_EQ(c.items(List), (QStringList{u"A店"_s, u"B店"_s, u"D店"_s, u"C店"_s}));
        EXPECT_EQ(c.selectedIndexes(List), (QList<int>{0, 2}));
        EXPECT_EQ(c.text(Banme), u"3 番目"_s);
    });
    EXPECT_TRUE(ui.messages.isEmpty());
}

// A list that selects the entry it makes current, as a list widget with extended selection does.
class SelectingList : public PlainControls {
  public:
    using PlainControls::PlainControls;
    void setItemIndex(const QString& name, int index) override {
        PlainControls::setItemIndex(name, index);
        if (name != List)
            return;
        for (int i = 0; i < items(name).size(); ++i)
            setItemSelected(name, i, i == index);
    }
};

TEST_F(Tenmei, MovingAndAddingLeaveTheSelectionAloneOnAListThatSelectsItsCurrentEntry) {
    TenmeiForm tenmei(ui, dir.file(u"shops.txt"_s));
    SelectingList c(tenmeiWindowSpec());
    tenmei.FormCreate(c, {u"A店"_s, u"B店"_s, u"C店"_s, u"D店"_s});
    c.setItemIndex(List, 3);
    c.setItemSelected(List, 0, true);
    tenmei.SPD_L_UPClick(c);
    EXPECT_EQ(c.selectedIndexes(List), (QList<int>{0, 2}));
    EXPECT_EQ(c.itemIndex(List), 2);
    c.setText(Input, u"E店"_s);
    tenmei.BTN_TSUIKAClick(c);
    EXPECT_EQ(c.selectedIndexes(List), (QList<int>{0, 2}));
    EXPECT_EQ(c.itemIndex(List), 4);
    EXPECT_TRUE(ui.messages.isEmpty());
}

TEST_F(Tenmei, AReorderReachesTheSelectorsOnlyWhenSaved) {
    const QStringList before{u"A店"_s, u"B店"_s, u"C店"_s};
    const QStringList moved{u"A店"_s, u"C店"_s, u"B店"_s};
    writeShops(before);
    start();
    manage([](DialogDriver& d) {
        d.pickItem(List, 2);
        d.click(u"SPD_L_UP"_s);
        d.closeBox();
    });
    EXPECT_EQ(selectorItems(1), before);

    manage([](DialogDriver& d) {
        d.pickItem(List, 2);
        d.click(u"SPD_L_UP"_s);
        d.click(u"BTN_JYUNBAN"_s);
        d.click(u"OKBtn"_s);
    });
    EXPECT_EQ(selectorItems(1), moved);

    // An add saves the whole list in its present order.
    manage([](DialogDriver& d) {
        d.pickItem(List, 0);
        d.click(u"SPD_L_DOWN"_s);
        d.type(Input, u"D店"_s);
        d.click(u"BTN_TSUIKA"_s);
    });
    EXPECT_EQ(selectorItems(5), (QStringList{u"C店"_s, u"A店"_s, u"B店"_s, u"D店"_s}));
    EXPECT_TRUE(ui.messages.isEmpty());
}

TEST_F(Tenmei, EnterClosesWithoutAdding) {
    const QByteArray bytes = writeShops({u"A店"_s});
    start();
    bool result = false;
    manage([&](DialogDriver& d) {
        d.type(Input, u"B店"_s);
        d.pressEnter();
        result = d.result();
    });
    EXPECT_TRUE(result);
    EXPECT_EQ(shopBytes(), bytes);
    EXPECT_EQ(selectorItems(1), QStringList{u"A店"_s});
}

TEST_F(Tenmei, AFailedSaveKeepsTheChangeInTheListOnly) {
    const QByteArray bytes = writeShops({u"A店"_s});
    start();
    const QString path = form->shopListFile();
    manage([&](DialogDriver& d) {
        // Where a folder stands in the file's place, no write can succeed.
        ASSERT_TRUE(QFile::rename(path, dir.file(u"saved.txt"_s)));
        ASSERT_TRUE(QDir().mkdir(path));
        d.type(Input, u"B店"_s);
        d.click(u"BTN_TSUIKA"_s);
        PlainControls& c = d.controls();
        EXPECT_EQ(c.items(List), (QStringList{u"A店"_s, u"B店"_s}));
        EXPECT_EQ(c.text(Input), u"B店"_s);
        EXPECT_EQ(c.focused(), u"BTN_TSUIKA"_s);
        ASSERT_TRUE(QDir().rmdir(path));
        ASSERT_TRUE(QFile::rename(dir.file(u"saved.txt"_s), path));
    });
    ASSERT_EQ(ui.messages.size(), 1);
    EXPECT_EQ(ui.messages[0].kind, MsgKind::Stop);
    EXPECT_TRUE(ui.messages[0].text.startsWith(u"ファイル \""_s + path + u"\" を作成できません。"_s));
    EXPECT_EQ(shopBytes(), bytes);
    EXPECT_EQ(selectorItems(1), QStringList{u"A店"_s});
}

TEST_F(Tenmei, NamesOutsideCodePage932AreSavedWhole) {
    writeShops({u"A店"_s});
    start();
    manage([](DialogDriver& d) {
        d.type(Input, u"Café 🍞"_s);
        d.click(u"BTN_TSUIKA"_s);
    });
    EXPECT_TRUE(shopBytes().startsWith("\xEF\xBB\xBF"));
    EXPECT_EQ(selectorItems(1), (QStringList{u"A店"_s, u"Café 🍞"_s}));
}

} // namespace
