// Program start: the single-instance check, then the unattended run without any window, or the main window.

#include <QApplication>
#include <QSocketNotifier>
#include <QTimer>

#include <csignal>
#include <cstdio>

#include "app/Controller.h"
#include "gui/GuiHeadlessView.h"
#include "gui/MainWindow.h"
#include "platform/Locale.h"
#include "platform/Paths.h"
#include "platform/SingleInstance.h"
#include "platform/StackTrace.h"
#include "platform/Termination.h"
#include "ui/Glyphs.h"

int main(int argc, char** argv) {
    // A closed reader of standard output or error (or of an instance's socket) makes the write fail with
    // EPIPE instead of killing the process: a refused run must still save its log and end with code 1.
    std::signal(SIGPIPE, SIG_IGN);
    vorlex::platform::EnableExceptionStackCapture();

    // Another instance of this program file runs: it comes to the front, this start does nothing at all.
    // An unattended start says so, or a scheduler's mail would show a success that did nothing.
    auto instance = vorlex::platform::InstanceLock::Acquire(vorlex::platform::ProgramFile());
    if (!instance) {
        if (argc > 1) {
            std::fprintf(stderr, "Another instance of %s is running: nothing was done.\n",
                         vorlex::platform::ProgramFile().c_str());
        }
        return 0;
    }

    vorlex::platform::InitLocale();
    int termFd = vorlex::platform::WatchTerminationSignals();
    vorlex::app::Environment env;
    env.programPath = vorlex::platform::ProgramFolder();
    env.currentPath = vorlex::platform::CurrentFolder();
    env.clock = vorlex::platform::ProcessClock();
    env.commandLine.assign(argv, argv + argc);
    for (int i = 1; i < argc; ++i) {
        env.args.emplace_back(argv[i]);
    }

    if (!env.args.empty()) {
        // The unattended run needs no display; boxes appear only when one is available.
        vorlex::app::GuiHeadlessView view(argc, argv);
        vorlex::app::Controller controller(view, std::move(env));
        view.Attach(controller);
        controller.InstallCrashReport();
        controller.Guarded([&] { controller.Init(); });
        if (!controller.Ending()) {
            // The run was stopped (a termination signal) before it could finish: it did not do what it was
            // asked, so it must not report success, and its log must still reach the disk.
            controller.ExitProgram(1);
        }
#ifndef __SANITIZE_ADDRESS__
        // Everything is written and closed; what is left is freeing the rows. Sanitizer builds end normally,
        // so that their leak check still covers the run.
        vorlex::platform::EndProcessNow(controller.ExitCode());
#endif
        return controller.ExitCode();
    }

    QApplication app(argc, argv);
    QApplication::setApplicationName("Vorlex");
    QApplication::setWindowIcon(vorlex::ui::AppIcon());
    // The program ends only through ExitProgram, with its code: a start-up box, which can be the only
    // window, must not end it with code 0 when it closes.
    QApplication::setQuitOnLastWindowClosed(false);
    vorlex::platform::InitLocale();  // QApplication may have changed the C locale
    vorlex::app::TForm1 window(std::move(env));
    window.Ctl().InstallCrashReport();

    QSocketNotifier raise(instance->Fd(), QSocketNotifier::Read);
    QObject::connect(&raise, &QSocketNotifier::activated, &window, [&] {
        if (instance->TakeRequest()) {
            window.BringToFront();
        }
    });
    std::unique_ptr<QSocketNotifier> term;
    if (termFd >= 0) {
        term = std::make_unique<QSocketNotifier>(termFd, QSocketNotifier::Read);
        QObject::connect(term.get(), &QSocketNotifier::activated, &window, [&] {
            vorlex::platform::DrainTerminationFd();
            window.close();
        });
    }

    // The window appears only once the start-up sequence has succeeded (Init shows it).
    QTimer::singleShot(0, &window, [&window] { window.Init(); });
    return QApplication::exec();
}
