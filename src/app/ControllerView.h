// What the controller asks of whatever presents it: the main window, or nothing at all in an unattended run.
#pragma once

#include <string>

namespace vorlex::app {

/// A message box as the program shows it.
struct Message {
    enum class Icon { None, Error, Warning, Information };
    std::string title = "Vorlex:";
    std::string text;
    Icon icon = Icon::Error;
};

/// The presentation side of the controller. The main window implements it; an unattended run uses a view
/// that writes boxes to standard error and shows nothing.
class ControllerView {
  public:
    virtual ~ControllerView() = default;
    /// Lines were appended to the log or it was cleared; show them soon (the view may batch).
    virtual void LogChanged() = 0;
    /// Show every line of the log now (before the log is saved or the program ends).
    virtual void FlushLog() = 0;
    /// Shows a modal message box. An unattended run writes the text to standard error (as well).
    virtual void ShowMessage(const Message& message) = 0;
    /// Lets pending window events run during long work; called often, the view decides how often to act.
    virtual void KeepAlive() = 0;
    /// A scan or deletion started (true) or ended (false): freeze or release the controls.
    virtual void BusyChanged(bool busy) = 0;
    /// The result rows changed (cleared, appended, sorted or a status rewritten).
    virtual void RowsChanged() = 0;
    /// Ends the program's event loop with `code`.
    virtual void Terminate(int code) = 0;
};

}  // namespace vorlex::app
