// Renaming a product through the input box: only its name line changes, the record keeps its place.
#include "pricebook/producteditor.h"
#include "pricebook/selector.h"

#include "core/controls.h"
#include "core/names.h"
#include "core/uiservices.h"
#include "core/windownames.h"
#include "notebook/pricebook.h"
#include "pricebook/dirtyflag.h"
#include "pricebook/entrypanel.h"

using namespace Qt::StringLiterals;

void ProductEditor::MN_SYOMEI_SYUClick() {
    if (!checkProductSelected())
        return;
    const QString oldName = c_.text(fmain::CBO_SYOMEI);
    const std::optional<QString> answer =
        ui_.inputBox(u"商品名の変更"_s, u"新しい商品名を入力して下さい"_s, oldName);
    if (!answer)
        return;
    const QString& newName = *answer;
    if (newName.isEmpty()) {
        ui_.warn(u"商品名に空白は使えません"_s);
        return;
    }
    if (newName == oldName)
        return;
    // Also finds the product itself, so a change of letter case alone is refused.
    if (book_.FindProduct(newName) >= 0) {
        ui_.warn(newName + u" という商品名はすでに登録済みです"_s);
        return;
    }
    const qsizetype i = book_.FindProduct(oldName);
    if (i < 0) {
        ui_.warn(oldName + u" は登録されていません。"_s);
        return;
    }

    book_.setLine(i, newName);
    c_.removeItem(fmain::CBO_SYOMEI, c_.itemIndex(fmain::CBO_SYOMEI));
    c_.insertItem(fmain::CBO_SYOMEI, selectorInsertPosition(c_, newName), newName);
    c_.setItemIndex(fmain::CBO_SYOMEI, -1);
    panel_.ClearEntryPanel();
    setDirty(c_, true);
}
