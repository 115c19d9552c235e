// Program start: the unattended run without any window, or the main window.
#include <QApplication>
#include <QTimer>

#include <cstdio>

#include "app/Controller.h"
#include "app/MainWindow.h"
#include "platform/Locale.h"
#include "platform/Paths.h"

namespace {

using vorlex::app::ControllerView;
using vorlex::app::Message;

/// The view of an unattended run: no window; boxes go to standard error.
class HeadlessView final : public ControllerView {
  public:
    void LogChanged() override {}
    void FlushLog() override {}
    void ShowMessage(const Message& m) override {
        std::fprintf(stderr, "%s %s\n", m.title.c_str(), m.text.c_str());
    }
    void KeepAlive() override {}
    void BusyChanged(bool) override {}
    void RowsChanged() override {}
    void Terminate(int code) override { code_ = code; }
    int code_ = 0;
};

}  // namespace

int main(int argc, char** argv) {
    vorlex::platform::InitLocale();
    vorlex::app::Environment env;
    env.programPath = vorlex::platform::ProgramFolder();
    env.currentPath = vorlex::platform::CurrentFolder();
    env.clock = vorlex::platform::ProcessClock();
    for (int i = 1; i < argc; ++i) {
        env.args.emplace_back(argv[i]);
    }

    if (!env.args.empty()) {
        HeadlessView view;
        vorlex::app::Controller controller(view, std::move(env));
        controller.Init();
        return controller.ExitCode();
    }

    QApplication app(argc, argv);
    QApplication::setApplicationName("Vorlex");
    QApplication::setApplicationDisplayName("Vorlex");
    vorlex::platform::InitLocale();  // QApplication may have reset LC_NUMERIC
    vorlex::app::TForm1 window(std::move(env));
    // The window stays fully transparent until the start-up sequence has run.
    window.setWindowOpacity(0.0);
    window.show();
    QTimer::singleShot(0, &window, [&window] { window.Init(); });
    return QApplication::exec();
}
