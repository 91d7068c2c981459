// The two query dialogs, opened from the main window and played through their controls: what they
// list, what they refuse, and the product a confirmed choice shows in the main window.
#include "core/apperror.h"
#include "core/dispatch.h"
#include "notebook/pricebook.h"
#include "support/dialogdriver.h"
#include "support/formfixture.h"
#include "support/qtprinters.h"

#include <gtest/gtest.h>

using namespace Qt::StringLiterals;

namespace {

const QString Old = u"SPD_1OLD"_s;
const QString ByShop = u"SPD_MISE_SIBO"_s;
const QString List = u"LST_SYO"_s;
const QString Shops = u"CBO_MISE"_s;
const QString Recent = u"2026/12/01"_s;

// A product's 18 lines: the standard price, then each slot's shop and date; slots left out have no
// shop and a recent date.
QStringList record(const QString& name, const QString& price = {}, const QStringList& shops = {},
                   const QStringList& dates = {}) {
    QStringList lines{name, price};
    for (int j = 0; j < PriceSlots; ++j)
        lines << shops.value(j) << QString() << dates.value(j, Recent);
    lines << QString();
    return lines;
}

class Queries : public ::testing::Test, public FormFixture {
  protected:
    void SetUp() override {
        ui.todayDate = QDate(2026, 12, 8); // the cut-off is 2025-12-08
        start();
    }
    void load(const QList<QStringList>& products) {
        ASSERT_TRUE(form->LoadPriceBook(dir.write(u"b.txt"_s, cp932Lines(notebook(products)))));
    }
    void setShops(const QStringList& shops) { controls.setItems(u"CBO_MISE1"_s, shops); }

