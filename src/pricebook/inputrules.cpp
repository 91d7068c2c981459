// The input rules of the entry panel: the amount check, the Enter walk and the small panel commands.
#include "pricebook/entrypanel.h"

#include "core/amount.h"
#include "core/controls.h"
#include "core/uiservices.h"
#include "core/windownames.h"
#include "notebook/pricebook.h"
#include "pricebook/dirtyflag.h"
#include "pricebook/pricefields.h"

using namespace Qt::StringLiterals;

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
