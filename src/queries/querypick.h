// What the two query dialogs share: the product list LST_SYO, the name the user confirms in it, and
// showing that product in the main window as if it had been picked in the product selector.
#pragma once

#include "app/mainform.h"
#include "core/controls.h"
#include "core/names.h"

#include <QStringList>
#include <functional>
#include <optional>

inline QString queryListName() {
    return QStringLiteral("LST_SYO");
}

// The name selected in the dialog's product list, if any.
inline std::optional<QString> selectedQueryProduct(const Controls& c) {
    const QList<int> selected = c.selectedIndexes(queryListName());
    if (selected.isEmpty())
        return std::nullopt;
    return c.items(queryListName()).at(selected.front());
}

// Remembers the selected name when OK confirms the dialog; a double-click on the list confirms it
// too and closes the dialog with OK.
struct QueryConfirmation {
    std::optional<QString> name;

    void onEvent(const Controls& c, const QString& control) {
        if (control == u"OKBtn")
            name = selectedQueryProduct(c);
    }
    void onDoubleClick(const Controls& c, const QString& control, const std::function<void(bool ok)>& close) {
        if (control != queryListName())
            return;
        name = selectedQueryProduct(c);
        close(true);
    }
};

// Selects the product in CBO_SYOMEI (its own search, which ignores case) and fills the entry panel
// from it. A name the selector does not list, such as one after a record without a name, leaves the
// main window as it was rather than dropping the current selection under a panel that still shows it.
inline void showQueriedProduct(MainForm& form, const QString& name) {
    const QString selector = QStringLiteral("CBO_SYOMEI");
    const QStringList items = form.controls().items(selector);
    for (qsizetype i = 0; i < items.size(); ++i) {
        if (sameProductName(items[i], name)) {
            form.controls().setItemIndex(selector, int(i));
            form.CBO_SYOMEIClick();
            return;
        }
    }
}
