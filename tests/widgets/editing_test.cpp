// A product typed into the real window, added and saved, reaches the file exactly as typed.
#include "core/textfile.h"
#include "support/testfiles.h"
#include "ui/mainwindow.h"
#include "ui/qtcontrols.h"

#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QFileDialog>
#include <QInputMethodEvent>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTest>
#include <QTimer>
#include <gtest/gtest.h>

using namespace Qt::StringLiterals;

namespace {

// Types text as the user does: Japanese arrives from the input method as a committed string.
void type(QWidget* widget, const QString& text) {
    ASSERT_TRUE(widget);
    QInputMethodEvent event;
    event.setCommitString(text);
    QCoreApplication::sendEvent(widget, &event);
}

TEST(EditingInTheWindow, TypedProductIsAddedAndSavedExactly) {
    TestDir dir;
    MainWindow window(dir.path());
    window.show();
    window.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&window));

    type(window.findChild<QLineEdit*>(u"EDT_SYOMEI"_s), u"牛乳 1L"_s);
    QTest::keyClicks(window.findChild<QLineEdit*>(u"EDT_TEIKA"_s), u"1,980"_s);
    type(window.findChild<QComboBox*>(u"CBO_MISE1"_s)->lineEdit(), u"A店"_s);
    QTest::keyClicks(window.findChild<QLineEdit*>(u"EDT_1"_s), u"178.5"_s);
    type(window.findChild<QPlainTextEdit*>(u"Memo1"_s), u"特売\u00A0水曜"_s);
    QTest::mouseClick(window.findChild<QPushButton*>(u"BTN_ADD"_s), Qt::LeftButton);
    EXPECT_EQ(window.controls().items(u"CBO_SYOMEI"_s), QStringList{u"牛乳 1L"_s});
    EXPECT_EQ(window.controls().text(u"LBL_KEN"_s), u"1件"_s);
    EXPECT_TRUE(window.controls().enabled(u"SPD_SAVE"_s));

    const QString path = dir.file(u"notes.txt"_s);
    QTimer::singleShot(0, [&] {
        ASSERT_TRUE(QTest::qWaitFor([] { return QApplication::activeModalWidget() != nullptr; }));
        auto* dialog = qobject_cast<QFileDialog*>(QApplication::activeModalWidget());
        ASSERT_TRUE(dialog);
        dialog->selectFile(path);
        QMetaObject::invokeMethod(dialog, "accept");
    });
    window.findChild<QAction*>(u"MN_SAVE"_s)->trigger();
    EXPECT_FALSE(window.controls().enabled(u"SPD_SAVE"_s));

    const DecodedText saved = textfile::decode(dir.read(u"notes.txt"_s));
    ASSERT_EQ(saved.lines.size(), 19);
    const QString today = QDate::currentDate().toString(u"yyyy/MM/dd"_s);
    EXPECT_EQ(saved.lines.mid(0, 6),
              (QStringList{u"zorvandata"_s, u"牛乳 1L"_s, u"1980"_s, u"A店"_s, u"178"_s, today}));
    EXPECT_EQ(saved.lines[18], u"特売\u00A0水曜"_s);  // the no-break space survives
    EXPECT_EQ(saved.encoding, TextEncoding::Utf8Bom); // which code page 932 cannot hold
    EXPECT_TRUE(window.windowTitle().endsWith(u"notes.txt"_s));
}

} // namespace
