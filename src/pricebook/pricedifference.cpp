// Each observation's difference to the standard price, with the cheapest in red and the dearest in lime.
#include "pricebook/entrypanel.h"

#include "core/amount.h"
#include "core/controls.h"
#include "core/uiservices.h"
#include "core/windownames.h"
#include "notebook/pricebook.h"
#include "pricebook/pricefields.h"

#include <algorithm>
#include <optional>

using namespace Qt::StringLiterals;

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
