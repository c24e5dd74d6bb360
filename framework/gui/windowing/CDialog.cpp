#include "gui/windowing/CDialog.hpp"

#include "collections/TAutomaticPointer.hpp"
#include "gui/windowing/CAlertWindow.hpp"

#include <cstdio>
#include <cstdlib>

namespace Corvane { namespace GUI { namespace Windowing {

namespace {

// How long the modal loop sleeps at most between two looks at its window.
const long kWaitMilliseconds = 250;

void writeToStandardError(const Corvane::Basics::CString& message, const Corvane::Basics::CString& title)
{
    std::fprintf(stderr, "%s\n%s\n", title.getString(), message.getString());
    std::fflush(stderr);
}

}  // namespace

void CDialog::notifyUser(const Corvane::Basics::CString& message, const Corvane::Basics::CString& title, bool isError)
{
    const char* display = std::getenv("DISPLAY");
    if (display == nullptr || display[0] == '\0') {
        writeToStandardError(message, title);
        return;
    }
    Collections::TAutomaticPointer<CAlertWindow> alert;
    alert = new CAlertWindow(message, title, isError);
    if (!alert->showAlert()) {
        writeToStandardError(message, title);
        return;
    }
    // Modal: its own connection, pumped here until the user answers or the window is gone.
    while (!alert->isDismissed() && alert->isWindowOpen()) {
        alert->pump();
        if (!alert->isDismissed() && alert->isWindowOpen()) {
            alert->waitForEvents(kWaitMilliseconds);
        }
    }
}

}}}  // namespace Corvane::GUI::Windowing
