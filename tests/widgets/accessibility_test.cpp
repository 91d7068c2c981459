// Every window as a screen reader reaches it: through QAccessible, each control that takes the
// focus or can be pressed has a name, and the name says what the control is, never its value.
#include "core/controls.h"
#include "core/controltable.h"
#include "support/qtprinters.h"
#include "support/testfiles.h"
#include "ui/dialogwindow.h"
#include "ui/folderpicker.h"
#include "ui/inputbox.h"
#include "ui/mainwindow.h"
#include "ui/pushbutton.h"
#include "ui/qtcontrols.h"

#include <QAccessible>
#include <QComboBox>
#include <QLabel>
#include <QWidget>
#include <gtest/gtest.h>

#include <functional>
#include <memory>

using namespace Qt::StringLiterals;

namespace {

bool pressable(QAccessible::Role role) {
    return role == QAccessible::PushButton || role == QAccessible::CheckBox ||
           role == QAccessible::RadioButton || role == QAccessible::ButtonMenu;
}

// The widgets of the accessible tree below `root` that the user can reach and that have no name.
// A widget whose focus goes to another (the text field of a combo box goes to the box) is reached
// through that other one.
QStringList namelessControls(QAccessibleInterface* root) {
    QStringList nameless;
    const std::function<void(QAccessibleInterface*)> walk = [&](QAccessibleInterface* node) {
        for (int i = 0; i < node->childCount(); ++i) {
            QAccessibleInterface* child = node->child(i);
            if (!child)
                continue;
            auto* widget = qobject_cast<QWidget*>(child->object());
            const bool reached =
                (child->state().focusable && widget && !widget->focusProxy()) || pressable(child->role());
            if (widget && reached && child->text(QAccessible::Name).trimmed().isEmpty())
                nameless << widget->objectName() + u" ("_s +
                                QString::fromLatin1(widget->metaObject()->className()) + u')';
            walk(child);
        }
    };
    walk(root);
    return nameless;
}

TEST(Accessibility, EveryWindowNamesEveryControlThatCanBeReached) {
    TestDir dir;
    QWidget owner;
    const struct {
        const char* window;
        std::function<std::unique_ptr<QWidget>()> make;
    } windows[] = {
        {"main window", [&] { return std::make_unique<MainWindow>(dir.path()); }},
        {"店名管理", [&] { return std::make_unique<DialogWindow>(tenmeiWindowSpec(), &owner); }},
        {"１年以上前のデータ", [&] { return std::make_unique<DialogWindow>(oldSiboWindowSpec(), &owner); }},
        {"店名絞込み", [&] { return std::make_unique<DialogWindow>(miseSiboWindowSpec(), &owner); }},
        {"ファイル履歴の削除", [&] { return std::make_unique<DialogWindow>(rirekiWindowSpec(), &owner); }},
        {"folder picker", [&] { return std::make_unique<FolderPicker>(u"フォルダを選択"_s, &owner); }},
        {"input box",
         [&] { return std::make_unique<InputBox>(u"商品名の変更"_s, u"新しい商品名"_s, u"牛乳"_s, &owner); }},
    };
    for (const auto& w : windows) {
        SCOPED_TRACE(w.window);
        const std::unique_ptr<QWidget> window = w.make();
        window->show();
        EXPECT_EQ(namelessControls(QAccessible::queryAccessibleInterface(window.get())), QStringList());
    }
}

const QAccessibleInterface& accessible(QWidget& window, const QString& name) {
    QWidget* w = window.findChild<QWidget*>(name);
    if (!w)
        throw std::logic_error("no widget " + name.toStdString());
    return *QAccessible::queryAccessibleInterface(w);
}

TEST(Accessibility, NamesSayWhatAControlIsWhateverItHolds) {
    TestDir dir;
    MainWindow window(dir.path());
    QtControls& c = window.controls();
    c.setItems(u"CBO_SYOMEI"_s, {u"牛乳"_s, u"パン"_s});
    c.setItemIndex(u"CBO_SYOMEI"_s, 1);
    c.setText(u"CBO_MISE2"_s, u"八百屋"_s);
    c.setText(u"EDT_2"_s, u"150"_s);

    const struct {
        const char16_t* control;
        const char16_t* name;
        const char16_t* value;
    } cases[] = {
        {u"CBO_SYOMEI", u"リスト", u"パン"},
        {u"CBO_MISE1", u"店名 1", u""},
        {u"CBO_MISE2", u"店名 2", u"八百屋"},
        {u"EDT_2", u"時価 2", u"150"},
        {u"DTP_5", u"記録日 5", nullptr},
        {u"EDT_SYOMEI", u"商品名", u""},
        {u"Memo1", u"メモ", u""},
        {u"SPD_MEMO_DEL", u"メモを消す", nullptr},
        {u"BTN_DEL3", u"消 3", nullptr},
        {u"LBL_KOUSIN", u"更新中", nullptr},
        {u"LBL_SA_1", u"*", nullptr}, // a label that shows a value is read as the value
    };
    for (const auto& k : cases) {
        const QString control = QString::fromUtf16(k.control);
        SCOPED_TRACE(control.toStdString());
        const QAccessibleInterface& a = accessible(window, control);
        EXPECT_EQ(a.text(QAccessible::Name), QString::fromUtf16(k.name));
        if (k.value) {
            EXPECT_EQ(a.text(QAccessible::Value), QString::fromUtf16(k.value));
        }
    }

    // The dialogs' own controls, by what they are.
    QWidget owner;
    DialogWindow tenmei(tenmeiWindowSpec(), &owner);
    EXPECT_EQ(accessible(tenmei, u"TXT_MOJI_EDIT"_s).text(QAccessible::Name), u"入力ボックス"_s);
    EXPECT_EQ(accessible(tenmei, u"SPD_L_UP"_s).text(QAccessible::Name), u"上へ移動"_s);
    EXPECT_EQ(accessible(tenmei, u"SPD_L_DOWN"_s).text(QAccessible::Name), u"下へ移動"_s);
}

TEST(Accessibility, DifferencesAreDescribedByRowAndByWhatTheirColourSays) {
    TestDir dir;
    MainWindow window(dir.path());
    QtControls& c = window.controls();
    const auto description = [&](int row) {
        return accessible(window, u"LBL_SA_"_s + QString::number(row)).text(QAccessible::Description);
    };
    EXPECT_EQ(description(1), u"差額 1"_s);

    c.setText(u"EDT_TEIKA"_s, u"1000"_s);
    c.setText(u"EDT_1"_s, u"980"_s);
    c.setText(u"EDT_2"_s, u"1050"_s);
    c.setText(u"EDT_3"_s, u"1000"_s);
    window.form().SPD_SAGAKUClick();
    EXPECT_EQ(description(1), u"差額 1、最安"_s);
    EXPECT_EQ(description(2), u"差額 2、最高"_s);
    EXPECT_EQ(description(3), u"差額 3"_s);
    EXPECT_EQ(accessible(window, u"LBL_SA_1"_s).text(QAccessible::Name), u"20"_s);

    // Picking another product puts the labels back to "*" in black.
    window.form().ClearEntryPanel();
    EXPECT_EQ(description(1), u"差額 1"_s);
    EXPECT_EQ(description(2), u"差額 2"_s);
}

} // namespace
