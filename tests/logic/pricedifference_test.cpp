// Each observation's difference to the standard price: captions, colours and the fields rewritten.
#include "notebook/pricebook.h"
#include "support/formfixture.h"

#include <gtest/gtest.h>

using namespace Qt::StringLiterals;

namespace {

constexpr Rgb K = colors::Black;
constexpr Rgb R = colors::Red;
constexpr Rgb L = colors::Lime;

class PriceDifference : public ::testing::Test, public FormFixture {
  protected:
    void SetUp() override {
        start();
        ASSERT_TRUE(
            form->LoadPriceBook(dir.write(u"b.txt"_s, cp932Lines(notebook({productLines(u"a"_s, u"5"_s)})))));
        bookBefore = form->book().lines();
    }
    // Types a standard price and five row prices, then shows the differences.
    void run(const QString& standard, const QStringList& rows) {
        controls.setText(u"EDT_TEIKA"_s, standard);
        for (int k = 1; k <= PriceSlots; ++k)
            controls.setText(row(u"EDT_", k), rows.value(k - 1));
        form->click(u"SPD_SAGAKU"_s);
    }
    // Puts every label into a state no run would leave.
    void markLabels(Rgb color) {
        for (int k = 1; k <= PriceSlots; ++k) {
            controls.setText(row(u"LBL_SA_", k), u"old"_s);
            controls.setFontColor(row(u"LBL_SA_", k), color);
        }
    }
    static QString row(const char16_t* prefix, int k) {
        return QString::fromUtf16(prefix) + QString::number(k);
    }
    QStringList captions() const { return texts(u"LBL_SA_"); }
    QStringList fields() const { return QStringList{controls.text(u"EDT_TEIKA"_s)} + texts(u"EDT_"); }
    QList<Rgb> colours() const {
        QList<Rgb> out;
        for (int k = 1; k <= PriceSlots; ++k)
            out << controls.fontColor(row(u"LBL_SA_", k));
        return out;
    }
    QStringList texts(const char16_t* prefix) const {
        QStringList out;
        for (int k = 1; k <= PriceSlots; ++k)
            out << controls.text(row(prefix, k));
        return out;
    }
    void expectBookAndFlagUntouched() const {
        EXPECT_EQ(form->book().lines(), bookBefore);
        EXPECT_FALSE(form->dirty());
    }
    QStringList bookBefore;
};

TEST_F(PriceDifference, MarksTheCheapestRedAndTheDearestLime) {
    markLabels(L);
    run(u"1,000"_s, {u"980"_s, {}, u"1,050"_s, u"1000"_s, {}});
    EXPECT_TRUE(ui.messages.isEmpty());
    EXPECT_EQ(captions(), (QStringList{u"20"_s, u"*"_s, u"-50"_s, u"0"_s, u"*"_s}));
    EXPECT_EQ(colours(), (QList<Rgb>{R, K, L, K, K}));
    EXPECT_EQ(fields(), (QStringList{u"1,000"_s, u"980"_s, {}, u"1,050"_s, u"1,000"_s, {}}));
    expectBookAndFlagUntouched();
}

TEST_F(PriceDifference, CaptionsAndColoursOverTheExactDifferences) {
    struct Case {
        const char* what;
        QString standard;
        QStringList rows;
        QStringList captions;
        QList<Rgb> colours;
        QStringList fields; // the standard price, then the rows
    };
    const QList<Case> cases{
        {"no standard price: one row is both ends and ends lime",
         {},
         {{}, {}, u"300"_s},
         {u"*"_s, u"*"_s, u"-300"_s, u"*"_s, u"*"_s},
         {K, K, L, K, K},
         {{}, {}, {}, u"300"_s, {}, {}}},
        {"two cheapest tie in red",
         u"100"_s,
         {u"80"_s, u"80"_s, u"90"_s},
         {u"20"_s, u"20"_s, u"10"_s, u"*"_s, u"*"_s},
         {R, R, L, K, K},
         {u"100"_s, u"80"_s, u"80"_s, u"90"_s, {}, {}}},
        {"all equal: every filled row lime",
         u"100"_s,
         {{}, u"90"_s, {}, u"90"_s},
         {u"*"_s, u"10"_s, u"*"_s, u"10"_s, u"*"_s},
         {K, L, K, L, K},
         {u"100"_s, {}, u"90"_s, {}, u"90"_s, {}}},
        {"equal captions, colours from the fractions",
         {},
         {u"100.4"_s, u"100.2"_s},
         {u"-100"_s, u"-100"_s, u"*"_s, u"*"_s, u"*"_s},
         {L, R, K, K, K},
         {{}, u"100"_s, u"100"_s, {}, {}, {}}},
        {"halves round to even",
         u"0"_s,
         {u"-0.5"_s, u"-1.5"_s, u"2.5"_s, u"0.4"_s},
         {u"0"_s, u"2"_s, u"-2"_s, u"0"_s, u"*"_s},
         {K, R, L, K, K},
         {u"0"_s, u"0"_s, u"-2"_s, u"2"_s, u"0"_s, {}}},
        {"a difference beyond the amount's range, up",
         u"922337203685477.4999"_s,
         {u"-922337203685477.4999"_s, u"9.223372036854774999e14"_s},
         {u"1,844,674,407,370,955"_s, u"0"_s, u"*"_s, u"*"_s, u"*"_s},
         {R, L, K, K, K},
         {u"922,337,203,685,477"_s, u"-922,337,203,685,477"_s, u"922,337,203,685,477"_s, {}, {}, {}}},
        {"a difference beyond the amount's range, down",
         u"-922337203685477.4999"_s,
         {u"922337203685477.4999"_s},
         {u"-1,844,674,407,370,955"_s, u"*"_s, u"*"_s, u"*"_s, u"*"_s},
         {L, K, K, K, K},
         {u"-922,337,203,685,477"_s, u"922,337,203,685,477"_s, {}, {}, {}, {}}},
        {"a difference beyond the range, halves to even",
         u"922337203685476.5"_s,
         {u"-922337203685477"_s, u"-922337203685476"_s},
         {u"1,844,674,407,370,954"_s, u"1,844,674,407,370,952"_s, u"*"_s, u"*"_s, u"*"_s},
         {R, L, K, K, K},
         {u"922,337,203,685,476"_s, u"-922,337,203,685,477"_s, u"-922,337,203,685,476"_s, {}, {}, {}}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        run(c.standard, c.rows);
        EXPECT_TRUE(ui.messages.isEmpty());
        EXPECT_EQ(captions(), c.captions);
        EXPECT_EQ(colours(), c.colours);
        EXPECT_EQ(fields(), c.fields);
    }
    expectBookAndFlagUntouched();
}

TEST_F(PriceDifference, NoPriceLeavesStarsInTheOldColours) {
    markLabels(R);
    controls.setFontColor(u"LBL_SA_4"_s, L);
    run(u"100"_s, {});
    EXPECT_TRUE(ui.messages.isEmpty());
    EXPECT_EQ(captions(), QStringList(5, u"*"_s));
    EXPECT_EQ(colours(), (QList<Rgb>{R, R, R, L, R}));
    EXPECT_EQ(controls.text(u"EDT_TEIKA"_s), u"100"_s);
}

TEST_F(PriceDifference, AFieldThatIsNoAmountStopsTheRunWhereItStands) {
    struct Case {
        const char* what;
        QString standard;
        QStringList rows;
        QString focus;
        QStringList captions;
        QStringList fields;
    };
    const QList<Case> cases{
        {"the standard price",
         u"1,000円"_s,
         {u"1000"_s, u"12x"_s},
         u"EDT_TEIKA"_s,
         QStringList(5, u"old"_s),
         {u"1,000円"_s, u"1000"_s, u"12x"_s, {}, {}, {}}},
        {"row 2",
         u"1000"_s,
         {u"1000"_s, u"12x"_s, u"5000"_s},
         u"EDT_2"_s,
         {u"0"_s, u"old"_s, u"old"_s, u"old"_s, u"old"_s},
         {u"1,000"_s, u"1,000"_s, u"12x"_s, u"5000"_s, {}, {}}},
        {"an amount whose whole number lies beyond the range",
         u"922337203685477.5"_s,
         {u"1"_s},
         u"EDT_TEIKA"_s,
         QStringList(5, u"old"_s),
         {u"922337203685477.5"_s, u"1"_s, {}, {}, {}, {}}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        ui.messages.clear();
        markLabels(R);
        run(c.standard, c.rows);
        ASSERT_EQ(ui.messages.size(), 1);
        EXPECT_EQ(ui.messages[0].kind, MsgKind::Warning);
        EXPECT_EQ(ui.messages[0].text, u"金額を入力して下さい。なお\\は不要です"_s);
        EXPECT_EQ(ui.messages[0].buttons, Buttons(Ok));
        EXPECT_EQ(controls.focused(), c.focus);
        EXPECT_EQ(captions(), c.captions);
        EXPECT_EQ(colours(), QList<Rgb>(5, R));
        EXPECT_EQ(fields(), c.fields);
    }
    expectBookAndFlagUntouched();
}

TEST_F(PriceDifference, PickingAProductResetsTheLabels) {
    run(u"100"_s, {u"90"_s, u"120"_s});
    pick(u"a"_s);
    EXPECT_EQ(captions(), QStringList(5, u"*"_s));
    EXPECT_EQ(colours(), QList<Rgb>(5, K));
}

} // namespace
