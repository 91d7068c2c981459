#include "ui/windowplacement.h"

#include <QGuiApplication>
#include <QScreen>
#include <QWidget>

#include <algorithm>

namespace {

// The title bar as the position check sees it: the top strip of the window's outer rectangle, and
// how much of it must lie on one screen for the user to take hold of it.
constexpr qint64 TitleBarHeight = 24;
constexpr qint64 GripWidth = 32;
constexpr qint64 GripHeight = 8;

int fittingSize(int saved, int fallback, int screensSize) {
    if (saved <= 0)
        return fallback;
    return std::min(saved, std::max(screensSize, fallback));
}

// Whether a piece of the title bar large enough to grip lies on the screen. Computed in 64 bits:
// the saved position may be anywhere an int reaches.
bool titleBarOn(const QRect& screen, qint64 left, qint64 top, qint64 width) {
    const qint64 across =
        std::min(left + width, qint64(screen.x()) + screen.width()) - std::max(left, qint64(screen.x()));
    const qint64 down = std::min(top + TitleBarHeight, qint64(screen.y()) + screen.height()) -
                        std::max(top, qint64(screen.y()));
    return across >= std::min(GripWidth, width) && down >= GripHeight;
}

} // namespace

WindowBounds placeWindow(const WindowBounds& saved, const QList<QRect>& screens) {
    const WindowBounds defaults;
    QRect desktop;
    for (const QRect& screen : screens)
        desktop |= screen;

    WindowBounds placed = saved;
    placed.width = fittingSize(saved.width, defaults.width, desktop.width());
    placed.height = fittingSize(saved.height, defaults.height, desktop.height());
    const bool reachable = std::any_of(screens.begin(), screens.end(), [&](const QRect& screen) {
        return titleBarOn(screen, saved.left, saved.top, placed.width);
    });
    if (!reachable) {
        const QPoint origin = screens.isEmpty() ? QPoint() : screens.front().topLeft();
        placed.left = origin.x() + defaults.left;
        placed.top = origin.y() + defaults.top;
    }
    return placed;
}

void centreOnScreen(QWidget& dialog) {
    const QWidget* owner = dialog.parentWidget() ? dialog.parentWidget()->window() : &dialog;
    const QScreen* screen = owner->screen() ? owner->screen() : QGuiApplication::primaryScreen();
    if (!screen)
        return;
    const QRect area = screen->availableGeometry();
    dialog.move(area.center() - QPoint(dialog.width() / 2, dialog.height() / 2));
}
