// What the controller asks of whatever presents it: the main window, or nothing at all in an unattended run.
#pragma once

#include <cstddef>
#include <string>

namespace vorlex::app {

/// A message box as the program shows it.
struct Message {
    enum class Icon { None, Error, Warning, Information };
    std::string title = "Vorlex:";
    std::string text;
    Icon icon = Icon::Error;
    bool usage = false;  ///< the usage text: it goes to standard output when there is no window
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
    /// The result rows changed (cleared, appended, sorted or a row added).
    virtual void RowsChanged() = 0;
    /// Row `index` got a new Status.
    virtual void RowUpdated(std::size_t index) = 0;
    /// "Delete Files" becomes usable (a scan found files) or not.
    virtual void SetDeleteEnabled(bool enabled) = 0;
    /// The criteria (settings and switches) changed: show them on the controls.
    virtual void CriteriaChanged() = 0;
    /// Empties the expression box and its history, then fills the history with the ticked entries of the
    /// expression list file.
    virtual void ClearRegExHistory() = 0;
    /// Puts `expression` first in the expression history unless the history holds it (letter case ignored).
    virtual void AddRegExHistory(const std::string& expression) = 0;
    /// Ends the program's event loop with `code`.
    virtual void Terminate(int code) = 0;
};

}  // namespace vorlex::app
