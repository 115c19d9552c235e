// Button glyphs and the program icon: the desktop's icon theme first, the program's own pictures after.
#pragma once

#include <QIcon>

namespace vorlex::ui {

/// The glyph named `name`, a freedesktop icon name, from the current icon theme; where the theme lacks it
/// (or there is no theme), the program's own picture of that name. The names with a picture of their own:
/// "edit-find" (Scan Now), "edit-delete" (Delete Files), "process-stop" (Stop), "help-about" (About),
/// "help-contents" (Help), "window-close" (Close), "document-save" (Save Settings), "folder-open" (folder
/// chooser), "view-list-details" (include and exclude list buttons), "tools-check-spelling" (syntax
/// check), "dialog-ok" (OK buttons). Any other name gives the theme's icon, or a null icon.
QIcon Glyph(const char* name);

/// The program's own picture for `name` alone, never the theme's (null for a name without one).
QIcon BuiltInGlyph(const char* name);

/// The program icon (a folder with a clock), in every size the program carries.
QIcon AppIcon();

}  // namespace vorlex::ui
