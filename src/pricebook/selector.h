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
