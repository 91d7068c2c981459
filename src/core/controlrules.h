// Which operations of Controls each kind of control has: the one rule book that the widgets'
// implementation (ui/QtControls) and the plain test double (tests/support/PlainControls) both
// follow, so a call that a real control refuses fails in the tests too.
#pragma once

#include "core/controltable.h"

#include <QString>

// The operations of Controls, by the name of the function.
enum class ControlOp {
    Text,
    SetText,
    Enabled,
    SetEnabled,
    Checked,
    SetChecked,
    Items,
    SetItems,
    InsertItem,
    RemoveItem,
    ItemIndex,
    SetItemIndex,
    SelectedIndexes,
    SetItemSelected,
    ItemChecked,
    SetItemChecked,
    Date,
    SetDate,
    FontColor,
    SetFontColor,
    SetFocus,
    FocusNext,
};
inline constexpr int ControlOpCount = int(ControlOp::FocusNext) + 1;

// Whether the operation means something for the control.
bool allows(const ControlSpec& control, ControlOp op);
// Throws std::logic_error ("operation not supported by control: NAME") when it does not.
void requireOp(const ControlSpec& control, ControlOp op);

// Combo boxes and list boxes hold items; so does the File menu, whose items after the fixed ones
// are the recent-file history.
bool holdsItems(const ControlSpec& control);
// A list where one entry at most is selected: making an entry current selects it alone.
bool isSingleChoiceList(ControlKind kind);

const char* opName(ControlOp op);
