// The view of an unattended run in a build without windows: every message goes to a standard stream.
#pragma once

#include "app/ControllerView.h"

namespace vorlex::app {

class Controller;

/// Presents an unattended run where no window toolkit is built in: a box's text goes to standard error (the
/// usage text to standard output) and the run goes on at once, as it does where no display is there. A
/// termination request (Ctrl+C, a closed console) stops the run like the Stop button.
class ConsoleView final : public ControllerView {
  public:
    /// The controller whose run a termination request stops.
    void Attach(Controller& controller) { controller_ = &controller; }

    void LogChanged() override {}
    void FlushLog() override {}
    void ShowMessage(const Message& message) override;
    void KeepAlive() override;
    void BusyChanged(bool) override {}
    void RowsChanged() override {}
    void RowUpdated(std::size_t) override {}
    void SetDeleteEnabled(bool) override {}
    void CriteriaChanged() override {}
    void ClearRegExHistory() override {}
    void AddRegExHistory(const std::string&) override {}
    void Terminate(int) override {}

  private:
    Controller* controller_ = nullptr;
};

}  // namespace vorlex::app
