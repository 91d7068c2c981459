// The product selector (CBO_SYOMEI) read through the seam without copying its items.
#pragma once

#include "core/controls.h"
#include "core/names.h"
#include "core/windownames.h"

// Where `name` goes in the selector, which is kept in product name order.
inline int selectorInsertPosition(const Controls& c, const QString& name) {
    return int(sortedInsertPosition(
        c.itemCount(fmain::CBO_SYOMEI), [&](qsizetype i) { return c.itemText(fmain::CBO_SYOMEI, int(i)); },
        name));
}

// The first entry of the selector naming `name`, ignoring case, or -1. Entries equal ignoring case
// stand together in product name order, around where `name` itself would go, so a binary search
// finds them; when it does not (a selector out of that order), every entry is read.
inline int selectorIndexOf(const Controls& c, const QString& name) {
    const int count = c.itemCount(fmain::CBO_SYOMEI);
    const auto at = [&](int i) { return c.itemText(fmain::CBO_SYOMEI, i); };
    // The first entry not before `name`, by halving.
    int low = 0;
    for (int high = count; low < high;) {
        const int middle = low + (high - low) / 2;
        if (productNameLess(at(middle), name))
            low = middle + 1;
        else
            high = middle;
    }
    int found = low < count && sameProductName(at(low), name) ? low : -1;
    // Entries equal ignoring case that the case tie-break puts before `name` stand just before.
    for (int i = low - 1; i >= 0 && sameProductName(at(i), name); --i)
        found = i;
    if (found >= 0)
        return found;
    for (int i = 0; i < count; ++i) {
        if (sameProductName(at(i), name))
            return i;
    }
    return -1;
}
