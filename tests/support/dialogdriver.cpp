#include "support/dialogdriver.h"

#include <stdexcept>

DialogDriver::DialogDriver(const DialogRun& run) : run_(run), controls_(*run.window) {
    if (run_.onStart)
        run_.onStart(controls_);
}

void DialogDriver::requireOpen() const {
    if (closed())
        throw std::logic_error("the dialog is closed");
}

std::function<void(bool ok)> DialogDriver::closer() {
    return [this](bool ok) {
        if (!closed())
            result_ = ok;
    };
}

void DialogDriver::event(const QString& control) {
    requireOpen();
    if (run_.onEvent)
        run_.onEvent(controls_, control, closer());
}

void DialogDriver::type(const QString& edit, const QString& text) {
    requireOpen();
    controls_.setText(edit, text);
}

void DialogDriver::click(const QString& control) {
    const ControlSpec* desc = findControl(controls_.window(), control);
    if (!desc)
        throw std::logic_error("no control named " + control.toStdString());
    requireOpen();
    // A push button takes the focus from the click; image buttons never do.
    if (desc->kind == ControlKind::Button && desc->tab >= 0)
        controls_.setFocus(control);
    event(control);
    if (!closed() && desc->closes != CloseRole::None)
        result_ = desc->closes == CloseRole::Ok;
}

void DialogDriver::pressEnter() {
    for (const ControlSpec& c : controls_.window().controls) {
        if (c.defaultButton) {
            click(QString::fromUtf16(c.name));
            return;
        }
    }
    throw std::logic_error("the dialog has no default button");
}

void DialogDriver::closeBox() {
    requireOpen();
    result_ = false;
}

void DialogDriver::pickItem(const QString& list, int index) {
    requireOpen();
    controls_.setItemIndex(list, index);
    // A combo box has no selection besides its current item.
    const ControlSpec* desc = findControl(controls_.window(), list);
    if (desc && allows(*desc, ControlOp::SetItemSelected)) {
        const qsizetype count = controls_.items(list).size();
        for (int i = 0; i < count; ++i)
            controls_.setItemSelected(list, i, i == index);
    }
    controls_.setFocus(list);
    event(list);
}

void DialogDriver::ctrlClickItem(const QString& list, int index) {
    requireOpen();
    const bool wasSelected = controls_.selectedIndexes(list).contains(index);
    controls_.setItemIndex(list, index);
    controls_.setItemSelected(list, index, !wasSelected);
    controls_.setFocus(list);
    event(list);
}

void DialogDriver::doubleClickItem(const QString& list, int index) {
    pickItem(list, index);
    if (!closed() && run_.onDoubleClick)
        run_.onDoubleClick(controls_, list, closer());
}

std::function<bool(const DialogRun&)> playing(std::function<void(DialogDriver&)> steps) {
    return [steps = std::move(steps)](const DialogRun& run) {
        DialogDriver driver(run);
        steps(driver);
        return driver.result();
    };
}
