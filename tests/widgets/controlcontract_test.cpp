// The contract of Controls: one table of (control kind, operations, expected state or refusal) run
// against the real widgets (QtControls) and the test double (PlainControls), so the logic's tests
// run on a double that behaves like the window. Which operations each kind has comes from
// core/controlrules.h, the rule book both implementations follow.
#include "core/controlrules.h"
#include "core/controltable.h"
#include "core/windownames.h"
#include "support/plaincontrols.h"
#include "support/qtprinters.h"
#include "support/testfiles.h"
#include "ui/dialogwindow.h"
#include "ui/mainwindow.h"
#include "ui/qtcontrols.h"

#include <QDebug>
#include <QWidget>
#include <gtest/gtest.h>

#include <functional>
#include <memory>
#include <optional>
#include <stdexcept>

using namespace Qt::StringLiterals;

namespace {

// One control of each kind, in the window that has it.
struct Sample {
    const char* kind;
    const WindowSpec& window;
    QString name;
};

const QList<Sample>& samples() {
    static const QList<Sample> list{
        {"form", mainWindowSpec(), fmain::F_MAIN},
        {"label", mainWindowSpec(), fmain::LBL_KEN},
        {"edit", mainWindowSpec(), fmain::EDT_(1)},
        {"memo", mainWindowSpec(), fmain::Memo1},
        {"drop-down list", mainWindowSpec(), fmain::CBO_SYOMEI},
        {"editable combo box", mainWindowSpec(), fmain::CBO_MISE(1)},
        {"date picker", mainWindowSpec(), fmain::DTP_(1)},
        {"button", mainWindowSpec(), fmain::BTN_ADD},
        {"image button", mainWindowSpec(), fmain::SPD_SAGAKU},
        {"menu item", mainWindowSpec(), fmain::MN_ADD_OPTION},
        {"File menu (history)", mainWindowSpec(), fmain::MN_FILE},
        {"list box", oldSiboWindowSpec(), foldsibo::LST_SYO},
        {"multi-select list box", tenmeiWindowSpec(), ftenmei::ListBox1},
        {"check list box", rirekiWindowSpec(), frireki::CK_LBOX},
    };
    return list;
}

const Sample& sample(const QString& name) {
    for (const Sample& s : samples()) {
        if (s.name == name)
            return s;
    }
    throw std::logic_error("no sample " + name.toStdString());
}

// The windows of both implementations, made fresh for every row.
class Subject {
  public:
    virtual ~Subject() = default;
    virtual const char* label() const = 0;
    virtual Controls& controls(const WindowSpec& window) = 0;
};

class PlainSubject : public Subject {
  public:
    const char* label() const override { return "PlainControls"; }
    Controls& controls(const WindowSpec& window) override {
        plain_ = std::make_unique<PlainControls>(window);
        return *plain_;
    }

  private:
    std::unique_ptr<PlainControls> plain_;
};

class QtSubject : public Subject {
  public:
    const char* label() const override { return "QtControls"; }
    Controls& controls(const WindowSpec& window) override {
        dialogControls_.reset();
        dialog_.reset();
        main_.reset();
        if (&window == &mainWindowSpec()) {
            main_ = std::make_unique<MainWindow>(dir_.path());
            return main_->controls();
        }
        dialog_ = std::make_unique<DialogWindow>(window, nullptr);
        dialogControls_ = std::make_unique<QtControls>(*dialog_, window);
        return *dialogControls_;
    }

