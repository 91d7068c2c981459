// The product selector and the entry panel: listing the products, showing one, clearing the panel.
#include "app/mainform.h"

#include "core/amount.h"
#include "core/apperror.h"
#include "core/controls.h"
#include "core/dates.h"
#include "core/names.h"
#include "core/uiservices.h"

using namespace Qt::StringLiterals;

namespace {} // namespace

void MainForm::RebuildProductList() {
    QStringList names = book_.productNames();
    sortProductNames(names);
    c_.setItems(u"CBO_SYOMEI"_s, names);
}

void MainForm::CBO_SYOMEIClick() {
    if (c_.itemIndex(u"CBO_SYOMEI"_s) < 0)
        return;
    const qsizetype i = book_.FindProduct(c_.text(u"CBO_SYOMEI"_s));
    if (i < 0)
        return;
    try {
        const QDate today = ui_.today();
        for (int j = 1; j <= 5; ++j)
            c_.setDate(numbered(u"DTP_", j), parseStoredDate(book_.line(i + 3 * j + 1), today));
        c_.setText(u"Memo1"_s, book_.line(i + 17));
        c_.setText(u"EDT_TEIKA"_s, FormatPriceText(book_.line(i + 1)));
        for (int j = 1; j <= 5; ++j) {
            c_.setText(numbered(u"CBO_MISE", j), book_.line(i + 3 * j - 1));
            c_.setText(numbered(u"EDT_", j), FormatPriceText(book_.line(i + 3 * j)));
        }
    } catch (const AppError&) {
        // The panel now mixes two products: no product stays selected, so an update or a delete
        // cannot write one product's values into the other.
        c_.setItemIndex(u"CBO_SYOMEI"_s, -1);
        throw;
    }
    for (int j = 1; j <= 5; ++j) {
        c_.setFontColor(numbered(u"CBO_MISE", j), colors::Black);
        c_.setText(numbered(u"LBL_SA_", j), u"*"_s);
        c_.setFontColor(numbered(u"LBL_SA_", j), colors::Black);
    }
}

void MainForm::ClearEntryPanel() {
    c_.setText(u"EDT_SYOMEI"_s, QString());
    c_.setText(u"EDT_TEIKA"_s, QString());
    for (int j = 1; j <= 5; ++j) {
        c_.setText(numbered(u"CBO_MISE", j), QString());
        c_.setFontColor(numbered(u"CBO_MISE", j), colors::Black);
    }
    for (int j = 1; j <= 5; ++j)
        c_.setText(numbered(u"EDT_", j), QString());
    const QDate today = ui_.today();
    for (int j = 1; j <= 5; ++j)
        c_.setDate(numbered(u"DTP_", j), today);
    for (int j = 1; j <= 5; ++j) {
        c_.setText(numbered(u"LBL_SA_", j), u"*"_s);
        c_.setFontColor(numbered(u"LBL_SA_", j), colors::Black);
    }
    c_.setText(u"Memo1"_s, QString());
}

void MainForm::BTN_CLRClick() {
    ClearEntryPanel();
    c_.setFocus(u"EDT_SYOMEI"_s);
    c_.setItemIndex(u"CBO_SYOMEI"_s, -1);
}
