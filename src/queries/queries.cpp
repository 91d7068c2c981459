// The two queries of the main window, each in a modal dialog: F_OLD_SIBO lists the products with
// an observation dated a year ago or earlier, in notebook order; F_MISE_SIBO lists the products seen
// at a registered shop, once per observation there, and opens on the shop chosen last in this run.
// The product the user confirms is shown in the main window.
#include "queries/queries.h"

#include "core/apperror.h"
#include "core/controls.h"
#include "core/controltable.h"
#include "core/dates.h"
#include "core/dispatch.h"
#include "core/uiservices.h"
#include "core/windownames.h"
#include "notebook/pricebook.h"
#include "queries/querypick.h"
#include "shops/shoplist.h"

using namespace Qt::StringLiterals;

Queries::Queries(Controls& controls, UiServices& ui, const PriceBook& book, int& lastShopIndex,
                 ShowProduct showProduct)
    : c_(controls), ui_(ui), book_(book), lastShopIndex_(lastShopIndex),
      showProduct_(std::move(showProduct)) {}

namespace {

// Today a year back. On 29 February that day does not exist the year before; 28 February keeps a
// full year between the cut-off and today.
QDate oneYearCutoff(const QDate& today) {
    return today.addYears(-1);
}

bool hasOldObservation(const PriceBook& book, qsizetype nameLine, const QDate& cutoff, const QDate& today) {
    bool old = false;
    // Every date is read, so an unreadable one keeps its product out of the list even after an old one.
    for (int j = 1; j <= PriceSlots; ++j) {
        if (parseStoredDate(book.lineView(PriceBook::dateLine(nameLine, j)), today) <= cutoff)
            old = true;
    }
    return old;
}

// Fills the list in notebook order. An unreadable date ends the filling at its product: the products
// found before it stay listed and the error goes on to the caller.
void listOldProducts(Controls& c, const PriceBook& book, const QDate& today) {
    const QDate cutoff = oneYearCutoff(today);
    // Each name is taken while its record is being read, in a list with room for all.
    QStringList names;
    names.reserve(book.productCount());
    try {
        for (qsizetype p = 0; p < book.productCount(); ++p) {
            const qsizetype nameLine = PriceBook::nameLine(p);
            if (hasOldObservation(book, nameLine, cutoff, today))
                names << book.name(nameLine);
        }
    } catch (const AppError&) {
        c.setItems(queryListName(), names);
        throw;
    }
    c.setItems(queryListName(), names);
}

} // namespace

void Queries::SPD_1OLDClick() {
    if (book_.count() < 2) {
        ui_.warn(u"先にファイルを開いて下さい"_s);
        return;
    }
    const QDate today = ui_.today();
    QueryConfirmation confirmation;
    DialogRun run;
    run.window = &oldSiboWindowSpec();
    // The error of an unreadable date is shown here, so the dialog opens with what was listed.
    run.onStart = [&](Controls& c) { dispatch(ui_, [&] { listOldProducts(c, book_, today); }); };
    run.onEvent = [&](Controls& c, const QString& control, const std::function<void(bool)>&) {
        confirmation.onEvent(c, control);
    };
    run.onDoubleClick = [&](Controls& c, const QString& control, const std::function<void(bool)>& close) {
        confirmation.onDoubleClick(c, control, close);
    };
    if (ui_.runDialog(run) && confirmation.name)
        showProduct_(*confirmation.name);
}

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
