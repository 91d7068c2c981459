// Renaming a product through the input box: only its name line changes, the record keeps its place.
#include "app/mainform.h"

#include "core/controls.h"
#include "core/names.h"
#include "core/uiservices.h"

using namespace Qt::StringLiterals;

void MainForm::MN_SYOMEI_SYUClick() {
    const QString selector = u"CBO_SYOMEI"_s;

    if (c_.items(selector).isEmpty()) {
        ui_.warn(u"商品が０件なので変更できません"_s);
        return;
    }
    if (c_.itemIndex(selector) < 0) {
        ui_.warn(u"リストで商品名を選択して下さい"_s);
        c_.setFocus(selector);
        return;
    }
    const QString oldName = c_.text(selector);
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
    c_.removeItem(selector, c_.itemIndex(selector));
    c_.insertItem(selector, int(sortedInsertPosition(c_.items(selector), newName)), newName);
    c_.setItemIndex(selector, -1);
    ClearEntryPanel();
    setDirty(true);
}
