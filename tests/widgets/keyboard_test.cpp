// Every command by keyboard: the keys of the whole window run the menu commands and the buttons that
// never take the focus, through the same path as a click; the menus and the tool tips show them; none
// is a key the edits use for themselves; the dialogs are walked by Tab and closed by Esc.
#include "core/controls.h"
#include "core/controltable.h"
#include "notebook/pricebook.h"
#include "support/qtprinters.h"
#include "support/testfiles.h"
#include "ui/dialogwindow.h"
#include "ui/mainwindow.h"
#include "ui/qtcontrols.h"
#include "ui/qtuiservices.h"

#include <QAbstractButton>
#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QComboBox>
#include <QFile>
#include <QHash>
#include <QImage>
#include <QKeyEvent>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QMessageBox>
#include <QPlainTextEdit>
#include <QSet>
#include <QShortcut>
#include <QSignalSpy>
#include <QTest>
#include <QTimer>
#include <gtest/gtest.h>

#include <algorithm>
#include <memory>
#include <optional>
#include <vector>

using namespace Qt::StringLiterals;

namespace {

// One product of a notebook: its name and standard price, one observation, no memo.
QStringList record(const QString& name, const QString& price) {
    QStringList lines{name, price, u"A店"_s, price, u"2024/05/01"_s};
    for (int slot = 2; slot <= PriceSlots; ++slot)
        lines << QString() << QString() << u"2024/05/01"_s;
    return lines << QString();
}

// The keys that a single-line edit (QLineEdit, the edit of a combo box and of a date picker) and the
// memo (QPlainTextEdit) handle themselves. The standard keys through the platform's bindings, and,
// as the tests may run under another keyboard scheme than a Linux desktop's, the keys the X11
// scheme binds and the emacs keys Qt's line edit handles there.
QSet<QKeyCombination> editKeys(const QWidget& window) {
    using SK = QKeySequence::StandardKey;
    const SK standard[] = {
        SK::Undo,
        SK::Redo,
        SK::Cut,
        SK::Copy,
        SK::Paste,
        SK::SelectAll,
        SK::Deselect,
        SK::Delete,
        SK::Backspace,
        SK::DeleteStartOfWord,
        SK::DeleteEndOfWord,
        SK::DeleteEndOfLine,
        SK::DeleteCompleteLine,
        SK::InsertParagraphSeparator,
        SK::InsertLineSeparator,
        SK::MoveToNextChar,
        SK::MoveToPreviousChar,
        SK::MoveToNextWord,
        SK::MoveToPreviousWord,
        SK::MoveToNextLine,
        SK::MoveToPreviousLine,
        SK::MoveToNextPage,
        SK::MoveToPreviousPage,
        SK::MoveToStartOfLine,
        SK::MoveToEndOfLine,
        SK::MoveToStartOfBlock,
        SK::MoveToEndOfBlock,
        SK::MoveToStartOfDocument,
        SK::MoveToEndOfDocument,
        SK::SelectNextChar,
        SK::SelectPreviousChar,
        SK::SelectNextWord,
        SK::SelectPreviousWord,
        SK::SelectNextLine,
        SK::SelectPreviousLine,
        SK::SelectNextPage,
        SK::SelectPreviousPage,
        SK::SelectStartOfLine,
        SK::SelectEndOfLine,
        SK::SelectStartOfBlock,
        SK::SelectEndOfBlock,
        SK::SelectStartOfDocument,
        SK::SelectEndOfDocument,
        SK::ZoomIn,
        SK::ZoomOut,
    };
    QSet<QKeyCombination> keys;
    for (SK key : standard) {
        for (const QKeySequence& binding : QKeySequence::keyBindings(key))
            keys.insert(binding[0]);
    }
    const QKeyCombination x11[] = {
        // emacs keys of the line edit: start and end of line, a character back and forth, delete
        // forward and back, delete to the end of the line, delete the line, delete a word back.
        Qt::CTRL | Qt::Key_A,
        Qt::CTRL | Qt::Key_E,
        Qt::CTRL | Qt::Key_B,
        Qt::CTRL | Qt::Key_F,
        Qt::CTRL | Qt::Key_D,
        Qt::CTRL | Qt::Key_H,
        Qt::CTRL | Qt::Key_K,
        Qt::CTRL | Qt::Key_U,
        Qt::CTRL | Qt::Key_W,
        Qt::CTRL | Qt::Key_Y,
        // the X11 scheme's clipboard, undo and word keys
        Qt::CTRL | Qt::Key_Insert,
        Qt::SHIFT | Qt::Key_Insert,
        Qt::CTRL | Qt::SHIFT | Qt::Key_Insert,
        Qt::SHIFT | Qt::Key_Delete,
        Qt::CTRL | Qt::SHIFT | Qt::Key_Z,
        Qt::CTRL | Qt::Key_Backspace,
        Qt::CTRL | Qt::Key_Delete,
        Qt::CTRL | Qt::Key_Left,
        Qt::CTRL | Qt::Key_Right,
        Qt::CTRL | Qt::Key_Home,
        Qt::CTRL | Qt::Key_End,
        Qt::CTRL | Qt::Key_Up,
        Qt::CTRL | Qt::Key_Down,
        Qt::Key_F14,
        Qt::Key_F16,
        Qt::Key_F18,
        Qt::Key_F20,
        // lines and pages, and the steps of a date picker
        Qt::Key_Up,
        Qt::Key_Down,
        Qt::Key_PageUp,
        Qt::Key_PageDown,
    };
    for (QKeyCombination key : x11)
        keys.insert(key);
    // A combo box opens its list, and a date picker its calendar, with these.
    if (window.findChild<QComboBox*>()) {
        for (QKeyCombination key :
             {Qt::ALT | Qt::Key_Down, Qt::ALT | Qt::Key_Up, QKeyCombination(Qt::Key_F4)})
            keys.insert(key);
    }
    return keys;
}

// The keys that work wherever the focus is in `window`, by the control or menu item they run.
std::vector<std::pair<QString, QKeyCombination>> windowWideKeys(const QWidget& window) {
    std::vector<std::pair<QString, QKeyCombination>> keys;
    for (const QShortcut* s : window.findChildren<QShortcut*>()) {
        if (s->context() == Qt::WindowShortcut || s->context() == Qt::ApplicationShortcut)
            keys.emplace_back(s->objectName(), s->key()[0]);
    }
    for (const QAction* a : window.findChildren<QAction*>()) {
        if (!a->shortcut().isEmpty() &&
            (a->shortcutContext() == Qt::WindowShortcut || a->shortcutContext() == Qt::ApplicationShortcut))
            keys.emplace_back(a->objectName(), a->shortcut()[0]);
    }
    return keys;
}

class KeyboardTest : public ::testing::Test {
  protected:
    TestDir dir;
    MainWindow window{dir.path()};
    QtControls& c = window.controls();

