// The dispatcher: a run-time error ends its handler with the default error box, and so does any
// other exception, shown as an internal error; the program goes on either way.
#include "core/apperror.h"
#include "core/dispatch.h"
#include "support/formfixture.h"
#include "support/qtprinters.h"

#include <functional>
#include <gtest/gtest.h>
#include <new>
#include <stdexcept>

using namespace Qt::StringLiterals;

namespace {

TEST(Dispatch, EveryExceptionEndsItsHandlerWithAnErrorBoxAndNothingElse) {
    const struct {
        const char* what;
        std::function<void()> handler;
        QString shown;
    } cases[] = {
        {"a run-time error", [] { throw errors::listIndex(3); },
         u"リストのインデックスが範囲を超えています (3)"_s},
        {"no memory", [] { throw std::bad_alloc(); }, u"メモリが不足しています."_s},
        {"a fault of the program", [] { throw std::logic_error("no control named EDT_6"); },
         u"内部エラー: no control named EDT_6."_s},
        {"another standard exception", [] { throw std::runtime_error("壊れた"); }, u"内部エラー: 壊れた."_s},
        {"something that is no exception", [] { throw 42; }, u"内部エラー: 不明な例外."_s},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        FakeUi ui;
        EXPECT_FALSE(dispatch(ui, c.handler));
        ASSERT_EQ(ui.messages.size(), 1);
        EXPECT_EQ(ui.messages[0].kind, MsgKind::Stop); // the error icon and the application title
        EXPECT_EQ(ui.messages[0].text, c.shown);
        EXPECT_EQ(ui.messages[0].buttons, Buttons(Ok));
        EXPECT_TRUE(dispatch(ui, [] {}));
        EXPECT_EQ(ui.messages.size(), 1);
    }
}

// Plain controls that fail once, as a fault of the program would, on the first change of a label.
class FaultyControls : public PlainControls {
  public:
    using PlainControls::PlainControls;
    bool armed = true;
    void setText(const QString& name, const QString& text) override {
        if (armed && name == u"LBL_KEN") {
            armed = false;
            throw std::out_of_range("a fault");
        }
        PlainControls::setText(name, text);
    }
};

TEST(Dispatch, AFaultInAHandlerOfTheMainWindowLeavesTheNotebookToBeSaved) {
    TestDir dir;
    FaultyControls controls(mainWindowSpec());
    FakeUi ui;
    MainForm form(controls, ui, dir.path());
    controls.armed = false;
    form.FormCreate();
    ui.messages.clear();

    controls.setText(u"EDT_SYOMEI"_s, u"牛乳"_s);
    controls.armed = true;
    form.click(u"BTN_ADD"_s); // the product goes in; showing the count fails
    ASSERT_EQ(ui.messages.size(), 1);
    EXPECT_EQ(ui.messages[0].kind, MsgKind::Stop);
    EXPECT_EQ(ui.messages[0].text, u"内部エラー: a fault."_s);
    EXPECT_TRUE(form.dirty());

    ui.fileAnswers.enqueue(dir.file(u"saved.txt"_s));
    form.click(u"SPD_SAVE"_s);
    EXPECT_EQ(ui.messages.size(), 1);
    EXPECT_FALSE(form.dirty());
    EXPECT_EQ(dir.read(u"saved.txt"_s),
              cp932Lines(notebook({productLines(u"牛乳"_s, {}, {}, {}, u"2026/12/10"_s)})));
}

} // namespace