    // Presses a query's button and plays `steps` in its dialog; returns whether the dialog opened.
    bool query(const QString& button, const std::function<void(DialogDriver&)>& steps = {}) {
        bool shown = false;
        ui.dialogScript = playing([&](DialogDriver& d) {
            shown = true;
            if (steps)
                steps(d);
        });
        form->click(button);
        return shown;
    }
    // The products a query lists when it opens.
    QStringList listed(const QString& button) {
        QStringList items;
        EXPECT_TRUE(query(button, [&](DialogDriver& d) { items = d.controls().items(List); }));
        return items;
    }
};

TEST_F(Queries, TheYearQueryListsProductsWithADateOnOrBeforeTheCutoffInNotebookOrder) {
    const struct {
        QString name;
        QStringList dates;
        bool listed;
    } cases[] = {
        {u"z: the cut-off day in slot 3"_s, {Recent, Recent, u"2025/12/08"_s}, true},
        {u"y: the day after the cut-off"_s, {u"2025/12/09"_s, u"2025/12/09"_s}, false},
        {u"x: one old date in an unused slot 5"_s, {Recent, Recent, Recent, Recent, u"2019/04/01"_s}, true},
        {u"w: a short stored form"_s, {u"25/12/8"_s}, true},
        {u"v: all recent"_s, {}, false},
        {u"a: two old dates"_s, {u"2001/01/01"_s, u"2020/06/30"_s}, true},
    };
    QList<QStringList> products;
    QStringList expected;
    for (const auto& k : cases) {
        products << record(k.name, u"100"_s, {u"A店"_s}, k.dates);
        if (k.listed)
            expected << k.name;
    }
    load(products);
    EXPECT_EQ(listed(Old), expected); // notebook order, not the selector's sorted order
    EXPECT_TRUE(ui.messages.isEmpty());
}

TEST_F(Queries, OnTheTwentyNinthOfFebruaryTheCutoffIsTheTwentyEighthAYearBefore) {
    ui.todayDate = QDate(2028, 2, 29);
    load({record(u"on"_s, {}, {}, QStringList(5, u"2027/02/28"_s)),
          record(u"after"_s, {}, {}, QStringList(5, u"2027/03/01"_s))});
    EXPECT_EQ(listed(Old), QStringList{u"on"_s});
    EXPECT_TRUE(ui.messages.isEmpty());
}

TEST_F(Queries, WithoutProductsBothQueriesAskForAFileFirst) {
    setShops({u"A店"_s});
    for (const bool loaded : {false, true}) {
        if (loaded)
            load({}); // a file holding only the magic line
        for (const QString& button : {Old, ByShop}) {
            SCOPED_TRACE(button.toStdString() + (loaded ? " loaded" : " untitled"));
            ui.messages.clear();
            EXPECT_FALSE(query(button));
            ASSERT_EQ(ui.messages.size(), 1);
            EXPECT_EQ(ui.messages[0].kind, MsgKind::Warning);
            EXPECT_EQ(ui.messages[0].text, u"先にファイルを開いて下さい"_s);
            EXPECT_EQ(ui.messages[0].buttons, Buttons(Ok));
        }
    }
}

TEST_F(Queries, AnUnreadableDateEndsTheYearListThereAndTheDialogStillOpens) {
    const QString old = u"2020/01/01"_s;
    load({record(u"first"_s, {}, {}, {old}), record(u"bad"_s, {}, {}, {old, u"2025/13/01"_s}),
          record(u"after"_s, {}, {}, {old})});
    QStringList items;
    qsizetype messagesAtOpening = -1;
    EXPECT_TRUE(query(Old, [&](DialogDriver& d) {
        items = d.controls().items(List);
        messagesAtOpening = ui.messages.size();
    }));
    EXPECT_EQ(items, QStringList{u"first"_s});
    EXPECT_EQ(messagesAtOpening, 1);
    ASSERT_EQ(ui.messages.size(), 1);
    EXPECT_EQ(ui.messages[0].kind, MsgKind::Stop);
    EXPECT_EQ(ui.messages[0].text, defaultErrorText(errors::dateConversion(u"2025/13/01"_s).message()));
}

TEST_F(Queries, OnlyAConfirmedChoiceShowsTheProductInTheMainWindow) {
    const QString old = u"2020/01/01"_s;
    load({record(u"x"_s, u"100"_s, {u"B店"_s}), record(u"b"_s, u"200"_s, {u"A店"_s}, {old}),
          record(u"a"_s, u"300"_s, {u"A店"_s}, {old})});
    setShops({u"A店"_s, u"B店"_s});
    const struct {
        const char* what;
        std::function<void(DialogDriver&)> steps;
        QString shown; // the product in the main window afterwards
    } cases[] = {
        {"OK without a choice", [](DialogDriver& d) { d.click(u"OKBtn"_s); }, u"x"_s},
        {"a choice, then 閉じる",
         [](DialogDriver& d) {
             d.pickItem(List, 1);
             d.click(u"CancelBtn"_s);
         },
         u"x"_s},
        {"a choice, then the close box",
         [](DialogDriver& d) {
             d.pickItem(List, 1);
             d.closeBox();
         },
         u"x"_s},
        {"a choice taken back with Ctrl, then OK",
         [](DialogDriver& d) {
             d.pickItem(List, 1);
             d.ctrlClickItem(List, 1);
             d.click(u"OKBtn"_s);
         },
         u"x"_s},
        {"a choice, then OK",
         [](DialogDriver& d) {
             d.pickItem(List, 1);
             d.click(u"OKBtn"_s);
         },
         u"a"_s},
        {"a choice, then Enter",
         [](DialogDriver& d) {
             d.pickItem(List, 0);
             d.pressEnter();
         },
         u"b"_s},
        {"a double-click",
         [](DialogDriver& d) {
             d.doubleClickItem(List, 1);
             EXPECT_TRUE(d.closed());
         },
         u"a"_s},
    };
    const QHash<QString, QString> prices{{u"x"_s, u"100"_s}, {u"b"_s, u"200"_s}, {u"a"_s, u"300"_s}};
    for (const QString& button : {Old, ByShop}) {
        for (const auto& k : cases) {
            SCOPED_TRACE(button.toStdString() + ": " + k.what);
            pick(u"x"_s);
            ASSERT_TRUE(query(button, [&](DialogDriver& d) {
                ASSERT_EQ(d.controls().items(List), (QStringList{u"b"_s, u"a"_s}));
                k.steps(d);
            }));
            EXPECT_EQ(controls.text(u"CBO_SYOMEI"_s), k.shown);
            EXPECT_EQ(controls.text(u"EDT_TEIKA"_s), prices[k.shown]);
            EXPECT_FALSE(form->dirty());
            EXPECT_TRUE(ui.messages.isEmpty());
        }
    }
}

TEST_F(Queries, AProductTheSelectorDoesNotListLeavesTheMainWindowAsItWas) {
    // A record without a name hides itself and every later one from the selector.
    load({record(u"x"_s, u"100"_s), record(QString(), u"200"_s, {}, {u"2020/01/01"_s}),
          record(u"hidden"_s, u"300"_s, {}, {u"2020/01/01"_s})});
    pick(u"x"_s);
    for (const int entry : {0, 1}) {
        ASSERT_TRUE(query(Old, [&](DialogDriver& d) {
            ASSERT_EQ(d.controls().items(List), (QStringList{QString(), u"hidden"_s}));
            d.doubleClickItem(List, entry);
        }));
        EXPECT_EQ(controls.text(u"CBO_SYOMEI"_s), u"x"_s);
        EXPECT_EQ(controls.text(u"EDT_TEIKA"_s), u"100"_s);
    }
    EXPECT_TRUE(ui.messages.isEmpty());
}

TEST_F(Queries, TheShopQueryListsAProductOnceForEveryExactlyMatchingSlot) {
    const QString a = u"A店"_s;
    load({record(u"p1"_s, {}, {a, u"B店"_s, {}, a}), record(u"p2"_s, {}, {{}, {}, u"a店"_s, {}, u"A店 "_s}),
          record(u"p3"_s, {}, {{}, {}, {}, {}, a})});
    setShops({a, u"B店"_s, QString(), u"C店"_s});
    const struct {
        int shop;
        QStringList listed;
    } cases[] = {
        {1, {u"p1"_s}},
        {2, {}}, // a blank row of the shop list is no shop: slots without one do not match it
        {3, {}},
        {0, {u"p1"_s, u"p1"_s, u"p3"_s}},
    };
    ASSERT_TRUE(query(ByShop, [&](DialogDriver& d) {
        PlainControls& c = d.controls();
        EXPECT_EQ(c.items(Shops), (QStringList{a, u"B店"_s, QString(), u"C店"_s}));
        EXPECT_EQ(c.itemIndex(Shops), 0);
        EXPECT_EQ(c.items(List), (QStringList{u"p1"_s, u"p1"_s, u"p3"_s}));
        for (const auto& k : cases) {
            d.pickItem(Shops, k.shop);
            EXPECT_EQ(c.items(List), k.listed) << k.shop;
        }
        d.doubleClickItem(List, 1); // the second entry of p1 is the same product
    }));
    EXPECT_EQ(controls.text(u"CBO_SYOMEI"_s), u"p1"_s);
    EXPECT_TRUE(ui.messages.isEmpty());
}

TEST_F(Queries, TheShopQueryOpensOnTheShopChosenLastInThisRun) {
    const auto prepare = [&] {
        load({record(u"p"_s, {}, {u"A店"_s, u"B店"_s, u"C店"_s})});
        setShops({u"A店"_s, u"B店"_s, u"C店"_s});
    };
    prepare();
    const auto openedOn = [&](const std::function<void(DialogDriver&)>& steps = {}) {
        int shop = -2;
        EXPECT_TRUE(query(ByShop, [&](DialogDriver& d) {
            shop = d.controls().itemIndex(Shops);
            EXPECT_EQ(d.controls().items(List), shop >= 0 ? QStringList{u"p"_s} : QStringList());
            if (steps)
                steps(d);
        }));
        return shop;
    };

    EXPECT_EQ(openedOn([](DialogDriver& d) {
                  d.pickItem(Shops, 2);
                  d.click(u"CancelBtn"_s);
              }),
              0);
    EXPECT_EQ(form->lastShopIndex, 2);
    EXPECT_EQ(openedOn([](DialogDriver& d) {
                  d.pickItem(Shops, 1);
                  d.closeBox();
              }),
              2);
    EXPECT_EQ(openedOn(), 1);

    start(); // a new run starts on the first shop
    prepare();
    EXPECT_EQ(openedOn([](DialogDriver& d) { d.pickItem(Shops, 2); }), 0);

    setShops({u"A店"_s, u"B店"_s}); // the remembered third shop is gone: the first one again
    EXPECT_EQ(openedOn(), 0);
    EXPECT_EQ(form->lastShopIndex, 0);

    setShops({});
    EXPECT_EQ(openedOn(), -1);
    EXPECT_EQ(form->lastShopIndex, -1);
    setShops({u"A店"_s});
    EXPECT_EQ(openedOn(), 0);
    EXPECT_TRUE(ui.messages.isEmpty());
}

TEST_F(Queries, TheShopIsRememberedEvenWhenThePickedProductCannotBeShown) {
    load({record(u"p"_s, {}, {u"A店"_s, u"B店"_s}, {Recent, QString()})});
    setShops({u"A店"_s, u"B店"_s});
    ASSERT_TRUE(query(ByShop, [](DialogDriver& d) {
        d.pickItem(Shops, 1);
        d.doubleClickItem(List, 0);
    }));
    ASSERT_EQ(ui.messages.size(), 1);
    EXPECT_EQ(ui.messages[0].kind, MsgKind::Stop);
    EXPECT_EQ(form->lastShopIndex, 1);
}

TEST_F(Queries, MoreThanFiveHundredShopsKeepTheShopQueryShutWhateverTheBookHolds) {
    const QString tooMany = u"店名が５００件を超えています。[店名の取り込み]で取り込み\r\n\r\n"
                            u"し直すか、店名ファイルを直接開いて件数を減らして下さい。"_s;
    const struct {
        int shops;
        bool products;
        bool opens;
        MsgKind kind;
        QString message;
    } cases[] = {
        {500, true, true, MsgKind::Warning, {}},
        {501, true, false, MsgKind::Information, tooMany},
        {501, false, false, MsgKind::Information, tooMany},
        {500, false, false, MsgKind::Warning, u"先にファイルを開いて下さい"_s},
    };
    for (const auto& k : cases) {
        SCOPED_TRACE(std::to_string(k.shops) + (k.products ? " with products" : " without products"));
        if (k.products)
            load({record(u"p"_s, {}, {u"店1"_s})});
        else
            form->MN_NEWClick(false);
        setShops(shopNames(k.shops));
        ui.messages.clear();
        QStringList items;
        EXPECT_EQ(query(ByShop, [&](DialogDriver& d) { items = d.controls().items(List); }), k.opens);
        if (k.opens) {
            EXPECT_TRUE(ui.messages.isEmpty());
            EXPECT_EQ(items, QStringList{u"p"_s}) << "it opens on the first shop";
            continue;
        }
        ASSERT_EQ(ui.messages.size(), 1);
        EXPECT_EQ(ui.messages[0].kind, k.kind);
        EXPECT_EQ(ui.messages[0].text, k.message);
        EXPECT_EQ(ui.messages[0].buttons, Buttons(Ok));
    }
}

} // namespace