    void activate() {
        window.show();
        window.activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(&window));
    }
};

TEST_F(KeyboardTest, KeysRunTheCommandsAsTheirClicksDoAndAreShown) {
    // Whatever the commands open (file dialogs, refusals) is closed again at once.
    QTimer closer;
    QObject::connect(&closer, &QTimer::timeout, [] {
        if (QWidget* modal = QApplication::activeModalWidget())
            modal->close();
    });
    closer.start(10);

    int keys = 0;
    for (const ControlSpec& entry : mainWindowSpec().controls) {
        const QString control = QString::fromUtf16(entry.name);
        if (entry.key == QKeyCombination() || control == u"MN_EXIT") // 終了: its own test
            continue;
        SCOPED_TRACE(control.toStdString());
        ++keys;
        activate();
        const QString shown = QKeySequence(entry.key).toString(QKeySequence::NativeText);
        auto* action = window.findChild<QAction*>(control);
        auto* button = window.findChild<QAbstractButton*>(control);
        std::optional<QSignalSpy> picks;
        if (action) {
            // Beside the item's caption, which stays as it is.
            EXPECT_EQ(action->shortcut(), QKeySequence(entry.key));
            EXPECT_EQ(action->text(), QString::fromUtf16(entry.text));
            picks.emplace(action, &QAction::triggered);
        } else {
            EXPECT_TRUE(window.findChild<QWidget*>(control)->toolTip().contains(shown));
            if (button)
                picks.emplace(button, &QAbstractButton::clicked);
        }
        c.setFocus(u"EDT_1"_s); // keys work wherever the focus is
        QTest::keyClick(QApplication::focusWidget(), entry.key.key(), entry.key.keyboardModifiers());
        if (picks)
            EXPECT_EQ(picks->count(), 1);
        else
            EXPECT_TRUE(QTest::qWaitFor([&] { return c.focused() == control; })) << "the key takes the focus";
    }
    EXPECT_GT(keys, 0);
    // 上書き保存 of the panel shows the key of the menu's 上書き保存, which it runs.
    EXPECT_TRUE(window.findChild<QWidget*>(u"SPD_SAVE"_s)->toolTip().contains(u"Ctrl+S"_s));
    // The hint keeps its text before the key.
    EXPECT_TRUE(
        window.findChild<QWidget*>(u"SPD_SAGAKU"_s)->toolTip().startsWith(u"標準価格との差額を計算"_s));
}

