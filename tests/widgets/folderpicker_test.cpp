// The folder picker offscreen: it opens at the home folder and gives only a folder that exists, with
// one trailing "/".
#include "support/testfiles.h"
#include "ui/qtuiservices.h"

#include <QApplication>
#include <QDialogButtonBox>
#include <QDir>
#include <QFileSystemModel>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <QTimer>
#include <QTreeView>
#include <gtest/gtest.h>

#include <functional>

using namespace Qt::StringLiterals;

namespace {

// Picks `folder` in the picker once it is up, runs `beforeOk`, then presses OK (or cancels).
void pickWhenShown(const QString& folder, const std::function<void()>& beforeOk, bool ok = true) {
    QTimer::singleShot(0, [=] {
        ASSERT_TRUE(QTest::qWaitFor([] { return QApplication::activeModalWidget() != nullptr; }));
        QWidget& dialog = *QApplication::activeModalWidget();
        auto* tree = dialog.findChild<QTreeView*>();
        auto* model = dialog.findChild<QFileSystemModel*>();
        ASSERT_TRUE(tree && model);
        EXPECT_TRUE(dialog.findChildren<QLineEdit*>().isEmpty()); // no box for typing a path
        const QModelIndex index = model->index(folder);
        ASSERT_TRUE(index.isValid());
        tree->setCurrentIndex(index);
        beforeOk();
        auto* buttons = dialog.findChild<QDialogButtonBox*>();
        ASSERT_TRUE(buttons);
        for (QAbstractButton* b : buttons->buttons()) {
            if (buttons->buttonRole(b) ==
                (ok ? QDialogButtonBox::AcceptRole : QDialogButtonBox::RejectRole)) {
                b->click();
                return;
            }
        }
        FAIL() << "no button";
    });
}

TEST(FolderPicker, GivesOnlyAnExistingFolder) {
    TestDir dir;
    const QString folder = dir.path() + u"/backup"_s;
    ASSERT_TRUE(QDir().mkpath(folder));
    QWidget owner;
    QtUiServices ui(owner);

    pickWhenShown(folder, [] {});
    EXPECT_EQ(ui.pickFolder(u"バックアップ先のフォルダを選択して下さい。"_s), folder + u'/');

    pickWhenShown(
        folder, [] {}, false);
    EXPECT_EQ(ui.pickFolder(u"title"_s), std::nullopt);

    // Removed while the picker was open: nothing comes back.
    pickWhenShown(folder, [folder] { QDir(folder).removeRecursively(); });
    EXPECT_EQ(ui.pickFolder(u"title"_s), std::nullopt);
}

TEST(FolderPicker, OpensAtTheHomeFolderWithNothingChosen) {
    QWidget owner;
    QtUiServices ui(owner);
    QTimer::singleShot(0, [] {
        ASSERT_TRUE(QTest::qWaitFor([] { return QApplication::activeModalWidget() != nullptr; }));
        QWidget& dialog = *QApplication::activeModalWidget();
        auto* tree = dialog.findChild<QTreeView*>();
        auto* model = dialog.findChild<QFileSystemModel*>();
        ASSERT_TRUE(tree && model);
        EXPECT_EQ(model->filePath(tree->currentIndex()), QDir::homePath());
        EXPECT_TRUE(tree->isExpanded(tree->currentIndex()));
        EXPECT_EQ(model->filePath(tree->rootIndex()), QString()); // the tree still starts at the top
        EXPECT_TRUE(tree->selectionModel()->selectedRows().isEmpty());
        auto* buttons = dialog.findChild<QDialogButtonBox*>();
        ASSERT_TRUE(buttons);
        for (QAbstractButton* b : buttons->buttons()) {
            if (buttons->buttonRole(b) == QDialogButtonBox::AcceptRole) {
                EXPECT_FALSE(b->isEnabled());
            }
        }
        dialog.close();
    });
    EXPECT_EQ(ui.pickFolder(u"title"_s), std::nullopt);
}

} // namespace
