// The Qt services offscreen: what the user sees in a message box or input box and what comes back.
#include "core/controls.h"
#include "core/controltable.h"
#include "support/qtprinters.h"
#include "ui/qtuiservices.h"

#include <QAbstractButton>
#include <QApplication>
#include <QDir>
#include <QLineEdit>
#include <QListWidget>
#include <QMessageBox>
#include <QPushButton>
#include <QTest>
#include <QTimer>
#include <gtest/gtest.h>

#include <functional>

using namespace Qt::StringLiterals;

namespace {

// Runs `act` on the modal dialog once it is up.
void whenShown(const std::function<void(QWidget&)>& act) {
    QTimer::singleShot(0, [act] {
        ASSERT_TRUE(QTest::qWaitFor([] { return QApplication::activeModalWidget() != nullptr; }));
        act(*QApplication::activeModalWidget());
    });
}

QAbstractButton* buttonNamed(QMessageBox& box, const QString& text) {
    for (QAbstractButton* b : box.buttons()) {
        if (b->text() == text)
            return b;
    }
    return nullptr;
}

TEST(QtUiServices, MessageBoxesShowTitleButtonsAndDefaultAndCountClosingAsCancel) {
    QWidget owner;
    QtUiServices ui(owner);
    const struct {
        MsgKind kind;
        Buttons buttons;
        Button defaultButton;
        QString title;
        QStringList texts;
        QString defaultText;
        Button onClose; // NoButton: closing is refused and はい is pressed instead
    } cases[] = {
        {MsgKind::Warning, Ok, Ok, u"警告"_s, {u"OK"_s}, u"OK"_s, Ok},
        {MsgKind::Information, Ok, Ok, u"情報"_s, {u"OK"_s}, u"OK"_s, Ok},
        {MsgKind::Stop, Ok, Ok, u"Pricotta"_s, {u"OK"_s}, u"OK"_s, Ok},
        {MsgKind::Confirmation,
         Yes | No | Cancel,
         Yes,
         u"確認"_s,
         {u"はい(&Y)"_s, u"いいえ(&N)"_s, u"キャンセル"_s},
         u"はい(&Y)"_s,
         Cancel},
        {MsgKind::Error,
         Ok | Cancel,
         Cancel,
         u"エラー"_s,
         {u"OK"_s, u"キャンセル"_s},
         u"キャンセル"_s,
         Cancel},
        {MsgKind::Confirmation,
         Yes | No,
         No,
         u"確認"_s,
         {u"はい(&Y)"_s, u"いいえ(&N)"_s},
         u"いいえ(&N)"_s,
         NoButton},
    };
    for (const auto& k : cases) {
        SCOPED_TRACE(k.title.toStdString() + " " + std::to_string(k.buttons));
        QString title;
        QStringList texts;
        QString defaultText;
        bool stayedOpen = false;
        whenShown([&](QWidget& w) {
            auto& box = static_cast<QMessageBox&>(w);
            title = box.windowTitle();
            for (const QString& t : k.texts) {
                if (buttonNamed(box, t))
                    texts << t;
            }
            if (box.defaultButton())
                defaultText = box.defaultButton()->text();
            box.close();
            stayedOpen = box.isVisible();
            if (stayedOpen)
                buttonNamed(box, u"はい(&Y)"_s)->click();
        });
        const Button answer = ui.messageBox(k.kind, u"本文"_s, k.buttons, k.defaultButton);
        EXPECT_EQ(title, k.title);
        EXPECT_EQ(texts, k.texts);
        EXPECT_EQ(defaultText, k.defaultText);
        EXPECT_EQ(stayedOpen, k.onClose == NoButton);
        EXPECT_EQ(answer, k.onClose == NoButton ? Yes : k.onClose);
    }
}

TEST(QtUiServices, InputBoxKeepsALongPreloadedTextAndLimitsTyping) {
    QWidget owner;
    QtUiServices ui(owner);
    const QString longName(300, u'名');

    whenShown([](QWidget& box) {
        for (QPushButton* b : box.findChildren<QPushButton*>()) {
            if (b->text() == u"OK")
                b->click();
        }
    });
    EXPECT_EQ(ui.inputBox(u"商品名の変更"_s, u"新しい商品名"_s, longName), longName);

    QString shown;
    whenShown([&](QWidget& box) {
        auto* edit = box.findChild<QLineEdit*>();
        shown = edit->selectedText();
        edit->clear();
        QTest::keyClicks(edit, QString(256, u'a'));
        QTest::keyClick(edit, Qt::Key_Return); // OK is the default button
    });
    EXPECT_EQ(ui.inputBox(u"商品名の変更"_s, u"新しい商品名"_s, u"牛乳"_s), QString(255, u'a'));
    EXPECT_EQ(shown, u"牛乳"_s) << "the preloaded text is selected";

    whenShown([](QWidget& box) {
        for (QPushButton* b : box.findChildren<QPushButton*>()) {
            if (b->text() == u"キャンセル")
                b->click();
        }
    });
    EXPECT_EQ(ui.inputBox(u"商品名の変更"_s, u"新しい商品名"_s, u"牛乳"_s), std::nullopt);
}

TEST(QtUiServices, RunsADialogWindowBuiltFromItsTable) {
    QWidget owner;
    QtUiServices ui(owner);
    QStringList events;
    DialogRun run;
    run.onStart = [](Controls& c) { c.setItems(u"ListBox1"_s, {u"スーパー"_s, u"八百屋"_s}); };
    run.onEvent = [&](Controls& c, const QString& control, const std::function<void(bool)>&) {
        events << (control == u"ListBox1" ? control + u':' + QString::number(c.itemIndex(control)) : control);
    };

    // The shop-name dialog: a click on an entry reaches its handler, 閉じる runs its handler and
    // closes with OK; Esc (no cancel button) closes as the close box does, without OK.
    run.window = &tenmeiWindowSpec();
    whenShown([](QWidget& w) {
        EXPECT_EQ(w.windowTitle(), u"店名管理"_s);
        EXPECT_EQ(w.size(), QSize(470, 274));
        auto* list = w.findChild<QListWidget*>(u"ListBox1"_s);
        QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, list->visualItemRect(list->item(1)).center());
        w.findChild<QAbstractButton*>(u"OKBtn"_s)->click();
    });
    EXPECT_TRUE(ui.runDialog(run));
    EXPECT_EQ(events, (QStringList{u"ListBox1:1"_s, u"OKBtn"_s}));
    events.clear();
    whenShown([](QWidget& w) { QTest::keyClick(&w, Qt::Key_Escape); });
    EXPECT_FALSE(ui.runDialog(run));
    EXPECT_TRUE(events.isEmpty());

    // The history dialog: Esc presses its cancel button, which closes without OK.
    events.clear();
    run.window = &rirekiWindowSpec();
    run.onStart = nullptr;
    whenShown([](QWidget& w) { QTest::keyClick(&w, Qt::Key_Escape); });
    EXPECT_FALSE(ui.runDialog(run));
    EXPECT_EQ(events, QStringList{u"CancelBtn"_s});
}

TEST(QtUiServices, QtsOwnTextsAreJapaneseWhenItsFirstDialogShows) {
    QWidget owner;
    QtUiServices ui(owner);
    QString lookIn;
    QStringList buttons;
    whenShown([&](QWidget& dialog) {
        lookIn = QCoreApplication::translate("QFileDialog", "Look in:");
        for (const QPushButton* b : dialog.findChildren<QPushButton*>())
            buttons << b->text();
        dialog.close();
    });
    EXPECT_EQ(ui.openFileDialog(FileDialogRequest{QDir::tempPath(), {}}), std::nullopt);
    EXPECT_NE(lookIn, u"Look in:"_s);
    EXPECT_TRUE(buttons.contains(u"キャンセル"_s)) << buttons.join(u' ').toStdString();
}

} // namespace
