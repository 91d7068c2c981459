// The input rules of the entry panel: the amount check, the Enter walk and the small panel commands.
#include "app/mainform.h"

#include "core/amount.h"
#include "core/controls.h"
#include "core/uiservices.h"

using namespace Qt::StringLiterals;

namespace {

bool enterRule(Controls& c, QChar key) {
    if (key != QChar(13))
        return false;
    c.focusNext(c.focused());
    return true;
}

} // namespace

bool MainForm::EDT_SYOMEIKeyPress(const QString&, QChar key) {
    return enterRule(c_, key);
}

bool MainForm::EDT_1KeyPress(const QString&, QChar key) {
    return enterRule(c_, key);
}

bool MainForm::CheckAmountText(const QString& edit) {
    const QString text = c_.text(edit);
    if (text.isEmpty())
        return true;
    if (const std::optional<QString> storage = checkAmountText(text)) {
        c_.setText(edit, *storage);
        return true;
    }
    ui_.warn(QString::fromUtf16(AmountWarning));
    c_.setFocus(edit);
    return false;
}

bool MainForm::CheckPriceFields() {
    for (const QString& edit : {u"EDT_TEIKA"_s, u"EDT_1"_s, u"EDT_2"_s, u"EDT_3"_s, u"EDT_4"_s, u"EDT_5"_s}) {
        if (!CheckAmountText(edit))
            return false;
    }
    return true;
}

void MainForm::BTN_1_TODAYClick(const QString& sender) {
    for (int j = 1; j <= 5; ++j) {
        if (sender == u"BTN_%1_TODAY"_s.arg(j))
            c_.setDate(numbered(u"DTP_", j), ui_.today());
    }
    setDirty(true);
}

void MainForm::BTN_DELClick(int row) {
    c_.setText(numbered(u"CBO_MISE", row), QString());
    c_.setFontColor(numbered(u"CBO_MISE", row), colors::Black);
    c_.setText(numbered(u"EDT_", row), QString());
    c_.setDate(numbered(u"DTP_", row), ui_.today());
    c_.setText(numbered(u"LBL_SA_", row), u"*"_s);
    c_.setFontColor(numbered(u"LBL_SA_", row), colors::Black);
}

void MainForm::SPD_MEMO_DELClick() {
    c_.setText(u"Memo1"_s, QString());
    c_.setFocus(u"Memo1"_s);
}

void MainForm::POP_COPYClick() {
    ui_.setClipboardText(c_.text(u"CBO_SYOMEI"_s));
}

void MainForm::MN_ADD_OPTIONClick() {
    c_.setChecked(u"MN_ADD_OPTION"_s, !c_.checked(u"MN_ADD_OPTION"_s));
}
