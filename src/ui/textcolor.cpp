#include "ui/textcolor.h"

#include <QWidget>

#include <cmath>

using namespace Qt::StringLiterals;

namespace {

// Where a widget keeps its text colour and the background it is measured against.
constexpr char MeantColor[] = "pricottaTextColor";
constexpr char MeantBackground[] = "pricottaTextBackground";

double luminance(const QColor& c) {
    const auto linear = [](double v) {
        return v <= 0.04045 ? v / 12.92 : std::pow((v + 0.055) / 1.055, 2.4);
    };
    return 0.2126 * linear(c.redF()) + 0.7152 * linear(c.greenF()) + 0.0722 * linear(c.blueF());
}

QColor mixed(const QColor& from, const QColor& to, double t) {
    return QColor::fromRgbF(float(from.redF() + (to.redF() - from.redF()) * t),
                            float(from.greenF() + (to.greenF() - from.greenF()) * t),
                            float(from.blueF() + (to.blueF() - from.blueF()) * t));
}

void applyTextColor(QWidget& widget) {
    const Rgb meant = textColor(widget);
    if (meant == colors::Black) {
        // Every role from the palette again.
        widget.setPalette(QPalette());
        return;
    }
    const auto backgroundRole = QPalette::ColorRole(widget.property(MeantBackground).toInt());
    const QWidget* ground = widget.parentWidget() ? widget.parentWidget() : &widget;
    const QColor shade =
        readableOn(QColor::fromRgb(meant), ground->palette().color(QPalette::Active, backgroundRole));
    // Only the text roles are the widget's own; the disabled group keeps its grey, so a disabled
    // control still looks disabled.
    QPalette palette;
    for (QPalette::ColorGroup group : {QPalette::Active, QPalette::Inactive}) {
        for (QPalette::ColorRole role : {QPalette::WindowText, QPalette::Text, QPalette::ButtonText})
            palette.setColor(group, role, shade);
    }
    widget.setPalette(palette);
}

} // namespace

double contrastRatio(const QColor& a, const QColor& b) {
    const double la = luminance(a);
    const double lb = luminance(b);
    return (std::max(la, lb) + 0.05) / (std::min(la, lb) + 0.05);
}

QColor readableOn(const QColor& meant, const QColor& background, double ratio) {
    const QColor towards = contrastRatio(Qt::black, background) >= contrastRatio(Qt::white, background)
                               ? QColor(Qt::black)
                               : QColor(Qt::white);
    constexpr int Steps = 40;
    for (int step = 0; step < Steps; ++step) {
        const QColor shade = mixed(meant, towards, double(step) / Steps);
        if (contrastRatio(shade, background) >= ratio)
            return shade;
    }
    return towards;
}

void setTextColor(QWidget& widget, Rgb meant, QPalette::ColorRole background) {
    widget.setProperty(MeantColor, uint(meant));
    widget.setProperty(MeantBackground, int(background));
    applyTextColor(widget);
}

Rgb textColor(const QWidget& widget) {
    const QVariant meant = widget.property(MeantColor);
    return meant.isValid() ? Rgb(meant.toUInt()) : colors::Black;
}

void repaintTextColors(QWidget& window) {
    for (QWidget* widget : window.findChildren<QWidget*>()) {
        if (widget->property(MeantColor).isValid())
            applyTextColor(*widget);
    }
}