TEST_F(KeyboardTest, NoKeyOfAWindowIsAKeyTheEditsUse) {
    ASSERT_TRUE(editKeys(window).contains(Qt::CTRL | Qt::Key_D))
        << "Ctrl+D deletes the next character on Linux";
    std::vector<std::unique_ptr<DialogWindow>> dialogs;
    std::vector<const QWidget*> windows{&window};
    for (const WindowSpec* table :
         {&tenmeiWindowSpec(), &oldSiboWindowSpec(), &miseSiboWindowSpec(), &rirekiWindowSpec()}) {
        dialogs.push_back(std::make_unique<DialogWindow>(*table, nullptr));
        windows.push_back(dialogs.back().get());
    }
    for (const QWidget* w : windows) {
        const QSet<QKeyCombination> editUses = editKeys(*w);
        const auto keys = windowWideKeys(*w);
        EXPECT_FALSE(keys.empty() && w == &window);
        QSet<QKeyCombination> seen;
        for (const auto& [control, key] : keys) {
            const std::string what = w->windowTitle().toStdString() + " " + control.toStdString() + " " +
                                     QKeySequence(key).toString().toStdString();
            EXPECT_FALSE(editUses.contains(key)) << what;
            EXPECT_FALSE(seen.contains(key)) << what << " twice";
            seen.insert(key);
        }
    }
}

TEST_F(KeyboardTest, CtrlDReachesTheEditsAndRunsNoCommand) {
    activate();
    c.setText(u"EDT_TEIKA"_s, u"1000"_s);
    QSignalSpy differences(window.findChild<QAbstractButton*>(u"SPD_SAGAKU"_s), &QAbstractButton::clicked);
    for (const QString& edit : {u"EDT_1"_s, u"Memo1"_s, u"EDT_SYOMEI"_s}) {
        SCOPED_TRACE(edit.toStdString());
        QWidget* target = window.findChild<QWidget*>(edit);
        if (auto* memo = qobject_cast<QPlainTextEdit*>(target))
            target = memo->viewport()->parentWidget();
        struct KeySeen : QObject {
            int count = 0;
            bool eventFilter(QObject*, QEvent* e) override {
                if (e->type() == QEvent::KeyPress) {
                    const auto* key = static_cast<QKeyEvent*>(e);
                    if (key->key() == Qt::Key_D && key->modifiers() == Qt::ControlModifier)
                        ++count;
                }
                return false;
            }
        } seen;
        target->installEventFilter(&seen);
        c.setFocus(edit);
        ASSERT_TRUE(QTest::qWaitFor([&] { return c.focused() == edit; }));
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_D, Qt::ControlModifier);
        EXPECT_EQ(seen.count, 1) << "the edit gets the key";
        target->removeEventFilter(&seen);
    }
    EXPECT_EQ(differences.count(), 0);
    EXPECT_EQ(c.text(u"LBL_SA_1"_s), u"*"_s);
}

TEST_F(KeyboardTest, KeysWorkOnThePanelAsTheButtonsDo) {
    activate();
    c.setText(u"EDT_TEIKA"_s, u"1000"_s);
    c.setText(u"EDT_1"_s, u"980"_s);
    c.setText(u"EDT_2"_s, u"990"_s);
    c.setText(u"Memo1"_s, u"特売"_s);
    c.setFocus(u"EDT_1"_s);
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_F9);
    EXPECT_EQ(c.text(u"LBL_SA_1"_s), u"20"_s);
    EXPECT_EQ(c.text(u"EDT_1"_s), u"980"_s) << "the key is no text typed into the field";
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_2, Qt::AltModifier);
    EXPECT_EQ(c.text(u"EDT_2"_s), QString()) << "Alt+2 is the 消 of row 2";
    EXPECT_EQ(c.text(u"EDT_1"_s), u"980"_s);
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_M, Qt::ControlModifier | Qt::ShiftModifier);
    EXPECT_EQ(c.text(u"Memo1"_s), QString());
}

