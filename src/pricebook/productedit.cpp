// Adding, updating and deleting products: the entry panel written into the notebook's lines.
#include "app/mainform.h"

#include "core/amount.h"
#include "core/apperror.h"
#include "core/controls.h"
#include "core/dates.h"
#include "core/names.h"
#include "core/uiservices.h"

using namespace Qt::StringLiterals;

namespace {

const QString Selector = u"CBO_SYOMEI"_s;
const QString NameEdit = u"EDT_SYOMEI"_s;
const QString Memo = u"Memo1"_s;

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
    if (!hasLineBreak(c.text(Memo)))
        return true;
    ui.warn(u"メモ欄での改行はできません"_s);
    c.setFocus(Memo);
    return false;
}

// The record's lines after its name line (offsets +1 to +17) as the panel holds them now.
QStringList panelLines(const Controls& c) {
    QStringList lines{c.text(u"EDT_TEIKA"_s)};
    for (int j = 1; j <= 5; ++j) {
        lines << c.text(numbered(u"CBO_MISE", j)) << c.text(numbered(u"EDT_", j))
              << formatStoredDate(c.date(numbered(u"DTP_", j)));
    }
    lines << c.text(Memo);
    return lines;
}

// The checks shared by updating and deleting: there are products and one of them is selected.
bool checkSelection(Controls& c, UiServices& ui) {
    if (c.items(Selector).isEmpty()) {
        ui.warn(u"商品が０件なので変更できません"_s);
        return false;
    }
    if (c.itemIndex(Selector) < 0) {
        ui.warn(u"リストで商品名を選択して下さい"_s);
        c.setFocus(Selector);
        return false;
    }
    return true;
}

} // namespace

void MainForm::BTN_ADDClick() {
    constexpr qsizetype MaxProducts = 100;
    if (c_.items(Selector).size() >= MaxProducts) {
        ui_.warn(u"登録できるのはひとつのファイルにつき１００個までです"_s);
        return;
    }
    const QString name = c_.text(NameEdit);
    if (name.isEmpty()) {
        ui_.warn(u"商品名が未入力です"_s);
        c_.setFocus(NameEdit);
        return;
    }
    if (!CheckPriceFields() || !checkMemo(c_, ui_))
        return;
    if (book_.FindProduct(name) >= 0) {
        ui_.warn(name + u" という商品名はすでに登録済みです"_s);
        c_.setFocus(NameEdit);
        return;
    }

    // Behind the listed products; the first insertion checks the index, so a notebook whose last
    // record is incomplete stops here with nothing inserted.
    const qsizetype base = 1 + RecordLines * c_.items(Selector).size();
    const QStringList record = QStringList{name} + panelLines(c_);
    for (qsizetype k = 0; k < record.size(); ++k)
        book_.insertLine(base + k, record[k]);

    c_.insertItem(Selector, int(sortedInsertPosition(c_.items(Selector), name)), name);
    c_.setText(NameEdit, QString());
    c_.setText(u"EDT_TEIKA"_s, QString());
    c_.setItemIndex(Selector, -1);
    if (c_.checked(u"MN_ADD_OPTION"_s))
        ClearEntryPanel();
    setDirty(true);
    c_.setFocus(NameEdit);
    showProductCount();
}

void MainForm::BTN_KOUSINClick() {
    if (!checkSelection(c_, ui_))
        return;
    if (!c_.text(NameEdit).isEmpty()) {
        ui_.warn(
            u"修正の場合、商品名は\"未入力\"にして下さい\r\n\r\n追加の場合は[追加]ボタンを押して下さい"_s);
        c_.setFocus(NameEdit);
        return;
    }
    if (!CheckPriceFields() || !checkMemo(c_, ui_))
        return;
    const QString name = c_.text(Selector);
    const qsizetype i = book_.FindProduct(name);
    if (i < 0) {
        ui_.warn(name + u" は登録されていません。"_s);
        c_.setFocus(Selector);
        return;
    }

    const QStringList values = panelLines(c_);
    // An incomplete last record (a notebook made elsewhere) is refused whole rather than half
    // rewritten; the error names the first line beyond the end, as a line access would.
    if (i + values.size() >= book_.count())
        throw errors::listIndex(book_.count());
    for (qsizetype k = 0; k < values.size(); ++k)
        book_.setLine(i + 1 + k, values[k]);

    for (const QString& edit : {u"EDT_TEIKA"_s, u"EDT_1"_s, u"EDT_2"_s, u"EDT_3"_s, u"EDT_4"_s, u"EDT_5"_s})
        c_.setText(edit, FormatPriceText(c_.text(edit)));
    setDirty(true);
    c_.setFocus(Selector);
}

void MainForm::SPD_SAKUJYOClick() {
    if (!checkSelection(c_, ui_))
        return;
    const QString name = c_.text(Selector);
    if (ui_.messageBox(MsgKind::Confirmation, u"商品名「 "_s + name + u" 」を削除しますか？"_s, Yes | No,
                       No) == No)
        return;
    const qsizetype i = book_.FindProduct(name);
    if (i < 0) {
        ui_.warn(name + u" は登録されていないので削除できません"_s);
        c_.setFocus(Selector);
        return;
    }

    // From the last line to the first: an incomplete last record fails on its first removal and
    // keeps all of its lines.
    for (qsizetype k = RecordLines - 1; k >= 0; --k)
        book_.removeLine(i + k);

    c_.removeItem(Selector, c_.itemIndex(Selector));
    c_.setItemIndex(Selector, -1);
    ClearEntryPanel();
    setDirty(true);
    c_.setFocus(Selector);
    showProductCount();
}
