#include "ui/datepicker.h"

using namespace Qt::StringLiterals;

DatePicker::DatePicker(QWidget* parent) : QDateEdit(parent) {
    // Qt's default minimum (1752-09-14) would move older dates silently.
    setDateRange(QDate(100, 1, 1), QDate(9999, 12, 31));
    setDisplayFormat(u"yyyy/MM/dd"_s);
    setCalendarPopup(true);
}

void DatePicker::setInputMethodOff(bool off) {
    inputMethodOff_ = off;
    setAttribute(Qt::WA_InputMethodEnabled, !off);
}

QVariant DatePicker::inputMethodQuery(Qt::InputMethodQuery query) const {
    if (inputMethodOff_ && query == Qt::ImEnabled)
        return false;
    return QDateEdit::inputMethodQuery(query);
}

bool DatePicker::focusNextPrevChild(bool next) {
    return QWidget::focusNextPrevChild(next);
}