TEST_F(KeyboardTest, CtrlLTakesTheFocusToTheProductListWhereArrowsPickAndCtrlCCopies) {
    QStringList lines{u"zorvandata"_s};
    lines << record(u"パン"_s, u"160"_s) << record(u"牛乳"_s, u"198"_s);
    ASSERT_TRUE(window.form().LoadPriceBook(dir.write(u"book.txt"_s, cp932Lines(lines))));
    activate();
    c.setFocus(u"EDT_SYOMEI"_s);
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_L, Qt::ControlModifier);
    ASSERT_TRUE(QTest::qWaitFor([&] { return c.focused() == u"CBO_SYOMEI"; }));

    const auto priceOf = [](const QString& product) { return product == u"パン" ? u"160"_s : u"198"_s; };
    for (int pick = 0; pick < 2; ++pick) {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Down);
        ASSERT_EQ(c.itemIndex(u"CBO_SYOMEI"_s), pick);
        EXPECT_EQ(c.text(u"EDT_TEIKA"_s), priceOf(c.text(u"CBO_SYOMEI"_s))) << "the pick fills the panel";
    }
    EXPECT_EQ(c.focused(), u"CBO_SYOMEI"_s);

    // In the list Ctrl+C is コピー of its pop-up menu, which shows the key; in an edit it stays the edit's.
    QGuiApplication::clipboard()->clear();
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_C, Qt::ControlModifier);
    EXPECT_EQ(QGuiApplication::clipboard()->text(), c.text(u"CBO_SYOMEI"_s));
    EXPECT_EQ(window.findChild<QAction*>(u"POP_COPY"_s)->shortcut(), QKeySequence(QKeySequence::Copy));
    c.setText(u"EDT_SYOMEI"_s, u"新商品"_s);
    c.setFocus(u"EDT_SYOMEI"_s);
    ASSERT_TRUE(QTest::qWaitFor([&] { return c.focused() == u"EDT_SYOMEI"; }));
    window.findChild<QLineEdit*>(u"EDT_SYOMEI"_s)->selectAll();
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_C, Qt::ControlModifier);
    EXPECT_EQ(QGuiApplication::clipboard()->text(), u"新商品"_s);
}

TEST_F(KeyboardTest, CtrlQQuitsThroughTheCloseSequenceOf終了) {
    activate();
    c.setText(u"EDT_TEIKA"_s, u"1000"_s);
    window.form().setDirty(true);
    // The save question of closing comes first; キャンセル keeps the window, いいえ lets it close.
    QStringList asked;
    for (const QString& answer : {u"キャンセル"_s, u"いいえ(&N)"_s}) {
        QTimer::singleShot(0, [&asked, answer] {
            ASSERT_TRUE(QTest::qWaitFor([] { return QApplication::activeModalWidget() != nullptr; }));
            auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
            ASSERT_NE(box, nullptr);
            asked << box->text();
            for (QAbstractButton* b : box->buttons()) {
                if (b->text() == answer)
                    b->click();
            }
        });
        c.setFocus(u"EDT_1"_s);
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Q, Qt::ControlModifier);
        ASSERT_TRUE(QTest::qWaitFor([&] { return asked.size() == (answer == u"キャンセル" ? 1 : 2); }));
        if (answer == u"キャンセル") {
            EXPECT_TRUE(window.isVisible());
            activate();
        }
    }
    EXPECT_EQ(asked, QStringList(2, u"無題 の変更を保存しますか？"_s));
    EXPECT_TRUE(QTest::qWaitFor([&] { return !window.isVisible(); }));
    // The close wrote the settings as every close attempt does.
    EXPECT_TRUE(QFile::exists(dir.file(u"zorvan.ini"_s)));
}

// The manual's keyboard section names every key of the main window and of the dialogs.
TEST(KeyboardManual, NamesEveryKey) {
    QFile file(QStringLiteral(PRICOTTA_SOURCE_DIR) + u"/resources/zorvan_00.html"_s);
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    const QString manual = QString::fromUtf8(file.readAll());
    const QString section = manual.mid(manual.indexOf(u"<h2>キーボード操作</h2>"_s));
    for (const WindowSpec* table : {&mainWindowSpec(), &tenmeiWindowSpec(), &oldSiboWindowSpec(),
                                    &miseSiboWindowSpec(), &rirekiWindowSpec()}) {
        for (const ControlSpec& c : table->controls) {
            if (c.key == QKeyCombination())
                continue;
            QStringList parts;
            for (QString part : QKeySequence(c.key).toString(QKeySequence::PortableText).split(u'+')) {
                part.replace(u"Del"_s, u"Delete"_s).replace(u"Up"_s, u"↑"_s).replace(u"Down"_s, u"↓"_s);
                parts << u"<kbd>"_s + part + u"</kbd>"_s;
            }
            EXPECT_TRUE(section.contains(parts.join(u'+'))) << parts.join(u'+').toStdString();
        }
    }
}

