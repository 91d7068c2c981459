// The compact item list of a combo box behaves as the plain list of texts it replaces: the same
// rows, order and texts, and the combo box keeps its current entry through insertions, removals
// and renamed entries.
#include "ui/comboitems.h"

#include <QComboBox>
#include <QStringListModel>
#include <gtest/gtest.h>

#include <functional>

using namespace Qt::StringLiterals;

namespace {

struct Pair {
    Pair() {
        compact.setModel(new CompactItems(&compact));
        plain.setModel(new QStringListModel(&plain));
    }
    void both(const std::function<void(QComboBox&)>& step) {
        step(compact);
        step(plain);
    }
    void fill(const QStringList& texts) {
        static_cast<CompactItems*>(compact.model())->setTexts(texts);
        static_cast<QStringListModel*>(plain.model())->setStringList(texts);
    }
    QComboBox compact;
    QComboBox plain;
};

QStringList rows(const QComboBox& combo) {
    QStringList out;
    for (int i = 0; i < combo.count(); ++i)
        out << combo.itemText(i);
    return out;
}

void expectSame(const Pair& p, const std::string& step) {
    SCOPED_TRACE(step);
    EXPECT_EQ(rows(p.compact), rows(p.plain));
    EXPECT_EQ(p.compact.currentIndex(), p.plain.currentIndex());
    EXPECT_EQ(p.compact.currentText(), p.plain.currentText());
}

TEST(CompactItems, FollowsEveryEditAsAPlainListDoes) {
    Pair p;
    const QString wide = u"𠮷野家 牛丼"_s; // a character outside the basic plane
    p.fill({u"りんご"_s, QString(), wide, u"Milk"_s});
    expectSame(p, "filled");
    EXPECT_EQ(static_cast<CompactItems*>(p.compact.model())->texts(),
              (QStringList{u"りんご"_s, QString(), wide, u"Milk"_s}));

    struct Step {
        const char* what;
        std::function<void(QComboBox&)> run;
    };
    const Step steps[] = {
        {"pick the third", [](QComboBox& c) { c.setCurrentIndex(2); }},
        {"insert before the current", [](QComboBox& c) { c.insertItem(0, u"あ"_s); }},
        {"insert at the end", [](QComboBox& c) { c.insertItem(c.count(), u"ﾐﾙｸ"_s); }},
        {"insert an empty text", [](QComboBox& c) { c.insertItem(2, QString()); }},
        {"remove before the current", [](QComboBox& c) { c.removeItem(1); }},
        {"remove after the current", [](QComboBox& c) { c.removeItem(c.count() - 1); }},
        {"rename the current longer",
         [](QComboBox& c) { c.setItemText(c.currentIndex(), u"長い長い名前"_s); }},
        {"rename the first shorter", [](QComboBox& c) { c.setItemText(0, u"x"_s); }},
        {"remove the current", [](QComboBox& c) { c.removeItem(c.currentIndex()); }},
        {"pick none", [](QComboBox& c) { c.setCurrentIndex(-1); }},
        {"remove the first", [](QComboBox& c) { c.removeItem(0); }},
        {"pick the last", [](QComboBox& c) { c.setCurrentIndex(c.count() - 1); }},
    };
    for (const Step& s : steps) {
        p.both(s.run);
        expectSame(p, s.what);
    }

    // Found by exact text as before, a name that differs in case or width included.
    for (const QString& t : {u"milk"_s, u"Milk"_s, u"ﾐﾙｸ"_s, u"長い長い名前"_s, u"ない"_s})
        EXPECT_EQ(p.compact.findText(t, Qt::MatchExactly | Qt::MatchCaseSensitive),
                  p.plain.findText(t, Qt::MatchExactly | Qt::MatchCaseSensitive))
            << t.toStdString();

    // Removing everything row by row, then refilling in one step.
    while (p.plain.count() > 0)
        p.both([](QComboBox& c) { c.removeItem(0); });
    expectSame(p, "emptied");
    p.fill({u"b"_s, u"a"_s});
    expectSame(p, "refilled");
}

TEST(CompactItems, SharedEntriesPartWhenEitherChanges) {
    const QStringList shops{u"イオン"_s, u"西友"_s, u"ライフ"_s};
    CompactItems first;
    first.setTexts(shops);
    EXPECT_TRUE(first.holds(shops));
    EXPECT_FALSE(first.holds({u"イオン"_s, u"西友"_s}));
    EXPECT_FALSE(first.holds({u"イオン"_s, u"西"_s, u"友ライフ"_s})); // same characters, other bounds

    CompactItems second;
    second.shareTexts(first);
    EXPECT_EQ(second.texts(), shops);
    second.removeRows(0, 1);
    first.setData(first.index(1), u"まいばすけっと"_s);
    EXPECT_EQ(first.texts(), (QStringList{u"イオン"_s, u"まいばすけっと"_s, u"ライフ"_s}));
    EXPECT_EQ(second.texts(), (QStringList{u"西友"_s, u"ライフ"_s}));
}

TEST(CompactItems, RefusesRowsOutsideTheList) {
    CompactItems items;
    items.setTexts({u"a"_s, u"bc"_s});
    EXPECT_FALSE(items.insertRows(3, 1));
    EXPECT_FALSE(items.insertRows(-1, 1));
    EXPECT_FALSE(items.removeRows(1, 2));
    EXPECT_FALSE(items.removeRows(0, 0));
    EXPECT_FALSE(items.setData(items.index(2), u"x"_s));
    EXPECT_FALSE(items.data(items.index(2)).isValid());
    EXPECT_FALSE(items.data(items.index(0), Qt::DecorationRole).isValid());
    EXPECT_EQ(items.texts(), (QStringList{u"a"_s, u"bc"_s}));
    EXPECT_EQ(items.text(5), QString());
}

} // namespace
