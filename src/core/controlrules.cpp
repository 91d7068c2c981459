#include "core/controlrules.h"

#include "core/windownames.h"

#include <stdexcept>

namespace {

bool isCombo(ControlKind kind) {
    return kind == ControlKind::DropList || kind == ControlKind::EditCombo;
}

bool isList(ControlKind kind) {
    return kind == ControlKind::ListBox || kind == ControlKind::MultiListBox ||
           kind == ControlKind::CheckListBox;
}

} // namespace

bool holdsItems(const ControlSpec& control) {
    if (control.kind == ControlKind::MenuItem)
        return fmain::MN_FILE == QStringView(control.name);
    return isCombo(control.kind) || isList(control.kind);
}

bool isSingleChoiceList(ControlKind kind) {
    return kind == ControlKind::ListBox || kind == ControlKind::CheckListBox;
}

bool allows(const ControlSpec& control, ControlOp op) {
    const ControlKind kind = control.kind;
    const bool menuItem = kind == ControlKind::MenuItem;
    switch (op) {
    case ControlOp::Text:
    case ControlOp::Enabled:
    case ControlOp::SetEnabled:
        return true;
    case ControlOp::SetText:
        return kind != ControlKind::DatePicker && !isList(kind);
    case ControlOp::Checked:
    case ControlOp::SetChecked:
        return menuItem;
    case ControlOp::Items:
    case ControlOp::SetItems:
    case ControlOp::InsertItem:
    case ControlOp::RemoveItem:
        return holdsItems(control);
    case ControlOp::ItemIndex:
    case ControlOp::SetItemIndex:
        return isCombo(kind) || isList(kind);
    case ControlOp::SelectedIndexes:
    case ControlOp::SetItemSelected:
        return isList(kind);
    case ControlOp::ItemChecked:
    case ControlOp::SetItemChecked:
        return kind == ControlKind::CheckListBox;
    case ControlOp::Date:
    case ControlOp::SetDate:
        return kind == ControlKind::DatePicker;
    case ControlOp::FontColor:
    case ControlOp::SetFontColor:
    case ControlOp::SetFocus:
    case ControlOp::FocusNext:
        return !menuItem;
    }
    return false;
}

void requireOp(const ControlSpec& control, ControlOp op) {
    if (!allows(control, op))
        throw std::logic_error(std::string("operation not supported by control: ") +
                               QString::fromUtf16(control.name).toStdString() + " (" + opName(op) + ")");
}

const char* opName(ControlOp op) {
    switch (op) {
    case ControlOp::Text:
        return "text";
    case ControlOp::SetText:
        return "setText";
    case ControlOp::Enabled:
        return "enabled";
    case ControlOp::SetEnabled:
        return "setEnabled";
    case ControlOp::Checked:
        return "checked";
    case ControlOp::SetChecked:
        return "setChecked";
    case ControlOp::Items:
        return "items";
    case ControlOp::SetItems:
        return "setItems";
    case ControlOp::InsertItem:
        return "insertItem";
    case ControlOp::RemoveItem:
        return "removeItem";
    case ControlOp::ItemIndex:
        return "itemIndex";
    case ControlOp::SetItemIndex:
        return "setItemIndex";
    case ControlOp::SelectedIndexes:
        return "selectedIndexes";
    case ControlOp::SetItemSelected:
        return "setItemSelected";
    case ControlOp::ItemChecked:
        return "itemChecked";
    case ControlOp::SetItemChecked:
        return "setItemChecked";
    case ControlOp::Date:
        return "date";
    case ControlOp::SetDate:
        return "setDate";
    case ControlOp::FontColor:
        return "fontColor";
    case ControlOp::SetFontColor:
        return "setFontColor";
    case ControlOp::SetFocus:
        return "setFocus";
    case ControlOp::FocusNext:
        return "focusNext";
    }
    return "?";
}
