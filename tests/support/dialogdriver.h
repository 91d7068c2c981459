// Plays the user in a dialog window that the logic runs through FakeUi::runDialog: the dialog's
// controls are plain values built from its table, and clicks reach the dialog's handlers as the
// window would deliver them.
#pragma once

#include "core/uiservices.h"
#include "support/plaincontrols.h"

#include <functional>
#include <optional>

class DialogDriver {
  public:
    // Builds the dialog's controls and runs its start.
    explicit DialogDriver(const DialogRun& run);

    PlainControls& controls() { return controls_; }

    // Types into an edit: its text is replaced.
    void type(const QString& edit, const QString& text);
    // A click on a button or image button; a push button takes the focus first. A button that
    // closes the dialog closes it after its handler, unless the handler closed it already.
    void click(const QString& control);
    // Enter: presses the window's default button.
    void pressEnter();
    // The window's close box.
    void closeBox();

    // A plain click on a list entry (or a choice in a combo box): it alone is selected and becomes
    // current; the list takes the focus.
    void pickItem(const QString& list, int index);
    // Ctrl+click on a list entry: toggles its selection and makes it current; the list takes the focus.
    void ctrlClickItem(const QString& list, int index);
    // A double-click on a list entry: its first click picks the entry as pickItem does, then the
    // dialog hears the double-click, unless that click closed it.
    void doubleClickItem(const QString& list, int index);

    bool closed() const { return result_.has_value(); }
    // The dialog's result: false while it is still open or when closed other than with OK.
    bool result() const { return result_.value_or(false); }

  private:
    void event(const QString& control);
    std::function<void(bool ok)> closer();
    void requireOpen() const;

    const DialogRun& run_;
    PlainControls controls_;
    std::optional<bool> result_;
};

// A FakeUi::dialogScript that runs each dialog by `steps`; a dialog the steps leave open is closed
// with its close box.
std::function<bool(const DialogRun&)> playing(std::function<void(DialogDriver&)> steps);
