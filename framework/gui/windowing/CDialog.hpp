#pragma once

#include "basics/CString.hpp"

namespace Corvane { namespace GUI { namespace Windowing {

/** Messages to the user that wait for an answer. */
class CDialog {
public:
    /**
     * Shows the title and the message in a small window with an OK button
     * and returns when the user dismisses it (OK, Return, Escape or closing
     * the window); meanwhile nothing else of the program's windows is served.
     * Without a display (no $DISPLAY, or none that answers) it writes the
     * title and the message to standard error and returns at once, so an
     * unattended run never waits. Fits the crash report's alert:
     * CVstExceptionHandler::setUserAlert(&CDialog::notifyUser).
     */
    static void notifyUser(const Corvane::Basics::CString& message, const Corvane::Basics::CString& title,
                           bool isError);

    CDialog() = delete;
};

}}}  // namespace Corvane::GUI::Windowing
