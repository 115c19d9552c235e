#include "console/ConsoleView.h"

#include <cstdio>

#include "app/Controller.h"
#include "platform/Termination.h"

namespace vorlex::app {

void ConsoleView::ShowMessage(const Message& message) {
    if (message.usage) {
        std::fprintf(stdout, "%s\n", message.text.c_str());
        std::fflush(stdout);
    } else {
        std::fprintf(stderr, "%s %s\n", message.title.c_str(), message.text.c_str());
        std::fflush(stderr);
    }
}

void ConsoleView::KeepAlive() {
    if (controller_ != nullptr && platform::TerminationRequested() && controller_->Busy()) {
        controller_->StopBitBtnClick();
    }
}

}  // namespace vorlex::app
