// The product selector and the entry panel: listing the products, showing one, clearing the panel.
#include "pricebook/entrypanel.h"

#include "core/amount.h"
#include "core/apperror.h"
#include "core/controls.h"
#include "core/dates.h"
#include "core/names.h"
#include "core/uiservices.h"
#include "core/windownames.h"
#include "notebook/pricebook.h"
#include "pricebook/selector.h"

using namespace Qt::StringLiterals;

EntryPanel::EntryPanel(Controls& controls, UiServices& ui, const PriceBook& book)
    : c_(controls), ui_(ui), book_(book) {}

void EntryPanel::RebuildProductList() {
    c_.setItems(fmain::CBO_SYOMEI, sortedProductNames(book_.productNameViews()));
}

void EntryPanel::showProductCount() {
    c_.setText(fmain::LBL_KEN, QString::number(c_.itemCount(fmain::CBO_SYOMEI)) + u"件"_s);
}

void EntryPanel::CBO_SYOMEIClick() {
    if (c_.itemIndex(fmain::CBO_SYOMEI) < 0)
        return;
    const qsizetype i = book_.FindProduct(c_.text(fmain::CBO_SYOMEI));
    if (i < 0)
        return;
    try {
        const QDate today = ui_.today();
        for (int j = 1; j <= PriceSlots; ++j)
            c_.setDate(fmain::DTP_(j), parseStoredDate(book_.date(i, j), today));
        c_.setText(fmain::Memo1, book_.memo(i));
        c_.setText(fmain::EDT_TEIKA, FormatPriceText(book_.standardPrice(i)));
        for (int j = 1; j <= PriceSlots; ++j) {
            c_.setText(fmain::CBO_MISE(j), book_.shop(i, j));
            c_.setText(fmain::EDT_(j), FormatPriceText(book_.price(i, j)));
        }
    } catch (const AppError&) {
        // A whole record with a date that is not a date stays selected, so that it can still be
        // deleted or renamed (an update refuses it with the same error). A record cut short by the
        // end of the file is deselected: the panel now mixes two products.
        if (i + RecordLines > book_.count())
            c_.setItemIndex(fmain::CBO_SYOMEI, -1);
        throw;
    }
    for (int j = 1; j <= PriceSlots; ++j) {
        c_.setFontColor(fmain::CBO_MISE(j), colors::Black);
        c_.setText(fmain::LBL_SA_(j), u"*"_s);
        c_.setFontColor(fmain::LBL_SA_(j), colors::Black);
    }
}

void EntryPanel::showProduct(const QString& name) {
    const int i = selectorIndexOf(c_, name);
    if (i < 0)
        return;
    c_.setItemIndex(fmain::CBO_SYOMEI, i);
    CBO_SYOMEIClick();
}

void EntryPanel::ClearEntryPanel() {
    c_.setText(fmain::EDT_SYOMEI, QString());
    c_.setText(fmain::EDT_TEIKA, QString());
    for (int j = 1; j <= PriceSlots; ++j) {
        c_.setText(fmain::CBO_MISE(j), QString());
        c_.setFontColor(fmain::CBO_MISE(j), colors::Black);
    }
    for (int j = 1; j <= PriceSlots; ++j)
        c_.setText(fmain::EDT_(j), QString());
    const QDate today = ui_.today();
    for (int j = 1; j <= PriceSlots; ++j)
        c_.setDate(fmain::DTP_(j), today);
    for (int j = 1; j <= PriceSlots; ++j) {
        c_.setText(fmain::LBL_SA_(j), u"*"_s);
        c_.setFontColor(fmain::LBL_SA_(j), colors::Black);
    }
    c_.setText(fmain::Memo1, QString());
}

void EntryPanel::BTN_CLRClick() {
    ClearEntryPanel();
    c_.setFocus(fmain::EDT_SYOMEI);
    c_.setItemIndex(fmain::CBO_SYOMEI, -1);
}
