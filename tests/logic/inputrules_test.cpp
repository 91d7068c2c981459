// The entry panel's input rules through the seam: the price check, the Enter walk, the row commands.
#include "support/formfixture.h"

#include <gtest/gtest.h>

using namespace Qt::StringLiterals;

namespace {

class InputRules : public ::testing::Test, public FormFixture {
  protected:
    void SetUp() override { start(); }
    QString t(const QString& name) const { return controls.text(name); }
};

TEST_F(InputRules, PriceFieldsAreRewrittenUntilTheFirstThatFails) {
    controls.setText(u"EDT_TEIKA"_s, u"1,280"_s);
    controls.setText(u"EDT_1"_s, u" 2.5 "_s);
    controls.setText(u"EDT_2"_s, u"￥500"_s);
    controls.setText(u"EDT_3"_s, u"3.5"_s);
    EXPECT_FALSE(form->CheckPriceFields());
    EXPECT_EQ(t(u"EDT_TEIKA"_s), u"1280"_s);
    EXPECT_EQ(t(u"EDT_1"_s), u"2"_s);
    EXPECT_EQ(t(u"EDT_2"_s), u"￥500"_s);
    EXPECT_EQ(t(u"EDT_3"_s), u"3.5"_s); // never reached
    ASSERT_EQ(ui.messages.size(), 1);
    EXPECT_EQ(ui.messages[0].kind, MsgKind::Warning);
    EXPECT_EQ(ui.messages[0].text, u"金額を入力して下さい。なお\\は不要です"_s);
    EXPECT_EQ(ui.messages[0].buttons, Buttons(Ok));
    EXPECT_EQ(controls.focused(), u"EDT_2"_s);

    controls.setText(u"EDT_2"_s, QString());
    ui.messages.clear();
    EXPECT_TRUE(form->CheckPriceFields());
    EXPECT_EQ(t(u"EDT_3"_s), u"4"_s);
    EXPECT_TRUE(ui.messages.isEmpty());
}

TEST_F(InputRules, EnterWalksThePanelInTabOrder) {
    const QStringList walk{u"EDT_SYOMEI"_s, u"EDT_TEIKA"_s, u"CBO_MISE1"_s, u"EDT_1"_s,     u"DTP_1"_s,
                           u"CBO_MISE2"_s,  u"EDT_2"_s,     u"DTP_2"_s,     u"CBO_MISE3"_s, u"EDT_3"_s,
                           u"DTP_3"_s,      u"CBO_MISE4"_s, u"EDT_4"_s,     u"DTP_4"_s,     u"CBO_MISE5"_s,
                           u"EDT_5"_s,      u"DTP_5"_s,     u"Memo1"_s};
    controls.setFocus(walk.first());
    for (qsizetype i = 0; i + 1 < walk.size(); ++i) {
        EXPECT_TRUE(form->keyPress(walk[i], QChar(13)));
        EXPECT_EQ(controls.focused(), walk[i + 1]);
    }
    EXPECT_FALSE(form->keyPress(u"EDT_1"_s, u'a'));      // other keys pass
    EXPECT_FALSE(form->keyPress(u"Memo1"_s, QChar(13))); // the memo has no Enter rule
    EXPECT_EQ(controls.focused(), u"Memo1"_s);
}

TEST_F(InputRules, TodayMarksChangesAndClearingARowDoesNot) {
    controls.setDate(u"DTP_3"_s, QDate(2000, 1, 1));
    form->click(u"BTN_3_TODAY"_s);
    EXPECT_EQ(controls.date(u"DTP_3"_s), ui.todayDate);
    EXPECT_TRUE(controls.enabled(u"LBL_KOUSIN"_s));
    EXPECT_TRUE(controls.enabled(u"SPD_SAVE"_s));

    form->setDirty(false);
    for (int j = 1; j <= 3; ++j) {
        controls.setText(u"CBO_MISE%1"_s.arg(j), u"店"_s);
        controls.setText(u"EDT_%1"_s.arg(j), u"100"_s);
        controls.setText(u"LBL_SA_%1"_s.arg(j), u"-20"_s);
        controls.setFontColor(u"LBL_SA_%1"_s.arg(j), colors::Red);
        controls.setDate(u"DTP_%1"_s.arg(j), QDate(2000, 1, 1));
    }
    form->click(u"BTN_DEL2"_s);
    EXPECT_EQ(t(u"CBO_MISE2"_s), QString());
    EXPECT_EQ(t(u"EDT_2"_s), QString());
    EXPECT_EQ(controls.date(u"DTP_2"_s), ui.todayDate);
    EXPECT_EQ(t(u"LBL_SA_2"_s), u"*"_s);
    EXPECT_EQ(controls.fontColor(u"LBL_SA_2"_s), colors::Black);
    for (int j : {1, 3}) {
        EXPECT_EQ(t(u"EDT_%1"_s.arg(j)), u"100"_s);
        EXPECT_EQ(controls.fontColor(u"LBL_SA_%1"_s.arg(j)), colors::Red);
    }
    EXPECT_FALSE(form->dirty());
}

TEST_F(InputRules, MemoClearCopyAndTheAddOption) {
    controls.setText(u"Memo1"_s, u"特売"_s);
    form->click(u"SPD_MEMO_DEL"_s);
    EXPECT_EQ(t(u"Memo1"_s), QString());
    EXPECT_EQ(controls.focused(), u"Memo1"_s);

    ui.clipboard = u"old"_s;
    form->click(u"POP_COPY"_s);
    EXPECT_EQ(ui.clipboard, QString()); // nothing selected
    controls.setItems(u"CBO_SYOMEI"_s, {u"牛乳"_s});
    controls.setItemIndex(u"CBO_SYOMEI"_s, 0);
    form->click(u"POP_COPY"_s);
    EXPECT_EQ(ui.clipboard, u"牛乳"_s);

    EXPECT_TRUE(controls.checked(u"MN_ADD_OPTION"_s));
    form->click(u"MN_ADD_OPTION"_s);
    EXPECT_FALSE(controls.checked(u"MN_ADD_OPTION"_s));
    form->click(u"MN_ADD_OPTION"_s);
    EXPECT_TRUE(controls.checked(u"MN_ADD_OPTION"_s));
}

} // namespace
