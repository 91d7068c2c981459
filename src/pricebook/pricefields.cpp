#include "pricebook/pricefields.h"

#include "core/controls.h"
#include "core/uiservices.h"
#include "core/windownames.h"
#include "notebook/pricebook.h"

const QStringList& priceFields() {
    static const QStringList fields = [] {
        QStringList list{fmain::EDT_TEIKA};
        for (int row = 1; row <= PriceSlots; ++row)
            list << fmain::EDT_(row);
        return list;
    }();
    return fields;
}

std::optional<Amount> readPriceField(Controls& c, UiServices& ui, const QString& field) {
    const std::optional<Amount> value = readAmountText(c.text(field));
    if (!value) {
        ui.warn(QString::fromUtf16(AmountWarning));
        c.setFocus(field);
    }
    return value;
}
