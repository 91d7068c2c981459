// The shop-list file and the five shop selectors.
#include "core/apperror.h"
#include "notebook/pricebook.h"
#include "shops/shoplist.h"
#include "support/formfixture.h"

#include <QDir>
#include <gtest/gtest.h>

using namespace Qt::StringLiterals;

namespace {

class ShopSelectors : public ::testing::Test, public FormFixture {};

TEST_F(ShopSelectors, StartUpFillsAllFiveInFileOrder) {
    dir.write(u"prog/zorvan_店.txt"_s, "\xEF\xBB\xBF" + u"B店\r\n\r\nA店"_s.toUtf8());
    start();
    for (int j = 1; j <= PriceSlots; ++j)
        EXPECT_EQ(controls.items(u"CBO_MISE"_s + QString::number(j)), (QStringList{u"B店"_s, {}, u"A店"_s}));
}

// A short list in code page 932 can be valid UTF-8 too (ﾓｽ is D3 BD, "ӽ" in UTF-8): read as what it
// is, from the start-up list and from an imported one, and the import writes it back unchanged.
TEST_F(ShopSelectors, ShortCodePage932ListsAreNotTakenForUtf8) {
    dir.write(u"prog/zorvan_店.txt"_s, "\xD3\xBD\r\n\xC5\xBD\r\n");
    start();
    EXPECT_EQ(controls.items(u"CBO_MISE5"_s), (QStringList{u"ﾓｽ"_s, u"ﾅｽ"_s}));
    const QByteArray imported = "\xC6\xB8\r\n\x8B\x8D\x93\xFB\x89\xAE\r\n";
    ui.buttons.enqueue(Yes);
    ui.fileAnswers.enqueue(dir.write(u"zorvantm.txt"_s, imported));
    form->click(u"MN_TEN_IM"_s);
    EXPECT_EQ(controls.items(u"CBO_MISE1"_s), (QStringList{u"ﾆｸ"_s, u"牛乳屋"_s}));
    EXPECT_EQ(dir.read(u"prog/zorvan_店.txt"_s), imported);
}

TEST_F(ShopSelectors, ARefillKeepsEachSelectorsText) {
    start();
    dir.write(u"prog/zorvan_店.txt"_s, cp932Lines({u"新しい店"_s}));
    controls.setText(u"CBO_MISE3"_s, u"旧い店"_s);
    controls.setText(u"CBO_MISE4"_s, u"typed"_s);
    form->RefillShopSelectors(form->shopListFile());
    EXPECT_EQ(controls.text(u"CBO_MISE3"_s), u"旧い店"_s);
    EXPECT_EQ(controls.text(u"CBO_MISE4"_s), u"typed"_s);
    EXPECT_EQ(controls.items(u"CBO_MISE3"_s), QStringList{u"新しい店"_s});
    EXPECT_EQ(controls.itemIndex(u"CBO_MISE3"_s), -1);
}

TEST_F(ShopSelectors, AnUnreadableListIsReportedOnceAndStartUpGoesOn) {
    QDir().mkpath(form->shopListFile());
    start();
    EXPECT_TRUE(ui.messages.isEmpty()); // start() forgets them; look again
    form->FormCreate();
    ASSERT_EQ(ui.messages.size(), 1);
    EXPECT_TRUE(ui.messages[0].text.startsWith(u"ファイル "_s + form->shopListFile() + u" は開けません。"_s));
    EXPECT_EQ(controls.text(u"F_MAIN"_s), u"Pricotta - 無題"_s);
    EXPECT_TRUE(controls.items(u"CBO_MISE1"_s).isEmpty());
}

TEST_F(ShopSelectors, AFailedRefillChangesNothing) {
    dir.write(u"prog/zorvan_店.txt"_s, cp932Lines({u"A店"_s}));
    start();
    controls.setText(u"CBO_MISE1"_s, u"x"_s);
    EXPECT_THROW(form->RefillShopSelectors(dir.file(u"missing.txt"_s)), AppError);
    EXPECT_EQ(controls.items(u"CBO_MISE5"_s), QStringList{u"A店"_s});
    EXPECT_EQ(controls.text(u"CBO_MISE1"_s), u"x"_s);
}

TEST_F(ShopSelectors, SavedListsKeepEveryCharacter) {
    const QString path = dir.file(u"shops.txt"_s);
    SaveShopList(path, {u"A店"_s, u"Café"_s});
    EXPECT_TRUE(dir.read(u"shops.txt"_s).startsWith("\xEF\xBB\xBF"));
    EXPECT_EQ(LoadShopList(path), (QStringList{u"A店"_s, u"Café"_s}));
    SaveShopList(path, {u"A店"_s});
    EXPECT_EQ(dir.read(u"shops.txt"_s), cp932Lines({u"A店"_s}));
    SaveShopList(path, {});
    EXPECT_EQ(dir.read(u"shops.txt"_s), QByteArray());
}

} // namespace
