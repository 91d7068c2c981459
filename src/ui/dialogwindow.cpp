#include "ui/dialogwindow.h"

#include "ui/controlbuilder.h"
#include "ui/dialogs.h"

#include <QKeyEvent>
#include <QPushButton>

DialogWindow::DialogWindow(const WindowSpec& window, QWidget* owner) : QDialog(owner), window_(window) {
    setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                   Qt::WindowCloseButtonHint);
    setWindowTitle(QString::fromUtf16(window.caption));
    if (window.fontPx > 0)
        setFont(programFont(window.fontPx));
    setFixedSize(window.clientWidth, window.clientHeight);
    buildControls(*this, window);
    for (const ControlSpec& c : window.controls) {
        if (c.kind == ControlKind::Button && c.defaultButton)
            findChild<QPushButton*>(QString::fromUtf16(c.name))->setDefault(true);
    }
}

void DialogWindow::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    centreOnScreen(*this);
}

void DialogWindow::keyPressEvent(QKeyEvent* event) {
    if (!event->matches(QKeySequence::Cancel)) {
        QDialog::keyPressEvent(event);
        return;
    }
    // Without a cancel button Esc does nothing; the close box still closes the window.
    event->accept();
    for (const ControlSpec& c : window_.controls) {
        if (c.cancelButton) {
            findChild<QPushButton*>(QString::fromUtf16(c.name))->click();
            return;
        }
    }
}
