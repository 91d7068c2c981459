// What the two query dialogs share: the product list LST_SYO and the name the user confirms in it.
#pragma once

#include "core/controls.h"
#include "core/windownames.h"

#include <QStringList>
#include <functional>
#include <optional>

// Both query dialogs name their product list and their OK button the same.
static_assert(foldsibo::LST_SYO == fmisesibo::LST_SYO);
static_assert(foldsibo::OKBtn == fmisesibo::OKBtn);
inline QString queryListName() {
    return foldsibo::LST_SYO;
}

// The name selected in the dialog's product list, if any.
inline std::optional<QString> selectedQueryProduct(const Controls& c) {
    const QList<int> selected = c.selectedIndexes(queryListName());
    if (selected.isEmpty())
        return std::nullopt;
    return c.itemText(queryListName(), selected.front());
}

// Remembers the selected name when OK confirms the dialog; a double-click on the list confirms it
// too and closes the dialog with OK.
struct QueryConfirmation {
    std::optional<QString> name;

    void onEvent(const Controls& c, const QString& control) {
        if (control == foldsibo::OKBtn)
            name = selectedQueryProduct(c);
    }
    void onDoubleClick(const Controls& c, const QString& control, const std::function<void(bool ok)>& close) {
        if (control != queryListName())
            return;
        name = selectedQueryProduct(c);
        close(true);
    }
};
