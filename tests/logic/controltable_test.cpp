// The window tables: unique names, a strict tab order, every control inside its window.
#include "core/controltable.h"
#include "core/windownames.h"
#include "support/plaincontrols.h"

#include <QSet>
#include <gtest/gtest.h>
#include <stdexcept>

using namespace Qt::StringLiterals;

TEST(ControlTables, NamesAndTabPlacesAreUniqueAndControlsFitTheirWindow) {
    for (const WindowSpec* w : {&mainWindowSpec(), &tenmeiWindowSpec(), &oldSiboWindowSpec(),
                                &miseSiboWindowSpec(), &rirekiWindowSpec()}) {
        QSet<QString> names;
        QSet<int> tabs;
        for (const ControlSpec& c : w->controls) {
            const QString name = QString::fromUtf16(c.name);
            EXPECT_FALSE(names.contains(name)) << name.toStdString();
            names.insert(name);
            if (c.tab >= 0) {
                EXPECT_FALSE(tabs.contains(c.tab)) << name.toStdString();
                tabs.insert(c.tab);
            }
            if (c.kind != ControlKind::MenuItem && c.kind != ControlKind::Form) {
                EXPECT_LE(c.x + c.w, w->clientWidth) << name.toStdString();
                EXPECT_LE(c.y + c.h, w->clientHeight) << name.toStdString();
            }
        }
        EXPECT_EQ(names.size(), qsizetype(w->controls.size()));
    }
}

TEST(ControlTables, AMisspeltNameFailsOnThePlainControls) {
    PlainControls c(mainWindowSpec());
    EXPECT_THROW(c.setText(u"EDT_6"_s, u"x"_s), std::logic_error);
    EXPECT_THROW((void)c.text(u"edt_1"_s), std::logic_error);
    EXPECT_NO_THROW(c.setText(u"EDT_5"_s, u"x"_s));
}

TEST(ControlTables, TheFileMenuHoldsAsManyFixedItemsAsTheHistoryIsPlacedAfter) {
    int fixed = 0;
    for (const ControlSpec& c : mainWindowSpec().controls) {
        if (c.kind == ControlKind::MenuItem && fmain::MN_FILE == QStringView(c.parent))
            ++fixed;
    }
    EXPECT_EQ(fixed, fmain::FileMenuFixedItems);
}
