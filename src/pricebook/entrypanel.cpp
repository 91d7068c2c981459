// The product selector and the entry panel of the main window: listing the products, showing one,
// clearing the panel, the input rules of its fields (the amount check, the Enter walk, the small
// panel commands) and each price's difference to the standard price.
#include "pricebook/entrypanel.h"

#include "core/amount.h"
#include "core/apperror.h"
#include "core/controls.h"
#include "core/dates.h"
#include "core/names.h"
#include "core/uiservices.h"
#include "core/windownames.h"
#include "notebook/pricebook.h"
#include "pricebook/dirtyflag.h"
#include "pricebook/pricefields.h"
#include "pricebook/selector.h"

#include <algorithm>
#include <optional>

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

// The input rules.

namespace {

bool enterRule(Controls& c, QChar key) {
    if (key != QChar(13))
        return false;
    c.focusNext(c.focused());
    return true;
}

} // namespace

bool EntryPanel::EDT_SYOMEIKeyPress(const QString&, QChar key) {
    return enterRule(c_, key);
}

bool EntryPanel::EDT_1KeyPress(const QString&, QChar key) {
    return enterRule(c_, key);
}

bool EntryPanel::CheckAmountText(const QString& edit) {
    if (c_.text(edit).isEmpty())
        return true;
    const std::optional<Amount> value = readPriceField(c_, ui_, edit);
    if (!value)
        return false;
    c_.setText(edit, formatStorage(*value));
    return true;
}

bool EntryPanel::CheckPriceFields() {
    for (const QString& edit : priceFields()) {
        if (!CheckAmountText(edit))
            return false;
    }
    return true;
}

void EntryPanel::BTN_1_TODAYClick(const QString& sender) {
    for (int j = 1; j <= PriceSlots; ++j) {
        if (sender == fmain::BTN_n_TODAY(j))
            c_.setDate(fmain::DTP_(j), ui_.today());
    }
    setDirty(c_, true);
}

void EntryPanel::BTN_DELClick(int row) {
    c_.setText(fmain::CBO_MISE(row), QString());
    c_.setFontColor(fmain::CBO_MISE(row), colors::Black);
    c_.setText(fmain::EDT_(row), QString());
    c_.setDate(fmain::DTP_(row), ui_.today());
    c_.setText(fmain::LBL_SA_(row), u"*"_s);
    c_.setFontColor(fmain::LBL_SA_(row), colors::Black);
}

void EntryPanel::SPD_MEMO_DELClick() {
    c_.setText(fmain::Memo1, QString());
    c_.setFocus(fmain::Memo1);
}

void EntryPanel::POP_COPYClick() {
    ui_.setClipboardText(c_.text(fmain::CBO_SYOMEI));
}

void EntryPanel::MN_ADD_OPTIONClick() {
    c_.setChecked(fmain::MN_ADD_OPTION, !c_.checked(fmain::MN_ADD_OPTION));
}

// The price differences: the cheapest in red, the dearest in lime.

namespace {

// The amount in a price field, which is rewritten in display form; nothing after the amount warning.
std::optional<Amount> readAndShow(Controls& c, UiServices& ui, const QString& field) {
    const std::optional<Amount> value = readPriceField(c, ui, field);
    if (value)
        c.setText(field, formatDisplay(*value));
    return value;
}

} // namespace

void EntryPanel::SPD_SAGAKUClick() {

    Amount standard = 0;
    if (!c_.text(fmain::EDT_TEIKA).isEmpty()) {
        const std::optional<Amount> value = readAndShow(c_, ui_, fmain::EDT_TEIKA);
        if (!value)
            return;
        standard = *value;
    }

    std::optional<AmountDifference> differences[PriceSlots];
    for (int row = 1; row <= PriceSlots; ++row) {
        const QString edit = fmain::EDT_(row);
        const QString label = fmain::LBL_SA_(row);
        if (c_.text(edit).isEmpty()) {
            c_.setText(label, u"*"_s);
            continue;
        }
        const std::optional<Amount> price = readAndShow(c_, ui_, edit);
        if (!price)
            return;
        const AmountDifference difference = AmountDifference(standard) - *price;
        c_.setText(label, formatDifferenceDisplay(difference));
        differences[row - 1] = difference;
    }

    std::optional<AmountDifference> largest;
    std::optional<AmountDifference> smallest;
    for (const std::optional<AmountDifference>& d : differences) {
        if (!d)
            continue;
        largest = largest ? std::max(*largest, *d) : *d;
        smallest = smallest ? std::min(*smallest, *d) : *d;
    }
    if (!largest)
        return; // no price: the labels keep their colours

    // Lime is tested second, so a row that is both the largest and the smallest ends lime.
    for (int row = 1; row <= PriceSlots; ++row) {
        const std::optional<AmountDifference>& d = differences[row - 1];
        Rgb color = colors::Black;
        if (d && *d == *largest)
            color = colors::Red;
        if (d && *d == *smallest)
            color = colors::Lime;
        c_.setFontColor(fmain::LBL_SA_(row), color);
    }
}
