// The query F_MISE_SIBO: the products seen at a registered shop, once per observation there; the
// dialog opens on the shop chosen last in this run, and the product the user confirms is shown in
// the main window.
#include "core/controls.h"
#include "core/controltable.h"
#include "core/uiservices.h"
#include "core/windownames.h"
#include "notebook/pricebook.h"
#include "queries/queries.h"
#include "queries/querypick.h"
#include "shops/shoplist.h"

using namespace Qt::StringLiterals;

namespace {

const QString ShopSelector = fmisesibo::CBO_MISE;

// The name of every whole record with a slot at exactly `shop` (letter case and spaces included),
// once for every such slot, in notebook order.
QStringList productsAtShop(const PriceBook& book, const QString& shop) {
    QStringList names;
    for (qsizetype p = 0; p < book.productCount(); ++p) {
        const qsizetype nameLine = PriceBook::nameLine(p);
        for (int j = 1; j <= PriceSlots; ++j) {
            if (book.lineView(PriceBook::shopLine(nameLine, j)) == shop)
                names << book.name(nameLine);
        }
    }
    return names;
}

// CBO_MISEClick: the products seen at the selected shop. A slot without a shop was seen nowhere,
// so no shop selected, or a blank row of the shop list, lists nothing.
void listProductsAtShop(Controls& c, const PriceBook& book) {
    QStringList names;
    const QString shop = c.itemIndex(ShopSelector) >= 0 ? c.text(ShopSelector) : QString();
    if (!shop.isEmpty())
        names = productsAtShop(book, shop);
    c.setItems(queryListName(), names);
}

} // namespace

void Queries::SPD_MISE_SIBOClick() {
    const QStringList shops = c_.items(fmain::CBO_MISE(1));
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
        shopIndex = lastShopIndex_ >= 0 && lastShopIndex_ < shops.size() ? lastShopIndex_ : 0;
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
    lastShopIndex_ = shopIndex;
    if (ok && confirmation.name)
        showProduct_(*confirmation.name);
}
