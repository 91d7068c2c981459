#include "ui/centredmessagebox.h"

#include "ui/windowplacement.h"

#include <QCloseEvent>
#include <QKeyEvent>

void CentredMessageBox::showEvent(QShowEvent* event) {
    QMessageBox::showEvent(event);
    centreOnScreen(*this);
}

void CentredMessageBox::closeEvent(QCloseEvent* event) {
    if (!closable_) {
        event->ignore();
        return;
    }
    QMessageBox::closeEvent(event);
}

void CentredMessageBox::keyPressEvent(QKeyEvent* event) {
    if (!closable_ && event->matches(QKeySequence::Cancel)) {
        event->accept();
        return;
    }
    QMessageBox::keyPressEvent(event);
}
