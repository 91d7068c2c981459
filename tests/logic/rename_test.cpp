// Renaming the selected product through the input box.
#include "support/formfixture.h"

#include <QDir>
#include <gtest/gtest.h>

#include <functional>

using namespace Qt::StringLiterals;

namespace {

const QStringList abc =
    notebook({productLines(u"a"_s, u"1"_s), productLines(u"b"_s, u"2"_s, u"A店"_s, u"3"_s),
              productLines(u"c"_s, u"4"_s)});

void loadInto(FormFixture& f, const QStringList& lines) {
    ASSERT_TRUE(f.form->LoadPriceBook(f.dir.write(u"book.txt"_s, cp932Lines(lines))));
    f.ui.messages.clear();
}

class Rename : public ::testing::Test, public FormFixture {
  protected:
    void SetUp() override { start(); }
    void renameTo(const std::optional<QString>& answer) {
        ui.inputAnswers.enqueue(answer);
        form->click(u"MN_SYOMEI_SYU"_s);
    }
};

TEST(RenameRefusals, NothingChangesButTheMessage) {
    struct Case {
        const char* what;
        std::function<void(FormFixture&)> arrange; // a, b and c loaded, b picked, before this
        std::optional<QString> answer;
        QString message; // empty: none
        bool asked = true;
        QString focus = u"DTP_3"_s;
    };
    const QList<Case> cases{
        {"no products", [](FormFixture& f) { f.form->click(u"MN_NEW"_s); }, u"z"_s,
         u"商品が０件なので変更できません"_s, false},
        {"nothing selected", [](FormFixture& f) { f.controls.setItemIndex(u"CBO_SYOMEI"_s, -1); }, u"z"_s,
         u"リストで商品名を選択して下さい"_s, false, u"CBO_SYOMEI"_s},
        {"cancelled", [](FormFixture&) {}, std::nullopt, {}},
        {"empty name", [](FormFixture&) {}, QString(), u"商品名に空白は使えません"_s},
        {"the same name", [](FormFixture&) {}, u"b"_s, {}},
        {"only the letter case changed", [](FormFixture&) {}, u"B"_s,
         u"B という商品名はすでに登録済みです"_s},
        {"another product's name", [](FormFixture&) {}, u"C"_s, u"C という商品名はすでに登録済みです"_s},
        {"a selected name the book does not hold",
         [](FormFixture& f) {
             f.controls.setItems(u"CBO_SYOMEI"_s, {u"ghost"_s});
             f.controls.setItemIndex(u"CBO_SYOMEI"_s, 0);
         },
         u"z"_s, u"ghost は登録されていません。"_s},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        FormFixture f;
        f.start();
        loadInto(f, abc);
        f.pick(u"b"_s);
        c.arrange(f);
        f.ui.messages.clear();
        f.controls.setFocus(u"DTP_3"_s);
        const QStringList bookBefore = f.form->book().lines();
        const QStringList itemsBefore = f.controls.items(u"CBO_SYOMEI"_s);
        const int selectedBefore = f.controls.itemIndex(u"CBO_SYOMEI"_s);
        const QString priceBefore = f.controls.text(u"EDT_TEIKA"_s);
        f.ui.inputAnswers.enqueue(c.answer);
        f.form->click(u"MN_SYOMEI_SYU"_s);

        EXPECT_EQ(f.ui.inputCaptions.size(), c.asked ? 1 : 0);
        if (c.message.isEmpty()) {
            EXPECT_TRUE(f.ui.messages.isEmpty());
        } else {
            ASSERT_EQ(f.ui.messages.size(), 1);
            EXPECT_EQ(f.ui.messages[0].kind, MsgKind::Warning);
            EXPECT_EQ(f.ui.messages[0].text, c.message);
            EXPECT_EQ(f.ui.messages[0].buttons, Buttons(Ok));
        }
        EXPECT_EQ(f.controls.focused(), c.focus);
        EXPECT_EQ(f.form->book().lines(), bookBefore);
        EXPECT_EQ(f.controls.items(u"CBO_SYOMEI"_s), itemsBefore);
        EXPECT_EQ(f.controls.itemIndex(u"CBO_SYOMEI"_s), selectedBefore);
        EXPECT_EQ(f.controls.text(u"EDT_TEIKA"_s), priceBefore);
        EXPECT_FALSE(f.form->dirty());
    }
}

TEST_F(Rename, TheNameLineChangesAndTheRecordKeepsItsPlace) {
    loadInto(*this, abc);
    pick(u"b"_s);
    renameTo(u"z"_s);

    EXPECT_TRUE(ui.messages.isEmpty());
    EXPECT_EQ(ui.inputCaptions, QStringList{u"商品名の変更"_s});
    QStringList renamed = abc;
    renamed[19] = u"z"_s;
    EXPECT_EQ(form->book().lines(), renamed);
    EXPECT_EQ(controls.items(u"CBO_SYOMEI"_s), (QStringList{u"a"_s, u"c"_s, u"z"_s}));
    EXPECT_EQ(controls.itemIndex(u"CBO_SYOMEI"_s), -1);
    EXPECT_EQ(controls.text(u"EDT_TEIKA"_s), QString());
    EXPECT_EQ(controls.text(u"CBO_MISE1"_s), QString());
    EXPECT_EQ(controls.date(u"DTP_1"_s), ui.todayDate);
    EXPECT_EQ(controls.text(u"LBL_KEN"_s), u"3件"_s);
    EXPECT_TRUE(form->dirty());
    EXPECT_TRUE(controls.enabled(u"SPD_SAVE"_s));

    form->click(u"MN_SAVE"_s);
    EXPECT_EQ(dir.read(u"book.txt"_s), cp932Lines(renamed));
}

TEST_F(Rename, SpacesAreANameAndAnIncompleteLastRecordCanBeRenamed) {
    QStringList truncated = abc.mid(0, 1 + 18 + 5);
    loadInto(*this, truncated);
    controls.setItemIndex(u"CBO_SYOMEI"_s, 1); // b; showing it would stop at its missing lines
    renameTo(u"  "_s);
    EXPECT_TRUE(ui.messages.isEmpty());
    truncated[19] = u"  "_s;
    EXPECT_EQ(form->book().lines(), truncated);
    EXPECT_EQ(controls.items(u"CBO_SYOMEI"_s), (QStringList{u"  "_s, u"a"_s}));
}

// The fake box records only captions; this one also keeps the prompt and the preloaded text.
class PromptRecordingUi : public FakeUi {
  public:
    std::optional<QString> inputBox(const QString& caption, const QString& prompt,
                                    const QString& initial) override {
        prompts << prompt;
        initials << initial;
        return FakeUi::inputBox(caption, prompt, initial);
    }
    QStringList prompts;
    QStringList initials;
};

TEST(RenamePrompt, OffersTheSelectedNameForEditing) {
    TestDir dir;
    QDir().mkpath(dir.path() + u"/prog"_s);
    PlainControls controls(mainWindowSpec());
    PromptRecordingUi ui;
    MainForm form(controls, ui, dir.path() + u"/prog"_s);
    form.FormCreate();
    ASSERT_TRUE(form.LoadPriceBook(dir.write(u"book.txt"_s, cp932Lines(abc))));
    controls.setItemIndex(u"CBO_SYOMEI"_s, 2);
    form.click(u"MN_SYOMEI_SYU"_s);
    EXPECT_EQ(ui.inputCaptions, QStringList{u"商品名の変更"_s});
    EXPECT_EQ(ui.prompts, QStringList{u"新しい商品名を入力して下さい"_s});
    EXPECT_EQ(ui.initials, QStringList{u"c"_s});
}

} // namespace
