// The view of an unattended run: no window; every box goes to standard error, and is shown only when a
// display is available.
#pragma once

#include <memory>

#include "app/ControllerView.h"

class QApplication;

namespace vorlex::app {

class Controller;

/// Seconds a box of an unattended run waits for a click before it closes by itself and the run goes on.
inline constexpr int kUnattendedBoxSeconds = 60;

/// Presents an unattended run: nothing but messages. A termination signal (SIGTERM, SIGINT, SIGHUP) stops
/// the run like the Stop button and makes it end with code 1; one that arrives while a box is up closes the
/// box and ends the run at once, with code 1 and its log saved. A box closes by itself after
/// kUnattendedBoxSeconds.
class GuiHeadlessView final : public ControllerView {
  public:
    GuiHeadlessView(int& argc, char** argv);
    ~GuiHeadlessView() override;

    /// The controller whose run a termination signal stops.
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
    /// True when a graphical session is there to show boxes in.
    bool DisplayAvailable() const;

    int& argc_;
    char** argv_;
    std::unique_ptr<QApplication> app_;
    Controller* controller_ = nullptr;
};

}  // namespace vorlex::app
