#include "ui/growinglabel.h"

#include <QEvent>
#include <QPainter>
#include <QStyle>

#include <algorithm>

GrowingLabel::GrowingLabel(const QString& text, const QRect& design, LabelGrowth grows, int limit,
                           QWidget* parent)
    : QLabel(text, parent), design_(design), grows_(grows), limit_(limit) {
    setTextFormat(Qt::PlainText);
    setGeometry(design_);
}

void GrowingLabel::fitText() {
    const int room =
        grows_ == LabelGrowth::Rightwards ? limit_ - design_.left() : design_.right() + 1 - limit_;
    const int width = std::clamp(sizeHint().width(), design_.width(), std::max(room, design_.width()));
    QRect place = design_;
    place.setWidth(width);
    if (grows_ == LabelGrowth::Leftwards)
        place.moveRight(design_.right());
    setGeometry(place);
    setToolTip(fits() ? QString() : text());
    update();
}

bool GrowingLabel::fits() const {
    return fontMetrics().horizontalAdvance(text()) <= contentsRect().width();
}

void GrowingLabel::changeEvent(QEvent* event) {
    QLabel::changeEvent(event);
    if (event->type() == QEvent::FontChange)
        fitText();
}

void GrowingLabel::paintEvent(QPaintEvent* event) {
    if (fits()) {
        QLabel::paintEvent(event);
        return;
    }
    // Cut short where the eye sees it is cut, never as a shorter number.
    QPainter painter(this);
    const QRect area = contentsRect();
    const QString shown = fontMetrics().elidedText(text(), Qt::ElideRight, area.width());
    style()->drawItemText(&painter, area, int(alignment()), palette(), isEnabled(), shown, foregroundRole());
}
