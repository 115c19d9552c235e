#include "ui/Scale.h"

#include <QApplication>
#include <QFontInfo>
#include <QGuiApplication>
#include <QScreen>
#include <QWidget>

#include <algorithm>
#include <cmath>

namespace vorlex::ui {

double FontScale(const QFont& font) {
    return std::max(1.0, QFontInfo(font).pixelSize() / static_cast<double>(kDesignFontPixels));
}

double DesktopScale() {
    return FontScale(QApplication::font());
}

int Scaled(int designed, double scale) {
    return static_cast<int>(std::lround(designed * scale));
}

QRect Scaled(const QRect& designed, double scale) {
    const int left = Scaled(designed.x(), scale);
    const int top = Scaled(designed.y(), scale);
    return {left, top, Scaled(designed.x() + designed.width(), scale) - left,
            Scaled(designed.y() + designed.height(), scale) - top};
}

QRect FitInside(const QRect& frame, const QRect& area) {
    const QSize size = frame.size().boundedTo(area.size());
    const int x = std::clamp(frame.x(), area.x(), area.x() + area.width() - size.width());
    const int y = std::clamp(frame.y(), area.y(), area.y() + area.height() - size.height());
    return {QPoint(x, y), size};
}

QRect AvailableAreaFor(const QRect& frame, const QWidget* window) {
    QScreen* screen = QGuiApplication::screenAt(frame.center());
    if (screen == nullptr) {
        screen = QGuiApplication::screenAt(frame.topLeft());
    }
    if (screen == nullptr) {
        screen = window->screen();
    }
    return screen != nullptr ? screen->availableGeometry() : QRect();
}

QMargins FrameMargins(const QWidget* window) {
    const QRect outer = window->frameGeometry();
    const QRect inner = window->geometry();
    return {inner.left() - outer.left(), inner.top() - outer.top(), outer.right() - inner.right(),
            outer.bottom() - inner.bottom()};
}

}  // namespace vorlex::ui