// Tab walks the tab stops of `window` in the table's order and round again, and each shows that it
// has the focus: it looks otherwise than while another control has it.
void expectTabWalkShowingTheFocus(QWidget& window, const WindowSpec& table) {
    std::vector<const ControlSpec*> stops;
    for (const ControlSpec& c : table.controls) {
        if (c.tabStop)
            stops.push_back(&c);
    }
    std::sort(stops.begin(), stops.end(), [](auto* a, auto* b) { return a->tab < b->tab; });
    const auto widgetOf = [&](const ControlSpec* c) {
        return window.findChild<QWidget*>(QString::fromUtf16(c->name));
    };
    QWidget* first = widgetOf(stops.front());
    first->setFocus(Qt::TabFocusReason);
    ASSERT_TRUE(QTest::qWaitFor([&] { return first->hasFocus(); }));
    QHash<QWidget*, QImage> unfocused;
    for (const ControlSpec* c : stops) {
        if (widgetOf(c) != first)
            unfocused.insert(widgetOf(c), widgetOf(c)->grab().toImage());
    }
    QStringList walked;
    for (size_t i = 0; i <= stops.size(); ++i) {
        QWidget* focus = QApplication::focusWidget();
        // The control the focus is in: an editable combo box has it in its edit.
        QWidget* control = focus;
        while (control && control->objectName().isEmpty())
            control = control->parentWidget();
        walked << control->objectName();
        if (unfocused.contains(control)) {
            EXPECT_NE(control->grab().toImage(), unfocused.value(control))
                << control->objectName().toStdString() << " shows no focus";
        }
        QTest::keyClick(focus, Qt::Key_Tab);
        QCoreApplication::processEvents();
    }
    QStringList expected;
    for (const ControlSpec* c : stops)
        expected << QString::fromUtf16(c->name);
    expected << expected.front();
    EXPECT_EQ(walked, expected);
}

TEST_F(KeyboardTest, EveryControlIsATabStopOrHasAKeyAndTheFocusShows) {
    for (const ControlSpec& c : mainWindowSpec().controls) {
        const bool acts =
            c.kind != ControlKind::Label && c.kind != ControlKind::Form && c.kind != ControlKind::MenuItem;
        // 上書き保存 of the panel runs, and shows, the key of the menu's 上書き保存.
        const bool keyed = c.key != QKeyCombination() || QStringView(c.name) == u"SPD_SAVE";
        EXPECT_TRUE(!acts || c.tabStop || keyed) << QString::fromUtf16(c.name).toStdString();
    }
    activate();
    expectTabWalkShowingTheFocus(window, mainWindowSpec());
}

// Each dialog: every control that does something is a tab stop, Tab walks them showing the focus,
// and Esc closes the window.
TEST(DialogKeyboard, TabReachesEveryControlAndEscCloses) {
    QWidget owner;
    QtUiServices ui(owner);
    for (const WindowSpec* table :
         {&tenmeiWindowSpec(), &oldSiboWindowSpec(), &miseSiboWindowSpec(), &rirekiWindowSpec()}) {
        SCOPED_TRACE(QString::fromUtf16(table->name).toStdString());
        DialogRun run;
        run.window = table;
        run.onStart = [table](Controls& c) {
            for (const ControlSpec& control : table->controls) {
                const QString name = QString::fromUtf16(control.name);
                if (control.kind == ControlKind::ListBox || control.kind == ControlKind::MultiListBox ||
                    control.kind == ControlKind::CheckListBox || control.kind == ControlKind::DropList)
                    c.setItems(name, {u"一"_s, u"二"_s});
            }
        };
        bool walked = false;
        QTimer::singleShot(0, [&] {
            ASSERT_TRUE(QTest::qWaitFor([] { return QApplication::activeModalWidget() != nullptr; }));
            QWidget& dialog = *QApplication::activeModalWidget();
            ASSERT_TRUE(QTest::qWaitForWindowActive(&dialog));
            for (const ControlSpec& c : table->controls) {
                if (c.kind != ControlKind::Label && c.kind != ControlKind::Form) {
                    EXPECT_TRUE(c.tabStop) << QString::fromUtf16(c.name).toStdString() << " is no tab stop";
                }
            }
            expectTabWalkShowingTheFocus(dialog, *table);
            walked = true;
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Escape);
        });
        EXPECT_FALSE(ui.runDialog(run)) << "Esc closes without the result OK";
        EXPECT_TRUE(walked);
    }
}

} // namespace
