// The query F_MISE_SIBO: the products seen at a registered shop, once per observation there; the
// dialog opens on the shop chosen last in this run, and the product the user confirms is shown in
// the main window.
#include "app/mainform.h"
#include "core/controls.h"
#include "core/controltable.h"
#include "core/uiservices.h"
#include "queries/querypick.h"
#include "shops/shoplist.h"

using namespace Qt::StringLiterals;

namespace {

const QString ShopSelector = u"CBO_MISE"_s;

// CBO_MISEClick: the products with a slot at the selected shop, in notebook order, once for every
// such slot. The shop must match exactly, letter case and spaces included. A slot without a shop
// was seen nowhere, so no shop selected, or a blank row of the shop list, lists nothing.
void listProductsAtShop(Controls& c, const PriceBook& book) {
    QStringList names;
    const QString shop = c.itemIndex(ShopSelector) >= 0 ? c.text(ShopSelector) : QString();
    if (!shop.isEmpty()) {
        const qsizetype products = (book.count() - 1) / RecordLines;
        for (qsizetype p = 0; p < products; ++p) {
            const qsizetype nameLine = 1 + p * RecordLines;
            for (int j = 1; j <= 5; ++j) {
                if (book.line(nameLine + 3 * j - 1) == shop)
                    names << book.line(nameLine);
            }
        }
    }
    c.setItems(queryListName(), names);
}

} // namespace

void MainForm::SPD_MISE_SIBOClick() {
    const QStringList shops = c_.items(u"CBO_MISE1"_s);
    if (refuseLongShopList(shops, ui_))
        return;
    if (book_.count() < 2) {
        ui_.warn(u"先にファイルを開いて下さい"_s);
        return;
    }
    int shopIndex = -1;
    QueryConfirmation confirmation;
    DialogRun run;
    run.window = &miseSiboWindowSpec();
    run.onStart = [&](Controls& c) {
        c.setItems(ShopSelector, shops);
        if (shops.isEmpty())
            return;
        // The list may have shrunk since the last run of the dialog: it then opens on the first shop,
        // as after start-up.
        shopIndex = lastShopIndex >= 0 && lastShopIndex < shops.size() ? lastShopIndex : 0;
        c.setItemIndex(ShopSelector, shopIndex);
        listProductsAtShop(c, book_);
    };
    run.onEvent = [&](Controls& c, const QString& control, const std::function<void(bool)>&) {
        if (control == ShopSelector) {
            shopIndex = c.itemIndex(ShopSelector);
            listProductsAtShop(c, book_);
        }
        confirmation.onEvent(c, control);
    };
    run.onDoubleClick = [&](Controls& c, const QString& control, const std::function<void(bool)>& close) {
        confirmation.onDoubleClick(c, control, close);
    };
    const bool ok = ui_.runDialog(run);
    // Remembered before the product is shown, so an unreadable record cannot make the dialog forget it.
    lastShopIndex = shopIndex;
    if (ok && confirmation.name)
        showQueriedProduct(*this, *confirmation.name);
}
