// Adding, updating and deleting products from the entry panel, through the window's dispatcher.
#include "notebook/pricebook.h"
#include "support/formfixture.h"

#include <gtest/gtest.h>

#include <functional>

using namespace Qt::StringLiterals;

namespace {

const QString AmountWarning = u"金額を入力して下さい。なお\\は不要です"_s;
const QString MemoWarning = u"メモ欄での改行はできません"_s;
const QString NoProducts = u"商品が０件なので変更できません"_s;
const QString SelectOne = u"リストで商品名を選択して下さい"_s;

void loadInto(FormFixture& f, const QStringList& lines) {
    ASSERT_TRUE(f.form->LoadPriceBook(f.dir.write(u"book.txt"_s, cp932Lines(lines))));
    f.ui.messages.clear();
}

void selectWithoutShowing(FormFixture& f, const QString& name) {
    f.controls.setItemIndex(u"CBO_SYOMEI"_s, int(f.controls.items(u"CBO_SYOMEI"_s).indexOf(name)));
}

// Every value of the entry panel, to see that a refusal left it alone.
QStringList panelState(const Controls& c) {
    QStringList state;
    for (const QString& name : {u"EDT_SYOMEI"_s, u"EDT_TEIKA"_s, u"Memo1"_s})
        state << c.text(name);
    for (int j = 1; j <= PriceSlots; ++j) {
        const QString n = QString::number(j);
        state << c.text(u"CBO_MISE"_s + n) << c.text(u"EDT_"_s + n)
              << c.date(u"DTP_"_s + n).toString(Qt::ISODate) << c.text(u"LBL_SA_"_s + n)
              << QString::number(c.fontColor(u"LBL_SA_"_s + n));
    }
    return state;
}

struct Shown {
    MsgKind kind;
    QString text;
    Buttons buttons;
    Button defaultButton;
};

Shown warning(const QString& text) {
    return {MsgKind::Warning, text, Ok, Ok};
}

Shown deleteQuestion(const QString& name) {
    return {MsgKind::Confirmation, u"商品名「 "_s + name + u" 」を削除しますか？"_s, Yes | No, No};
}

struct Refusal {
    const char* what;
    std::function<void(FormFixture&)> arrange;
    QList<Shown> messages;
    QString focus;         // empty: the focus stays where it was
    bool panelKept = true; // false where price fields are rewritten before the refusal
    std::function<void(FormFixture&)> also = {};
};

// Runs `button` on a fresh window arranged by the case and checks that nothing but the messages,
// the focus and (where said) the panel changed.
void expectRefusal(const QString& button, const Refusal& r) {
    SCOPED_TRACE(r.what);
    FormFixture f;
    f.start();
    r.arrange(f);
    f.ui.messages.clear();
    f.controls.setFocus(u"DTP_3"_s);
    const QStringList bookBefore = f.form->book().lines();
    const QStringList itemsBefore = f.controls.items(u"CBO_SYOMEI"_s);
    const int selectedBefore = f.controls.itemIndex(u"CBO_SYOMEI"_s);
    const QString countBefore = f.controls.text(u"LBL_KEN"_s);
    const QStringList panelBefore = panelState(f.controls);

    f.form->click(button);

    ASSERT_EQ(f.ui.messages.size(), r.messages.size());
    for (qsizetype k = 0; k < r.messages.size(); ++k) {
        EXPECT_EQ(f.ui.messages[k].kind, r.messages[k].kind);
        EXPECT_EQ(f.ui.messages[k].text, r.messages[k].text);
        EXPECT_EQ(f.ui.messages[k].buttons, r.messages[k].buttons);
        EXPECT_EQ(f.ui.messages[k].defaultButton, r.messages[k].defaultButton);
    }
    EXPECT_EQ(f.controls.focused(), r.focus.isEmpty() ? u"DTP_3"_s : r.focus);
    EXPECT_EQ(f.form->book().lines(), bookBefore);
    EXPECT_EQ(f.controls.items(u"CBO_SYOMEI"_s), itemsBefore);
    EXPECT_EQ(f.controls.itemIndex(u"CBO_SYOMEI"_s), selectedBefore);
    EXPECT_EQ(f.controls.text(u"LBL_KEN"_s), countBefore);
    EXPECT_FALSE(f.form->dirty());
    EXPECT_FALSE(f.controls.enabled(u"SPD_SAVE"_s));
    if (r.panelKept) {
        EXPECT_EQ(panelState(f.controls), panelBefore);
    }
    if (r.also)
        r.also(f);
}

const QStringList milkBook =
    notebook({productLines(u"Milk"_s, u"198"_s, u"A店"_s, u"178"_s), productLines(u"a"_s)});

void withMilkBook(FormFixture& f) {
    loadInto(f, milkBook);
}

void set(FormFixture& f, const QString& name, const QString& text) {
    f.controls.setText(name, text);
}

class ProductEdit : public ::testing::Test, public FormFixture {
  protected:
    void SetUp() override { start(); }
    void load(const QStringList& lines) { loadInto(*this, lines); }
    QString t(const QString& name) const { return controls.text(name); }
    QStringList names() const { return controls.items(u"CBO_SYOMEI"_s); }
    // Saves in place and checks the file holds exactly these lines.
    void expectSaved(const QStringList& lines) {
        ui.messages.clear();
        form->click(u"MN_SAVE"_s);
        EXPECT_TRUE(ui.messages.isEmpty()) << ui.messageTexts().join(u'|').toStdString();
        EXPECT_EQ(dir.read(u"book.txt"_s), cp932Lines(lines));
    }
    // Fills the panel with a product of distinct values in every slot.
    void fillPanel() {
        controls.setText(u"EDT_TEIKA"_s, u"1,980"_s);
        controls.setText(u"CBO_MISE1"_s, u"A店"_s);
        controls.setText(u"EDT_1"_s, u" 178 "_s);
        controls.setText(u"CBO_MISE3"_s, u"近所の店"_s);
        for (int j = 1; j <= PriceSlots; ++j)
            controls.setDate(u"DTP_"_s + QString::number(j), QDate(2014, 5, j));
        controls.setText(u"Memo1"_s, u"特売日は水曜"_s);
        controls.setText(u"LBL_SA_1"_s, u"20"_s);
        controls.setFontColor(u"LBL_SA_1"_s, colors::Red);
    }
    // The record fillPanel() makes.
    static QStringList filledRecord(const QString& name) {
        return {name,      u"1980"_s,       u"A店"_s,      u"178"_s,  u"2014/05/01"_s, QString(),
                QString(), u"2014/05/02"_s, u"近所の店"_s, QString(), u"2014/05/03"_s, QString(),
                QString(), u"2014/05/04"_s, QString(),     QString(), u"2014/05/05"_s, u"特売日は水曜"_s};
    }
};

TEST(ProductEditRefusals, AddChecksInOrder) {
    const QList<Refusal> cases{
        {"no name, even with a bad price",
         [](FormFixture& f) { set(f, u"EDT_1"_s, u"x"_s); },
         {warning(u"商品名が未入力です"_s)},
         u"EDT_SYOMEI"_s},
        {"a bad price before the memo and the duplicate name",
         [](FormFixture& f) {
             withMilkBook(f);
             set(f, u"EDT_SYOMEI"_s, u"milk"_s);
             set(f, u"EDT_TEIKA"_s, u"1,980"_s);
             set(f, u"EDT_1"_s, u"12"_s);
             set(f, u"EDT_2"_s, u"１００"_s);
             set(f, u"EDT_3"_s, u"3,000"_s);
             set(f, u"Memo1"_s, u"a\r\nb"_s);
         },
         {warning(AmountWarning)},
         u"EDT_2"_s,
         false,
         [](FormFixture& f) {
             EXPECT_EQ(f.controls.text(u"EDT_TEIKA"_s), u"1980"_s);
             EXPECT_EQ(f.controls.text(u"EDT_2"_s), u"１００"_s);
             EXPECT_EQ(f.controls.text(u"EDT_3"_s), u"3,000"_s);
         }},
        {"a memo line break before the duplicate name",
         [](FormFixture& f) {
             withMilkBook(f);
             set(f, u"EDT_SYOMEI"_s, u"milk"_s);
             set(f, u"Memo1"_s, u"a\r\nb"_s);
         },
         {warning(MemoWarning)},
         u"Memo1"_s},
        {"a name taken in another letter case",
         [](FormFixture& f) {
             withMilkBook(f);
             set(f, u"EDT_SYOMEI"_s, u"milk"_s);
         },
         {warning(u"milk という商品名はすでに登録済みです"_s)},
         u"EDT_SYOMEI"_s},
    };
    for (const Refusal& r : cases)
        expectRefusal(u"BTN_ADD"_s, r);
}

TEST(ProductEditRefusals, TheMemoTakesNoLineBreakOfAnyKind) {
    const QList<QString> memos{u"a\r\nb"_s,   u"a\rb"_s,     u"a\nb"_s,
                               u"a\u2028b"_s, u"a\u2029b"_s, QString::fromUtf16(u"a\0b", 3)};
    for (const QString& memo : memos) {
        for (const QString& button : {u"BTN_ADD"_s, u"BTN_KOUSIN"_s}) {
            const std::string trace = button.toStdString() + " memo " + memo.toUtf8().toHex().toStdString();
            expectRefusal(button, {trace.c_str(),
                                   [&](FormFixture& f) {
                                       withMilkBook(f);
                                       if (button == u"BTN_ADD"_s)
                                           set(f, u"EDT_SYOMEI"_s, u"new"_s);
                                       else
                                           f.pick(u"a"_s);
                                       set(f, u"Memo1"_s, memo);
                                   },
                                   {warning(MemoWarning)},
                                   u"Memo1"_s,
                                   true,
                                   [&](FormFixture& f) { EXPECT_EQ(f.controls.text(u"Memo1"_s), memo); }});
        }
    }
}

TEST(ProductEditRefusals, UpdateChecksInOrder) {
    const QList<Refusal> cases{
        {"no products", [](FormFixture&) {}, {warning(NoProducts)}, {}},
        {"nothing selected, even with a name typed",
         [](FormFixture& f) {
             withMilkBook(f);
             set(f, u"EDT_SYOMEI"_s, u"x"_s);
         },
         {warning(SelectOne)},
         u"CBO_SYOMEI"_s},
        {"a name typed, even the selected one, before a bad price",
         [](FormFixture& f) {
             withMilkBook(f);
             f.pick(u"Milk"_s);
             set(f, u"EDT_SYOMEI"_s, u"Milk"_s);
             set(f, u"EDT_TEIKA"_s, u"abc"_s);
         },
         {warning(
             u"修正の場合、商品名は\"未入力\"にして下さい\r\n\r\n追加の場合は[追加]ボタンを押して下さい"_s)},
         u"EDT_SYOMEI"_s},
        {"a bad price before the memo",
         [](FormFixture& f) {
             withMilkBook(f);
             f.pick(u"Milk"_s);
             set(f, u"EDT_5"_s, u"\\500"_s);
             set(f, u"Memo1"_s, u"a\nb"_s);
         },
         {warning(AmountWarning)},
         u"EDT_5"_s,
         false,
         [](FormFixture& f) { EXPECT_EQ(f.controls.text(u"EDT_TEIKA"_s), u"198"_s); }},
        {"a selected name the book does not hold",
         [](FormFixture& f) {
             withMilkBook(f);
             f.controls.setItems(u"CBO_SYOMEI"_s, {u"ghost"_s});
             selectWithoutShowing(f, u"ghost"_s);
         },
         {warning(u"ghost は登録されていません。"_s)},
         u"CBO_SYOMEI"_s},
    };
    for (const Refusal& r : cases)
        expectRefusal(u"BTN_KOUSIN"_s, r);
}

// An amount within the range whose whole number is not (a half from either end) would be stored as a
// price that no later reading takes: add and update refuse it, wherever the text came from.
TEST(ProductEditRefusals, AnAmountWhoseWholeNumberLiesBeyondTheRangeIsRefused) {
    for (const QString& text :
         {u"922337203685477.5"_s, u"-922,337,203,685,477.5"_s, u"922337203685478"_s, u"9E15"_s}) {
        for (const QString& button : {u"BTN_ADD"_s, u"BTN_KOUSIN"_s}) {
            const std::string trace = button.toStdString() + " " + text.toStdString();
            expectRefusal(button, {trace.c_str(),
                                   [&](FormFixture& f) {
                                       withMilkBook(f);
                                       if (button == u"BTN_ADD"_s)
                                           set(f, u"EDT_SYOMEI"_s, u"new"_s);
                                       else
                                           f.pick(u"Milk"_s);
                                       set(f, u"EDT_4"_s, text);
                                   },
                                   {warning(AmountWarning)},
                                   u"EDT_4"_s,
                                   true,
                                   [&](FormFixture& f) { EXPECT_EQ(f.controls.text(u"EDT_4"_s), text); }});
        }
    }
}

// A stored price the amount check refuses (written by hand or by another program) is shown as it
// stands, and an unchanged update refuses it instead of storing an empty price in its place.
TEST(ProductEditRefusals, AStoredPriceTheCheckRefusesIsShownAndNeverErasedByAnUpdate) {
    for (const QString& stored : {u"922337203685478"_s, u"-9999999999999999"_s, u"1e400"_s, u"198円"_s}) {
        QStringList milk = productLines(u"Milk"_s, u"198"_s, u"A店"_s, u"178"_s);
        milk[9] = stored; // slot 3's price
        const std::string trace = "stored " + stored.toStdString();
        expectRefusal(u"BTN_KOUSIN"_s, {trace.c_str(),
                                        [&](FormFixture& f) {
                                            loadInto(f, notebook({milk}));
                                            f.pick(u"Milk"_s);
                                            EXPECT_EQ(f.controls.text(u"EDT_3"_s), stored);
                                        },
                                        {warning(AmountWarning)},
                                        u"EDT_3"_s,
                                        true,
                                        [&](FormFixture& f) {
                                            EXPECT_EQ(f.form->book().lines(), notebook({milk}));
                                            EXPECT_EQ(f.controls.text(u"EDT_3"_s), stored);
                                        }});
    }
}

TEST(ProductEditRefusals, DeleteChecksInOrder) {
    const QList<Refusal> cases{
        {"no products", [](FormFixture&) {}, {warning(NoProducts)}, {}},
        {"nothing selected", withMilkBook, {warning(SelectOne)}, u"CBO_SYOMEI"_s},
        {"the question answered No",
         [](FormFixture& f) {
             withMilkBook(f);
             f.pick(u"Milk"_s);
             f.ui.buttons.enqueue(No);
         },
         {deleteQuestion(u"Milk"_s)},
         {}},
        {"a selected name the book does not hold",
         [](FormFixture& f) {
             withMilkBook(f);
             f.controls.setItems(u"CBO_SYOMEI"_s, {u"ghost"_s});
             selectWithoutShowing(f, u"ghost"_s);
             f.ui.buttons.enqueue(Yes);
         },
         {deleteQuestion(u"ghost"_s), warning(u"ghost は登録されていないので削除できません"_s)},
         u"CBO_SYOMEI"_s},
    };
    for (const Refusal& r : cases)
        expectRefusal(u"SPD_SAKUJYO"_s, r);
}

// A notebook made elsewhere whose last record stops after its fifth line: no operation may leave it
// half rewritten.
TEST(ProductEditRefusals, AnIncompleteLastRecordIsNeverPartlyWritten) {
    const QStringList truncated =
        notebook({productLines(u"a"_s, u"1"_s), productLines(u"b"_s, u"2"_s, u"A店"_s, u"3"_s)})
            .mid(0, 1 + 18 + 5);
    const auto listError = [](int index) {
        return Shown{MsgKind::Stop, u"リストのインデックスが範囲を超えています (%1)"_s.arg(index), Ok, Ok};
    };
    const auto withTruncated = [&](FormFixture& f) {
        loadInto(f, truncated);
        selectWithoutShowing(f, u"b"_s); // showing it would stop at its missing lines
    };
    expectRefusal(u"BTN_KOUSIN"_s,
                  {"update: the first line beyond the end", withTruncated, {listError(24)}, {}});
    expectRefusal(u"SPD_SAKUJYO"_s, {"delete: the record's last line, removed first",
                                     [&](FormFixture& f) {
                                         withTruncated(f);
                                         f.ui.buttons.enqueue(Yes);
                                     },
                                     {deleteQuestion(u"b"_s), listError(36)},
                                     {}});
    expectRefusal(u"BTN_ADD"_s, {"add: the insertion point behind the listed products",
                                 [&](FormFixture& f) {
                                     loadInto(f, truncated);
                                     set(f, u"EDT_SYOMEI"_s, u"c"_s);
                                 },
                                 {listError(37)},
                                 {}});
}

TEST_F(ProductEdit, AddAppendsTheRecordAndClearsThePanelWithTheOption) {
    const QStringList before = notebook({productLines(u"Banana"_s, u"198"_s), productLines(u"cherry"_s)});
    load(before);
    controls.setChecked(u"MN_ADD_OPTION"_s, true);
    controls.setText(u"EDT_SYOMEI"_s, u"apple"_s);
    fillPanel();
    form->click(u"BTN_ADD"_s);

    EXPECT_TRUE(ui.messages.isEmpty());
    EXPECT_EQ(form->book().lines(), before + filledRecord(u"apple"_s));
    EXPECT_EQ(names(), (QStringList{u"apple"_s, u"Banana"_s, u"cherry"_s}));
    EXPECT_EQ(controls.itemIndex(u"CBO_SYOMEI"_s), -1);
    for (const QString& name : {u"EDT_SYOMEI"_s, u"EDT_TEIKA"_s, u"CBO_MISE1"_s, u"EDT_1"_s, u"Memo1"_s})
        EXPECT_EQ(t(name), QString()) << name.toStdString();
    EXPECT_EQ(controls.date(u"DTP_4"_s), ui.todayDate);
    EXPECT_EQ(t(u"LBL_SA_1"_s), u"*"_s);
    EXPECT_EQ(controls.fontColor(u"LBL_SA_1"_s), colors::Black);
    EXPECT_TRUE(form->dirty());
    EXPECT_TRUE(controls.enabled(u"SPD_SAVE"_s));
    EXPECT_EQ(controls.focused(), u"EDT_SYOMEI"_s);
    EXPECT_EQ(t(u"LBL_KEN"_s), u"3件"_s);
    expectSaved(before + filledRecord(u"apple"_s));
}

TEST_F(ProductEdit, AddWithoutTheOptionKeepsTheSlotsForTheNextName) {
    controls.setChecked(u"MN_ADD_OPTION"_s, false);
    fillPanel();
    controls.setText(u"EDT_SYOMEI"_s, u"b"_s);
    form->click(u"BTN_ADD"_s);

    EXPECT_EQ(t(u"EDT_SYOMEI"_s), QString());
    EXPECT_EQ(t(u"EDT_TEIKA"_s), QString());
    EXPECT_EQ(t(u"EDT_1"_s), u"178"_s); // left in storage form by the amount check
    EXPECT_EQ(t(u"CBO_MISE3"_s), u"近所の店"_s);
    EXPECT_EQ(controls.date(u"DTP_2"_s), QDate(2014, 5, 2));
    EXPECT_EQ(t(u"Memo1"_s), u"特売日は水曜"_s);
    EXPECT_EQ(t(u"LBL_SA_1"_s), u"20"_s);
    EXPECT_EQ(controls.fontColor(u"LBL_SA_1"_s), colors::Red);

    controls.setText(u"EDT_SYOMEI"_s, u"a"_s);
    form->click(u"BTN_ADD"_s);
    EXPECT_TRUE(ui.messages.isEmpty());
    QStringList expected = notebook({filledRecord(u"b"_s), filledRecord(u"a"_s)});
    expected[20] = QString(); // the standard price went with the first name
    EXPECT_EQ(form->book().lines(), expected);
    EXPECT_EQ(names(), (QStringList{u"a"_s, u"b"_s}));
    EXPECT_EQ(t(u"LBL_KEN"_s), u"2件"_s);
}

TEST_F(ProductEdit, TheHundredthProductIsAddedAndTheHundredFirstRefusedFirst) {
    QList<QStringList> products;
    for (int k = 0; k < 99; ++k)
        products << productLines(u"p%1"_s.arg(k, 3, 10, QChar(u'0')));
    load(notebook(products));
    controls.setText(u"EDT_SYOMEI"_s, u"p099"_s);
    form->click(u"BTN_ADD"_s);
    EXPECT_TRUE(ui.messages.isEmpty());
    EXPECT_EQ(t(u"LBL_KEN"_s), u"100件"_s);
    EXPECT_EQ(form->book().count(), 1 + 18 * 100);

    controls.setFocus(u"EDT_3"_s);
    form->click(u"BTN_ADD"_s); // no name either: the limit is checked first
    ASSERT_EQ(ui.messages.size(), 1);
    EXPECT_EQ(ui.messages[0].text, u"登録できるのはひとつのファイルにつき１００個までです"_s);
    EXPECT_EQ(ui.messages[0].kind, MsgKind::Warning);
    EXPECT_EQ(controls.focused(), u"EDT_3"_s);
    EXPECT_EQ(form->book().count(), 1 + 18 * 100);
}

TEST_F(ProductEdit, NamesAreStoredAsTypedAndDifferInWidthAndSpaces) {
    load(notebook({productLines(u"ﾐﾙｸ"_s), productLines(u"牛乳"_s)}));
    for (const QString& name : {u"ミルク"_s, u" 牛乳"_s}) {
        controls.setText(u"EDT_SYOMEI"_s, name);
        form->click(u"BTN_ADD"_s);
    }
    EXPECT_TRUE(ui.messages.isEmpty()) << ui.messageTexts().join(u'|').toStdString();
    EXPECT_EQ(form->book().line(37), u"ミルク"_s);
    EXPECT_EQ(form->book().line(55), u" 牛乳"_s);
    EXPECT_EQ(names().size(), 4);
    EXPECT_EQ(t(u"LBL_KEN"_s), u"4件"_s);
}

TEST_F(ProductEdit, UpdateRewritesTheSelectedRecordButItsName) {
    QStringList milk = productLines(u"牛乳"_s, u"198"_s, u"A店"_s, u"178"_s, u"2014/05/01"_s, u"古いメモ"_s);
    milk[6] = u"1,280"_s; // not the storage form: shown as it stands, stored as the amount it is
    const QStringList other = productLines(u"パン"_s, u"150"_s);
    load(notebook({other, milk}));
    pick(u"牛乳"_s);
    const int selected = controls.itemIndex(u"CBO_SYOMEI"_s);
    controls.setText(u"EDT_TEIKA"_s, u"1,980"_s);
    controls.setText(u"CBO_MISE3"_s, u"B店"_s);
    controls.setText(u"EDT_3"_s, u"1e3"_s);
    controls.setDate(u"DTP_3"_s, QDate(2015, 1, 2));
    controls.setText(u"Memo1"_s, u"新しいメモ"_s);
    controls.setText(u"LBL_SA_1"_s, u"5"_s);
    controls.setFontColor(u"LBL_SA_1"_s, colors::Red);
    form->click(u"BTN_KOUSIN"_s);

    EXPECT_TRUE(ui.messages.isEmpty());
    QStringList updated = milk;
    updated[1] = u"1980"_s;
    updated[6] = u"1280"_s;
    updated[8] = u"B店"_s;
    updated[9] = u"1000"_s;
    updated[10] = u"2015/01/02"_s;
    updated[17] = u"新しいメモ"_s;
    EXPECT_EQ(form->book().lines(), notebook({other, updated}));
    EXPECT_EQ(t(u"EDT_TEIKA"_s), u"1,980"_s);
    EXPECT_EQ(t(u"EDT_1"_s), u"178"_s);
    EXPECT_EQ(t(u"EDT_2"_s), u"1,280"_s);
    EXPECT_EQ(t(u"EDT_3"_s), u"1,000"_s);
    EXPECT_EQ(controls.itemIndex(u"CBO_SYOMEI"_s), selected);
    EXPECT_EQ(t(u"LBL_SA_1"_s), u"5"_s);
    EXPECT_EQ(controls.fontColor(u"LBL_SA_1"_s), colors::Red);
    EXPECT_EQ(t(u"LBL_KEN"_s), u"2件"_s);
    EXPECT_EQ(controls.focused(), u"CBO_SYOMEI"_s);
    EXPECT_TRUE(form->dirty());
    EXPECT_TRUE(controls.enabled(u"SPD_SAVE"_s));
    expectSaved(notebook({other, updated}));
}

TEST_F(ProductEdit, DeleteRemovesTheRecordAfterYes) {
    const QStringList a = productLines(u"a"_s, u"1"_s);
    const QStringList b = productLines(u"b"_s, u"2"_s, u"A店"_s, u"3"_s);
    const QStringList c = productLines(u"c"_s, u"4"_s);
    load(notebook({a, b, c}));
    pick(u"b"_s);
    ui.buttons.enqueue(Yes);
    form->click(u"SPD_SAKUJYO"_s);

    ASSERT_EQ(ui.messages.size(), 1);
    EXPECT_EQ(ui.messages[0].kind, MsgKind::Confirmation);
    EXPECT_EQ(form->book().lines(), notebook({a, c}));
    EXPECT_EQ(names(), (QStringList{u"a"_s, u"c"_s}));
    EXPECT_EQ(controls.itemIndex(u"CBO_SYOMEI"_s), -1);
    EXPECT_EQ(t(u"EDT_TEIKA"_s), QString());
    EXPECT_EQ(t(u"CBO_MISE1"_s), QString());
    EXPECT_EQ(controls.date(u"DTP_1"_s), ui.todayDate);
    EXPECT_EQ(controls.focused(), u"CBO_SYOMEI"_s);
    EXPECT_TRUE(form->dirty());
    EXPECT_EQ(t(u"LBL_KEN"_s), u"2件"_s);
    expectSaved(notebook({a, c}));
}

TEST_F(ProductEdit, DeletingTheOnlyProductLeavesTheMagicLine) {
    load(notebook({productLines(u"牛乳"_s, u"198"_s)}));
    pick(u"牛乳"_s);
    ui.buttons.enqueue(Yes);
    form->click(u"SPD_SAKUJYO"_s);
    EXPECT_EQ(form->book().lines(), QStringList{u"zorvandata"_s});
    EXPECT_TRUE(names().isEmpty());
    EXPECT_EQ(t(u"LBL_KEN"_s), u"0件"_s);
    expectSaved({u"zorvandata"_s});

    form->click(u"SPD_SAKUJYO"_s);
    EXPECT_EQ(ui.messageTexts().last(), NoProducts);
}

} // namespace
