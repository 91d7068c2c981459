// The drop-down lists of the windows: their pop-up is made when first needed, the same whichever way
// it is reached.
#include "support/testfiles.h"
#include "ui/mainwindow.h"

#include <QAbstractItemView>
#include <QAccessible>
#include <QComboBox>
#include <QListView>
#include <gtest/gtest.h>

#include <functional>

using namespace Qt::StringLiterals;

namespace {

TEST(DropDownList, IsMadeWhenFirstNeededWithAlikeRowsAndTheBoxsName) {
    TestDir dir;
    const struct {
        const char* way;
        std::function<QAbstractItemView*(QComboBox&)> open;
    } ways[] = {
        {"opened by the user",
         [](QComboBox& combo) {
             combo.showPopup();
             combo.hidePopup();
             return combo.view();
         }},
        {"reached by a screen reader",
         [](QComboBox& combo) {
             QAccessibleInterface* list = QAccessible::queryAccessibleInterface(&combo)->child(0);
             return list ? qobject_cast<QAbstractItemView*>(list->object()) : nullptr;
         }},
    };
    for (const auto& way : ways) {
        SCOPED_TRACE(way.way);
        MainWindow window(dir.path());
        window.show();
        for (const QString& name : {u"CBO_SYOMEI"_s, u"CBO_MISE3"_s}) {
            SCOPED_TRACE(name.toStdString());
            auto* combo = window.findChild<QComboBox*>(name);
            ASSERT_NE(combo, nullptr);
            EXPECT_EQ(combo->findChild<QAbstractItemView*>(), nullptr) << "made with the window";
            auto* list = qobject_cast<QListView*>(way.open(*combo));
            ASSERT_NE(list, nullptr);
            EXPECT_EQ(list, combo->view());
            EXPECT_TRUE(list->uniformItemSizes());
            EXPECT_EQ(list->accessibleName(), combo->accessibleName());
            EXPECT_FALSE(list->accessibleName().isEmpty());
        }
    }
}

} // namespace
