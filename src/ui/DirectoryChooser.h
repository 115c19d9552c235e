// The directory chooser: a directory tree and a box where the user may also type a directory, existing or
// not; a name that does not exist is taken only after the user agrees to it.
#pragma once

#include <optional>

#include <QString>

class QWidget;

namespace vorlex::ui {

/// Shows the modal chooser "Select Directory" over `parent`, starting at `start`. The user picks a directory
/// in the tree or types one (a relative name is taken inside the directory selected in the tree). Confirming
/// a name that is not an existing directory asks "The specified directory does not exist. Create it?": No
/// goes back to the chooser, Yes takes the name; the directory is not created. Returns the directory taken
/// (absolute, cleaned), or nothing on cancel.
std::optional<QString> ChooseDirectory(QWidget* parent, const QString& start);

}  // namespace vorlex::ui
