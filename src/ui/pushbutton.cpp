#include "ui/pushbutton.h"

#include <QStyleOptionButton>
#include <QStylePainter>

void PushButton::paintEvent(QPaintEvent* event) {
    QPushButton::paintEvent(event);
    if (!hasFocus())
        return;
    QStyleOptionButton button;
    initStyleOption(&button);
    QStyleOptionFocusRect frame;
    frame.QStyleOption::operator=(button);
    frame.rect = style()->subElementRect(QStyle::SE_PushButtonFocusRect, &button, this);
    // Drawn also after a focus change by the mouse, which some styles leave unmarked.
    frame.state |= QStyle::State_KeyboardFocusChange;
    frame.backgroundColor = palette().color(QPalette::Button);
    QStylePainter painter(this);
    painter.drawPrimitive(QStyle::PE_FrameFocusRect, frame);
}
