#include "gui/GuiHeadlessView.h"

#include <QApplication>

#include <cstdio>
#include <cstdlib>

#include "app/Controller.h"
#include "platform/Display.h"
#include "platform/Environment.h"
#include "platform/Termination.h"
#include "ui/MessageBoxes.h"

namespace vorlex::app {

GuiHeadlessView::GuiHeadlessView(int& argc, char** argv) : argc_(argc), argv_(argv) {}

GuiHeadlessView::~GuiHeadlessView() = default;

bool GuiHeadlessView::DisplayAvailable() const {
    if (platform::EnvironmentValue("VORLEX_NO_BOXES")) {
        return false;
    }
    // A variable left over from an ended session must not count: opening a window there would abort.
    return platform::GraphicalSessionReachable();
}

void GuiHeadlessView::ShowMessage(const Message& message) {
    // The text always goes to a stream: a scheduler's mail or journal is where it is read. The usage text is
    // what was asked for, so it goes to standard output; everything else is an error.
    if (message.usage) {
        std::fprintf(stdout, "%s\n", message.text.c_str());
        std::fflush(stdout);
    } else {
        std::fprintf(stderr, "%s %s\n", message.title.c_str(), message.text.c_str());
        std::fflush(stderr);
    }
    if (!DisplayAvailable() || platform::TerminationRequested()) {
        return;
    }
    if (!app_ && QApplication::instance() == nullptr) {
        app_ = std::make_unique<QApplication>(argc_, argv_);
    }
    ui::BoxRequest r;
    r.title = QString::fromUtf8(message.title);
    r.text = QString::fromUtf8(message.text);
    r.icon = message.icon == Message::Icon::Information ? ui::BoxIcon::Information : ui::BoxIcon::Error;
    // Nobody may be there to click: the box must neither hold the run (and with it the instance) for ever
    // nor keep a termination signal from ending it.
    r.closeAfterMs = kUnattendedBoxSeconds * 1000;
    r.closeOnReadable = platform::TerminationFd();
    ui::ShowMessageBox(nullptr, r);
    if (platform::TerminationRequested() && controller_ != nullptr) {
        // Ended from within the box: whatever step showed it, the run stops here with its log saved.
        controller_->ExitProgram(1);
        platform::EndProcessNow(1);
    }
}

void GuiHeadlessView::KeepAlive() {
    if (controller_ != nullptr && platform::TerminationRequested() && controller_->Busy()) {
        controller_->StopBitBtnClick();
    }
}

}  // namespace vorlex::app
