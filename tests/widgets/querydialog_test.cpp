// A query dialog offscreen: what its shop list and a double-click on its product list reach, and
// what a double-click anywhere on the list does in the real window.
#include "core/controls.h"
#include "core/controltable.h"
#include "notebook/pricebook.h"
#include "support/qtprinters.h"
#include "support/testfiles.h"
#include "ui/mainwindow.h"
#include "ui/qtcontrols.h"
#include "ui/qtuiservices.h"

#include <QAbstractButton>
#include <QApplication>
#include <QComboBox>
#include <QDialog>
#include <QListWidget>
#include <QTest>
#include <QTimer>
#include <gtest/gtest.h>

using namespace Qt::StringLiterals;

namespace {

// Presses, releases, then double-clicks and releases, as the window system delivers a double-click.
void doubleClick(QListWidget& list, int row, Qt::MouseButton button) {
    const QPoint at = list.visualItemRect(list.item(row)).center();
    QTest::mouseClick(list.viewport(), button, {}, at);
    QTest::mouseDClick(list.viewport(), button, {}, at);
    QTest::mouseRelease(list.viewport(), button, {}, at);
}

TEST(QueryDialog, ShopChoicesAndALeftDoubleClickOnAnEntryReachTheHandlers) {
    QWidget owner;
    QtUiServices ui(owner);
    QStringList events;
    DialogRun run;
    run.window = &miseSiboWindowSpec();
    run.onStart = [](Controls& c) {
        c.setItems(u"CBO_MISE"_s, {u"A店"_s, u"B店"_s});
        c.setItemIndex(u"CBO_MISE"_s, 0);
        c.setItems(u"LST_SYO"_s, {u"牛乳"_s, u"卵"_s});
    };
    run.onEvent = [&](Controls& c, const QString& control, const std::function<void(bool)>&) {
        events << control + u':' + c.text(control);
    };
    run.onDoubleClick = [&](Controls& c, const QString& control, const std::function<void(bool)>& close) {
        events << u"double "_s + control + u':' + c.text(control);
        close(true);
    };

    QTimer::singleShot(0, [] {
        ASSERT_TRUE(QTest::qWaitFor([] { return QApplication::activeModalWidget() != nullptr; }));
        QWidget& w = *QApplication::activeModalWidget();
        auto* shops = w.findChild<QComboBox*>(u"CBO_MISE"_s);
        shops->setFocus();
        QTest::keyClick(shops, Qt::Key_Down); // a choice by key, with the list closed
        auto* list = w.findChild<QListWidget*>(u"LST_SYO"_s);
        doubleClick(*list, 0, Qt::RightButton); // not a double-click the dialog hears
        EXPECT_TRUE(w.isVisible());
        doubleClick(*list, 1, Qt::LeftButton);
    });
    EXPECT_TRUE(ui.runDialog(run));
    EXPECT_EQ(events,
              (QStringList{u"CBO_MISE:B店"_s, u"LST_SYO:牛乳"_s, u"LST_SYO:卵"_s, u"double LST_SYO:卵"_s}));
}

// One product of a notebook with every observation dated `date`.
QStringList record(const QString& name, const QString& price, const QString& date) {
    QStringList lines{name, price};
    for (int slot = 1; slot <= PriceSlots; ++slot)
        lines << u"A店"_s << price << date;
    return lines << QString();
}

TEST(QueryDialog, ADoubleClickAnywhereOnTheListClosesWithOk) {
    const QString old = u"2020/01/01"_s;
    const QString recent = QDate::currentDate().toString(u"yyyy/MM/dd"_s);
    const struct {
        const char* name;
        QString dates;      // of the products パン and 牛乳
        int clickedRow;     // the entry clicked before the double-click, -1 for none
        QString shownPrice; // EDT_TEIKA afterwards: 160 for パン, 198 for 牛乳 (picked before the query)
    } cases[] = {
        {"below the entries, none selected", old, -1, u"198"_s},
        {"on an empty list", recent, -1, u"198"_s},
        {"below the entries, one selected", old, 0, u"160"_s},
    };
    for (const auto& k : cases) {
        SCOPED_TRACE(k.name);
        TestDir dir;
        MainWindow window(dir.path());
        QtControls& c = window.controls();
        QStringList lines{u"zorvandata"_s};
        lines << record(u"パン"_s, u"160"_s, k.dates) << record(u"牛乳"_s, u"198"_s, k.dates);
        ASSERT_TRUE(window.form().LoadPriceBook(dir.write(u"book.txt"_s, cp932Lines(lines))));
        c.setItemIndex(u"CBO_SYOMEI"_s, int(c.items(u"CBO_SYOMEI"_s).indexOf(u"牛乳"_s)));
        window.form().CBO_SYOMEIClick();

        bool accepted = false;
        QTimer::singleShot(0, [&] {
            ASSERT_TRUE(QTest::qWaitFor([] { return QApplication::activeModalWidget() != nullptr; }));
            auto* dialog = qobject_cast<QDialog*>(QApplication::activeModalWidget());
            ASSERT_TRUE(dialog);
            QObject::connect(dialog, &QDialog::accepted, [&] { accepted = true; });
            auto* list = dialog->findChild<QListWidget*>(u"LST_SYO"_s);
            if (k.clickedRow >= 0)
                QTest::mouseClick(list->viewport(), Qt::LeftButton, {},
                                  list->visualItemRect(list->item(k.clickedRow)).center());
            const QPoint below(10, list->viewport()->height() - 5);
            QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, below);
            QTest::mouseDClick(list->viewport(), Qt::LeftButton, {}, below);
            if (dialog->isVisible())
                dialog->reject();
        });
        window.findChild<QAbstractButton*>(u"SPD_1OLD"_s)->click();
        EXPECT_TRUE(accepted);
        EXPECT_EQ(c.text(u"EDT_TEIKA"_s), k.shownPrice);
        EXPECT_EQ(c.text(u"CBO_SYOMEI"_s), k.shownPrice == u"160" ? u"パン"_s : u"牛乳"_s);
    }
}

} // namespace
