// Program start without a window toolkit: the single-instance check, then the unattended run; an
// interactive start is refused.

#include <cstdio>

#include "app/Controller.h"
#include "console/ConsoleView.h"
#include "platform/Arguments.h"
#include "platform/Locale.h"
#include "platform/Paths.h"
#include "platform/SingleInstance.h"
#include "platform/StackTrace.h"
#include "platform/Termination.h"

int main(int argc, char** argv) {
    vorlex::platform::EnableExceptionStackCapture();
    const std::vector<std::string> args = vorlex::platform::ProgramArguments(argc, argv);
    if (args.size() <= 1) {
        std::fprintf(stderr,
                     "Vorlex: this build has no window; it runs from the command line only.\n"
                     "Start it with a folder and a number of days, for example: vorlex.exe C:\\Temp 30\n"
                     "vorlex.exe /? shows every switch.\n");
        return 1;
    }

    // Another instance of this program file runs: this start does nothing at all, and says so.
    auto instance = vorlex::platform::InstanceLock::Acquire(vorlex::platform::ProgramFile());
    if (!instance) {
        std::fprintf(stderr, "Another instance of %s is running: nothing was done.\n",
                     vorlex::platform::ProgramFile().c_str());
        return 0;
    }

    vorlex::platform::InitLocale();
    vorlex::platform::WatchTerminationSignals();
    vorlex::app::Environment env;
    env.programPath = vorlex::platform::ProgramFolder();
    env.currentPath = vorlex::platform::CurrentFolder();
    env.clock = vorlex::platform::ProcessClock();
    env.commandLine = args;
    env.args.assign(args.begin() + 1, args.end());

    vorlex::app::ConsoleView view;
    vorlex::app::Controller controller(view, std::move(env));
    view.Attach(controller);
    controller.InstallCrashReport();
    controller.Guarded([&] { controller.Init(); });
    if (!controller.Ending()) {
        // Stopped by a termination request before it could finish: no success, and the log is saved.
        controller.ExitProgram(1);
    }
    vorlex::platform::EndProcessNow(controller.ExitCode());
}
