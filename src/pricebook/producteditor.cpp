// Adding, updating, deleting and renaming products: the entry panel written into the notebook's
// lines. A rename changes only the name line; the record keeps its place.
#include "pricebook/producteditor.h"

#include "core/amount.h"
#include "core/controls.h"
#include "core/dates.h"
#include "core/names.h"
#include "core/uiservices.h"
#include "core/windownames.h"
#include "notebook/pricebook.h"
#include "pricebook/dirtyflag.h"
#include "pricebook/entrypanel.h"
#include "pricebook/pricefields.h"
#include "pricebook/selector.h"

using namespace Qt::StringLiterals;

namespace {

// The reader splits lines at a lone CR or LF as well and a NUL ends the text, so any of these in the
// memo would shift every later record; U+2028 and U+2029 are line breaks to the multi-line edit.
bool hasLineBreak(const QString& text) {
    for (const QChar c : text) {
        switch (c.unicode()) {
        case u'\r':
        case u'\n':
        case u'\0':
        case 0x2028:
        case 0x2029:
            return true;
        default:
            break;
        }
    }
    return false;
}

// Refuses a memo with a line break; true when the memo can be stored.
bool checkMemo(Controls& c, UiServices& ui) {
    if (!hasLineBreak(c.text(fmain::Memo1)))
        return true;
    ui.warn(u"メモ欄での改行はできません"_s);
    c.setFocus(fmain::Memo1);
    return false;
}

// A record as the panel holds it now, under `name`.
QStringList panelRecord(const Controls& c, const QString& name) {
    QStringList record(RecordLines);
    record[RecordOffset::Name] = name;
    record[RecordOffset::StandardPrice] = c.text(fmain::EDT_TEIKA);
    for (int j = 1; j <= PriceSlots; ++j) {
        record[RecordOffset::shop(j)] = c.text(fmain::CBO_MISE(j));
        record[RecordOffset::price(j)] = c.text(fmain::EDT_(j));
        record[RecordOffset::date(j)] = formatStoredDate(c.date(fmain::DTP_(j)));
    }
    record[RecordOffset::Memo] = c.text(fmain::Memo1);
    return record;
}

} // namespace

ProductEditor::ProductEditor(Controls& controls, UiServices& ui, PriceBook& book, EntryPanel& panel)
    : c_(controls), ui_(ui), book_(book), panel_(panel) {}

bool ProductEditor::checkProductSelected() {
    if (c_.itemCount(fmain::CBO_SYOMEI) == 0) {
        ui_.warn(u"商品が０件なので変更できません"_s);
        return false;
    }
    if (c_.itemIndex(fmain::CBO_SYOMEI) < 0) {
        ui_.warn(u"リストで商品名を選択して下さい"_s);
        c_.setFocus(fmain::CBO_SYOMEI);
        return false;
    }
    return true;
}

void ProductEditor::BTN_ADDClick() {
    constexpr qsizetype MaxProducts = 100;
    if (c_.itemCount(fmain::CBO_SYOMEI) >= MaxProducts) {
        ui_.warn(u"登録できるのはひとつのファイルにつき１００個までです"_s);
        return;
    }
    const QString name = c_.text(fmain::EDT_SYOMEI);
    if (name.isEmpty()) {
        ui_.warn(u"商品名が未入力です"_s);
        c_.setFocus(fmain::EDT_SYOMEI);
        return;
    }
    if (!panel_.CheckPriceFields() || !checkMemo(c_, ui_))
        return;
    if (book_.FindProduct(name) >= 0) {
        ui_.warn(name + u" という商品名はすでに登録済みです"_s);
        c_.setFocus(fmain::EDT_SYOMEI);
        return;
    }

    // Behind the listed products; a notebook whose last record is incomplete stops here with
    // nothing inserted.
    book_.insertRecord(PriceBook::nameLine(c_.itemCount(fmain::CBO_SYOMEI)), panelRecord(c_, name));

    c_.insertItem(fmain::CBO_SYOMEI, selectorInsertPosition(c_, name), name);
    c_.setText(fmain::EDT_SYOMEI, QString());
    c_.setText(fmain::EDT_TEIKA, QString());
    c_.setItemIndex(fmain::CBO_SYOMEI, -1);
    if (c_.checked(fmain::MN_ADD_OPTION))
        panel_.ClearEntryPanel();
    setDirty(c_, true);
    c_.setFocus(fmain::EDT_SYOMEI);
    panel_.showProductCount();
}

void ProductEditor::BTN_KOUSINClick() {
    if (!checkProductSelected())
        return;
    if (!c_.text(fmain::EDT_SYOMEI).isEmpty()) {
        ui_.warn(
            u"修正の場合、商品名は\"未入力\"にして下さい\r\n\r\n追加の場合は[追加]ボタンを押して下さい"_s);
        c_.setFocus(fmain::EDT_SYOMEI);
        return;
    }
    if (!panel_.CheckPriceFields() || !checkMemo(c_, ui_))
        return;
    const QString name = c_.text(fmain::CBO_SYOMEI);
    const qsizetype i = book_.FindProduct(name);
    if (i < 0) {
        ui_.warn(name + u" は登録されていません。"_s);
        c_.setFocus(fmain::CBO_SYOMEI);
        return;
    }

    // A record whose dates could not be shown left parts of another product in the panel: it is
    // refused with the same error as when it was picked.
    const QDate today = ui_.today();
    for (int j = 1; j <= PriceSlots && i + RecordLines <= book_.count(); ++j)
        parseStoredDate(book_.date(i, j), today);

    // An incomplete last record (a notebook made elsewhere) is refused whole rather than half
    // rewritten.
    book_.setRecordValues(i, panelRecord(c_, name));

    for (const QString& edit : priceFields())
        c_.setText(edit, FormatPriceText(c_.text(edit)));
    setDirty(c_, true);
    c_.setFocus(fmain::CBO_SYOMEI);
}

void ProductEditor::SPD_SAKUJYOClick() {
    if (!checkProductSelected())
        return;
    const QString name = c_.text(fmain::CBO_SYOMEI);
    if (ui_.messageBox(MsgKind::Confirmation, u"商品名「 "_s + name + u" 」を削除しますか？"_s, Yes | No,
                       No) == No)
        return;
    const qsizetype i = book_.FindProduct(name);
    if (i < 0) {
        ui_.warn(name + u" は登録されていないので削除できません"_s);
        c_.setFocus(fmain::CBO_SYOMEI);
        return;
    }

    // An incomplete last record keeps all of its lines.
    book_.removeRecord(i);

    c_.removeItem(fmain::CBO_SYOMEI, c_.itemIndex(fmain::CBO_SYOMEI));
    c_.setItemIndex(fmain::CBO_SYOMEI, -1);
    panel_.ClearEntryPanel();
    setDirty(c_, true);
    c_.setFocus(fmain::CBO_SYOMEI);
    panel_.showProductCount();
}

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
