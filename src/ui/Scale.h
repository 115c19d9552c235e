// Layout scale: designed pixel numbers grown with the desktop's font, and windows kept on their screen.
#pragma once

#include <QRect>

class QFont;
class QWidget;

namespace vorlex::ui {

/// Pixel size of the font the windows were designed for (8 points at 96 dpi).
constexpr int kDesignFontPixels = 11;

/// The factor designed pixel numbers grow by with `font`: its pixel size over kDesignFontPixels, never
/// below 1.
double FontScale(const QFont& font);

/// FontScale of the application's (the desktop's) font.
double DesktopScale();

/// `designed` pixels at `scale`, rounded to the nearest pixel.
int Scaled(int designed, double scale);

/// `designed` at `scale`: both edges scaled, so controls that touch in the design still touch.
QRect Scaled(const QRect& designed, double scale);

/// `frame` made to lie inside `area`: shrunk to at most the size of `area`, then moved in by the least
/// distance.
QRect FitInside(const QRect& frame, const QRect& area);

/// The available area (without panels and docks) of the screen that holds the centre of `frame`, else the
/// one that holds its top-left corner, else the screen of `window`.
QRect AvailableAreaFor(const QRect& frame, const QWidget* window);

/// The margins a window manager adds around `window` (title bar, borders); zero before it is shown.
QMargins FrameMargins(const QWidget* window);

}  // namespace vorlex::ui
