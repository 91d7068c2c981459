#include "ui/dialogwindow.h"

#include "ui/controlbuilder.h"
#include "ui/listbox.h"
#include "ui/windowplacement.h"

#include <QKeyEvent>
#include <QListWidget>
#include <QMouseEvent>
#include <QPushButton>

DialogWindow::DialogWindow(const WindowSpec& window, QWidget* owner) : QDialog(owner), window_(window) {
    setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                   Qt::WindowCloseButtonHint);
    setWindowTitle(QString::fromUtf16(window.caption));
    if (window.fontPx > 0)
        setFont(programFont(window.fontPx));
    setFixedSize(window.clientWidth, window.clientHeight);
    buildControls(*this, window);
    addControlKeys(*this, window);
    for (const ControlSpec& c : window.controls) {
        const QString name = QString::fromUtf16(c.name);
        if (c.kind == ControlKind::Button && c.defaultButton)
            findChild<QPushButton*>(name)->setDefault(true);
        if (c.kind == ControlKind::ListBox || c.kind == ControlKind::MultiListBox ||
            c.kind == ControlKind::CheckListBox) {
            auto* list = findChild<QListWidget*>(name);
            list->viewport()->installEventFilter(this);
            listOfViewport_.insert(list->viewport(), name);
        }
    }
}

bool DialogWindow::eventFilter(QObject* watched, QEvent* event) {
    // Anywhere on the list counts, below the last entry and on an empty list too; the list itself
    // reports only double-clicks on an entry, of any button.
    if (event->type() == QEvent::MouseButtonDblClick &&
        static_cast<QMouseEvent*>(event)->button() == Qt::LeftButton)
        emit listDoubleClicked(listOfViewport_.value(watched));
    return QDialog::eventFilter(watched, event);
}

void DialogWindow::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    centreOnScreen(*this);
}

void DialogWindow::keyPressEvent(QKeyEvent* event) {
    if (event->matches(QKeySequence::Cancel)) {
        for (const ControlSpec& c : window_.controls) {
            if (c.cancelButton) {
                event->accept();
                findChild<QPushButton*>(QString::fromUtf16(c.name))->click();
                return;
            }
        }
    }
    // Without a cancel button Esc closes the window as its close box does.
    QDialog::keyPressEvent(event);
}
