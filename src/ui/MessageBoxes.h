// Modal message boxes of the program, centred on the main window, with a seam so tests never block.
#pragma once

#include <functional>

#include <QString>

class QWidget;

namespace vorlex::ui {

enum class BoxIcon { None, Error, Warning, Information, Question };
enum class BoxButtons { Ok, YesNo, OkCancel };
enum class BoxResult { Ok, Cancel, Yes, No };

/// Everything a box shows; handed to the hook so tests can check it.
struct BoxRequest {
    QString title;
    QString text;
    BoxIcon icon = BoxIcon::None;
    BoxButtons buttons = BoxButtons::Ok;
    int closeAfterMs = 0;      ///< the box closes by itself after this many milliseconds (0: never)
    int closeOnReadable = -1;  ///< the box closes as soon as this descriptor is readable (-1: none)
};

/// Replaces the real boxes (tests). The hook answers in place of the user. An empty hook restores them.
using MessageBoxHook = std::function<BoxResult(const BoxRequest&)>;
void SetMessageBoxHook(MessageBoxHook hook);

/// Shows a modal box centred on `centreOn` (the main window; null centres it on the screen) and returns the
/// button pressed; a box closed by itself (closeAfterMs, closeOnReadable) answers Ok. When a hook is set, the
/// hook answers instead and nothing is shown.
BoxResult ShowMessageBox(QWidget* centreOn, const BoxRequest& request);

/// The widget boxes are centred on: the main window once it exists.
void SetBoxParent(QWidget* mainWindow);
QWidget* BoxParent();

}  // namespace vorlex::ui