  private:
    TestDir dir_;
    std::unique_ptr<MainWindow> main_;
    std::unique_ptr<DialogWindow> dialog_;
    std::unique_ptr<QtControls> dialogControls_;
};

// Calls one operation with arguments that fit any control that has it.
void call(Controls& c, const QString& name, ControlOp op) {
    switch (op) {
    case ControlOp::Text:
        (void)c.text(name);
        return;
    case ControlOp::SetText:
        c.setText(name, u"x"_s);
        return;
    case ControlOp::Enabled:
        (void)c.enabled(name);
        return;
    case ControlOp::SetEnabled:
        c.setEnabled(name, true);
        return;
    case ControlOp::Checked:
        (void)c.checked(name);
        return;
    case ControlOp::SetChecked:
        c.setChecked(name, true);
        return;
    case ControlOp::Items:
        (void)c.items(name);
        return;
    case ControlOp::SetItems:
        c.setItems(name, {u"a"_s, u"b"_s});
        return;
    case ControlOp::InsertItem:
        c.insertItem(name, 0, u"c"_s);
        return;
    case ControlOp::RemoveItem:
        c.removeItem(name, 0);
        return;
    case ControlOp::ItemIndex:
        (void)c.itemIndex(name);
        return;
    case ControlOp::SetItemIndex:
        c.setItemIndex(name, 0);
        return;
    case ControlOp::SelectedIndexes:
        (void)c.selectedIndexes(name);
        return;
    case ControlOp::SetItemSelected:
        c.setItemSelected(name, 0, true);
        return;
    case ControlOp::ItemChecked:
        (void)c.itemChecked(name, 0);
        return;
    case ControlOp::SetItemChecked:
        c.setItemChecked(name, 0, true);
        return;
    case ControlOp::Date:
        (void)c.date(name);
        return;
    case ControlOp::SetDate:
        c.setDate(name, QDate(2014, 5, 1));
        return;
    case ControlOp::FontColor:
        (void)c.fontColor(name);
        return;
    case ControlOp::SetFontColor:
        c.setFontColor(name, colors::Red);
        return;
    case ControlOp::SetFocus:
        c.setFocus(name);
        return;
    case ControlOp::FocusNext:
        c.focusNext(name);
        return;
    }
}

bool refuses(const std::function<void()>& f) {
    try {
        f();
        return false;
    } catch (const std::logic_error&) {
        return true;
    }
}

const QStringList abc{u"a"_s, u"b"_s, u"c"_s};

// What a row expects afterwards; fields left empty are not looked at.
struct State {
    std::optional<QString> text{};
    std::optional<QStringList> items{};
    std::optional<int> index{};
    std::optional<QList<int>> selected{};
    std::optional<QList<bool>> checks{};
    std::optional<QDate> date{};
};

struct Row {
    const char* what;
    QString control;
    std::function<void(Controls&, const QString&)> operations;
    std::optional<State> expected; // nothing: the last operation is refused
};

const State Refused{};

QList<Row> rows() {
    using C = Controls;
    using N = const QString&;
    const QString drop = fmain::CBO_SYOMEI, edit = fmain::CBO_MISE(1), list = foldsibo::LST_SYO;
    const QString multi = ftenmei::ListBox1, check = frireki::CK_LBOX, file = fmain::MN_FILE;
    return {
        // Drop-down lists: the text is the current item's.
        {"filling leaves no item current", drop, [](C& c, N n) { c.setItems(n, abc); },
         State{.text = u""_s, .items = abc, .index = -1}},
        {"making an item current shows it", drop,
         [](C& c, N n) {
             c.setItems(n, abc);
             c.setItemIndex(n, 1);
         },
         State{.text = u"b"_s, .index = 1}},
        {"removing the current item leaves none current", drop,
         [](C& c, N n) {
             c.setItems(n, abc);
             c.setItemIndex(n, 1);
             c.removeItem(n, 1);
         },
         State{.text = u""_s, .items = QStringList{u"a"_s, u"c"_s}, .index = -1}},
        {"removing an item before the current one keeps the current item", drop,
         [](C& c, N n) {
             c.setItems(n, abc);
             c.setItemIndex(n, 2);
             c.removeItem(n, 0);
         },
         State{.text = u"c"_s, .index = 1}},
        {"inserting before the current item keeps the current item", drop,
         [](C& c, N n) {
             c.setItems(n, abc);
             c.setItemIndex(n, 1);
             c.insertItem(n, 0, u"z"_s);
         },
         State{.text = u"b"_s, .index = 2}},
        {"inserting into an empty list makes nothing current", drop,
         [](C& c, N n) {
             c.setItems(n, {});
             c.insertItem(n, 0, u"z"_s);
         },
         State{.text = u""_s, .index = -1}},
        {"setting the text picks the item of that text", drop,
         [](C& c, N n) {
             c.setItems(n, abc);
             c.setText(n, u"c"_s);
         },
         State{.text = u"c"_s, .index = 2}},
        {"setting a text no item has leaves none current", drop,
         [](C& c, N n) {
             c.setItems(n, abc);
             c.setItemIndex(n, 1);
             c.setText(n, u"B"_s);
         },
         State{.text = u""_s, .index = -1}},
        {"an index beyond the items is refused", drop,
         [](C& c, N n) {
             c.setItems(n, abc);
             c.setItemIndex(n, 3);
         },
         std::nullopt},
        {"a negative index makes nothing current", drop,
         [](C& c, N n) {
             c.setItems(n, abc);
             c.setItemIndex(n, 1);
             c.setItemIndex(n, -2);
         },
         State{.text = u""_s, .index = -1}},
        {"removing beyond the items is refused", drop,
         [](C& c, N n) {
             c.setItems(n, abc);
             c.removeItem(n, 3);
         },
         std::nullopt},
        {"inserting beyond the end is refused", drop,
         [](C& c, N n) {
             c.setItems(n, abc);
             c.insertItem(n, 4, u"z"_s);
         },
         std::nullopt},

        // Editable combo boxes: the text is the edit field's.
        {"filling keeps the typed text", edit,
         [](C& c, N n) {
             c.setText(n, u"八百屋"_s);
             c.setItems(n, abc);
         },
         State{.text = u"八百屋"_s, .items = abc, .index = -1}},
        {"making an item current shows it in the field", edit,
         [](C& c, N n) {
             c.setItems(n, abc);
             c.setItemIndex(n, 2);
         },
         State{.text = u"c"_s, .index = 2}},
        {"making no item current empties the field", edit,
         [](C& c, N n) {
             c.setItems(n, abc);
             c.setItemIndex(n, 2);
             c.setItemIndex(n, -1);
         },
         State{.text = u""_s, .index = -1}},
        {"removing the current item keeps the field's text", edit,
         [](C& c, N n) {
             c.setItems(n, abc);
             c.setItemIndex(n, 0);
             c.removeItem(n, 0);
         },
         State{.text = u"a"_s, .index = -1}},
        {"a text that is no item leaves no item current", edit,
         [](C& c, N n) {
             c.setItems(n, abc);
             c.setText(n, u"z"_s);
         },
         State{.text = u"z"_s, .index = -1}},

        // A list box with one choice: the current entry is the selected one.
        {"making an entry current selects it alone", list,
         [](C& c, N n) {
             c.setItems(n, abc);
             c.setItemSelected(n, 0, true);
             c.setItemIndex(n, 1);
         },
         State{.text = u"b"_s, .index = 1, .selected = QList<int>{1}}},
        {"making no entry current leaves none selected", list,
         [](C& c, N n) {
             c.setItems(n, abc);
             c.setItemIndex(n, 1);
             c.setItemIndex(n, -1);
         },
         State{.text = u""_s, .index = -1, .selected = QList<int>{}}},
        {"removing the current entry makes the one below current and selects it", list,
         [](C& c, N n) {
             c.setItems(n, abc);
             c.setItemIndex(n, 1);
             c.removeItem(n, 1);
         },
         State{.text = u"c"_s, .items = QStringList{u"a"_s, u"c"_s}, .index = 1, .selected = QList<int>{1}}},
        {"removing the last entry when current makes the one above current", list,
         [](C& c, N n) {
             c.setItems(n, abc);
             c.setItemIndex(n, 2);
             c.removeItem(n, 2);
         },
         State{.text = u"b"_s, .index = 1, .selected = QList<int>{1}}},
        {"removing the only entry leaves nothing current", list,
         [](C& c, N n) {
             c.setItems(n, {u"a"_s});
             c.setItemIndex(n, 0);
             c.removeItem(n, 0);
         },
         State{.text = u""_s, .index = -1, .selected = QList<int>{}}},
        {"selecting an entry drops the selection of the others", list,
         [](C& c, N n) {
             c.setItems(n, abc);
             c.setItemSelected(n, 0, true);
             c.setItemSelected(n, 2, true);
         },
         State{.index = -1, .selected = QList<int>{2}}},
        {"inserting into an empty list makes nothing current", list,
         [](C& c, N n) {
             c.setItems(n, {});
             c.insertItem(n, 0, u"z"_s);
         },
         State{.text = u""_s, .index = -1, .selected = QList<int>{}}},
        {"inserting before the current entry keeps it current and selected", list,
         [](C& c, N n) {
             c.setItems(n, abc);
             c.setItemIndex(n, 1);
             c.insertItem(n, 0, u"z"_s);
         },
         State{.text = u"b"_s, .index = 2, .selected = QList<int>{2}}},
        {"filling leaves nothing current or selected", list,
         [](C& c, N n) {
             c.setItems(n, abc);
             c.setItemIndex(n, 1);
             c.setItems(n, abc);
         },
         State{.text = u""_s, .index = -1, .selected = QList<int>{}}},
        {"a list's text cannot be set", list, [](C& c, N n) { c.setText(n, u"a"_s); }, std::nullopt},
        {"a list box has no check boxes", list,
         [](C& c, N n) {
             c.setItems(n, abc);
             c.setItemChecked(n, 0, true);
         },
         std::nullopt},

        // A list box with several choices: the current entry and the selection are separate.
        {"making an entry current leaves the selection alone", multi,
         [](C& c, N n) {
             c.setItems(n, abc);
             c.setItemSelected(n, 0, true);
             c.setItemSelected(n, 2, true);
             c.setItemIndex(n, 1);
         },
         State{.text = u"b"_s, .index = 1, .selected = QList<int>{0, 2}}},
        {"removing a selected entry drops it from the selection", multi,
         [](C& c, N n) {
             c.setItems(n, abc);
             c.setItemSelected(n, 0, true);
             c.setItemSelected(n, 2, true);
             c.removeItem(n, 0);
         },
         State{.items = QStringList{u"b"_s, u"c"_s}, .selected = QList<int>{1}}},
        {"removing the current entry makes the one above current and keeps the selection", multi,
         [](C& c, N n) {
             c.setItems(n, abc);
             c.setItemSelected(n, 2, true);
             c.setItemIndex(n, 1);
             c.removeItem(n, 1);
         },
         State{.text = u"a"_s, .items = QStringList{u"a"_s, u"c"_s}, .index = 0, .selected = QList<int>{1}}},
        {"removing the first entry when current makes the one below current", multi,
         [](C& c, N n) {
             c.setItems(n, abc);
             c.setItemIndex(n, 0);
             c.removeItem(n, 0);
         },
         State{.text = u"b"_s, .index = 0, .selected = QList<int>{}}},
        {"several entries are selected at once", multi,
         [](C& c, N n) {
             c.setItems(n, abc);
             c.setItemSelected(n, 0, true);
             c.setItemSelected(n, 2, true);
             c.setItemSelected(n, 0, false);
             c.setItemSelected(n, 1, true);
         },
         State{.index = -1, .selected = QList<int>{1, 2}}},

        // A check list box.
        {"check boxes follow their entries and filling clears them", check,
         [](C& c, N n) {
             c.setItems(n, abc);
             c.setItemChecked(n, 1, true);
             c.insertItem(n, 0, u"z"_s);
         },
         State{.checks = QList<bool>{false, false, true, false}}},
        {"filling clears the check boxes", check,
         [](C& c, N n) {
             c.setItems(n, abc);
             c.setItemChecked(n, 1, true);
             c.setItems(n, abc);
         },
         State{.checks = QList<bool>{false, false, false}}},
        {"a check box beyond the entries is refused", check,
         [](C& c, N n) {
             c.setItems(n, abc);
             (void)c.itemChecked(n, 3);
         },
         std::nullopt},

        // The File menu holds the recent-file history after its fixed items.
        {"the history's entries are its items", file,
         [](C& c, N n) {
             c.setItems(n, {u"/a.txt"_s, u"/b&c.txt"_s});
             c.insertItem(n, 0, u"/z.txt"_s);
             c.removeItem(n, 1);
         },
         State{.items = QStringList{u"/z.txt"_s, u"/b&c.txt"_s}}},
        {"the history has no current entry", file, [](C& c, N n) { c.setItemIndex(n, 0); }, std::nullopt},

        // Date pickers.
        {"a date picker shows its date as stored", fmain::DTP_(1),
         [](C& c, N n) { c.setDate(n, QDate(100, 1, 1)); },
         State{.text = u"0100/01/01"_s, .date = QDate(100, 1, 1)}},
        {"a date before the year 100 is refused", fmain::DTP_(1),
         [](C& c, N n) { c.setDate(n, QDate(99, 12, 31)); }, std::nullopt},
        {"an invalid date is refused", fmain::DTP_(1), [](C& c, N n) { c.setDate(n, QDate()); },
         std::nullopt},
        {"a date picker's text cannot be set", fmain::DTP_(1),
         [](C& c, N n) { c.setText(n, u"2014/05/01"_s); }, std::nullopt},

        // Texts.
        {"a label's text", fmain::LBL_KEN, [](C& c, N n) { c.setText(n, u"3件"_s); },
         State{.text = u"3件"_s}},
        {"an edit's text", fmain::EDT_(1), [](C& c, N n) { c.setText(n, u"1,980"_s); },
         State{.text = u"1,980"_s}},
        {"the window's caption", fmain::F_MAIN, [](C& c, N n) { c.setText(n, u"Pricotta - 無題"_s); },
         State{.text = u"Pricotta - 無題"_s}},
        {"an edit has no items", fmain::EDT_(1), [](C& c, N n) { (void)c.items(n); }, std::nullopt},
        {"a menu item takes no focus", fmain::MN_ADD_OPTION, [](C& c, N n) { c.setFocus(n); }, std::nullopt},
        {"a control the window lacks", fmain::EDT_(1), [](C& c, N) { (void)c.text(u"EDT_6"_s); },
         std::nullopt},
    };
}

// Runs a row and tells what differs from what it expects; empty when nothing does.
QString check(Controls& c, const Row& row) {
    try {
        row.operations(c, row.control);
    } catch (const std::logic_error& e) {
        return row.expected ? u"refused: "_s + QString::fromUtf8(e.what()) : QString();
    }
    if (!row.expected)
        return u"not refused"_s;
    const State& want = *row.expected;
    const QString& n = row.control;
    QStringList differences;
    const auto compare = [&](const char* what, const auto& got, const auto& expected) {
        if (got != expected)
            differences << QString::fromUtf8(what) + u" differs: "_s + QDebug::toString(got);
    };
    if (want.text)
        compare("text", c.text(n), *want.text);
    if (want.items) {
        compare("items", c.items(n), *want.items);
        // The count and the single-item reads agree with the whole list.
        QStringList oneByOne;
        for (int i = 0; i < c.itemCount(n); ++i)
            oneByOne << c.itemText(n, i);
        compare("items read one by one", oneByOne, *want.items);
    }
    if (want.index)
        compare("index", c.itemIndex(n), *want.index);
    if (want.selected)
        compare("selection", c.selectedIndexes(n), *want.selected);
    if (want.checks) {
        QList<bool> checks;
        for (int i = 0; i < c.items(n).size(); ++i)
            checks << c.itemChecked(n, i);
        compare("check boxes", checks, *want.checks);
    }
    if (want.date)
        compare("date", c.date(n), *want.date);
    return differences.join(u", "_s);
}

class ControlContract : public ::testing::TestWithParam<bool> {
  protected:
    std::unique_ptr<Subject> subject() const {
        if (GetParam())
            return std::make_unique<QtSubject>();
        return std::make_unique<PlainSubject>();
    }
};

TEST_P(ControlContract, EachKindHasExactlyTheOperationsOfTheRuleBook) {
    const std::unique_ptr<Subject> s = subject();
    for (const Sample& sample : samples()) {
        const ControlSpec* control = findControl(sample.window, sample.name);
        ASSERT_NE(control, nullptr) << sample.name.toStdString();
        for (int k = 0; k < ControlOpCount; ++k) {
            const auto op = ControlOp(k);
            Controls& c = s->controls(sample.window);
            // The item operations need items to work on.
            if (allows(*control, ControlOp::SetItems))
                c.setItems(sample.name, {u"a"_s, u"b"_s});
            EXPECT_EQ(refuses([&] { call(c, sample.name, op); }), !allows(*control, op))
                << s->label() << ": " << sample.kind << " " << sample.name.toStdString() << " " << opName(op);
        }
    }
}

TEST_P(ControlContract, OperationsLeaveTheStateTheWidgetsLeave) {
    const std::unique_ptr<Subject> s = subject();
    for (const Row& row : rows()) {
        Controls& c = s->controls(sample(row.control).window);
        EXPECT_EQ(check(c, row), QString()) << s->label() << ": " << row.what;
    }
}

INSTANTIATE_TEST_SUITE_P(BothImplementations, ControlContract, ::testing::Values(false, true),
                         [](const auto& info) { return info.param ? "QtControls" : "PlainControls"; });

} // namespace
