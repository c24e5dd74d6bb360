#pragma once

#include "basics/CSystemString.hpp"
#include "exceptions/CException.hpp"

namespace Corvane { namespace Vst {

class CHostCanDo;

/**
 * Writes the crash report of a failed effect (system facts, processor
 * features, the exception and the class registry) to a file, replacing any
 * earlier report, and then alerts the user with the file's location.
 *
 * The report goes to the path given when that file can be written. A
 * system-wide install folder cannot be written by the user: the report then
 * goes to the file of the same name in the user's state folder
 * ($XDG_STATE_HOME/<application name>, or ~/.local/state/<application name>),
 * and the alert names that file. When no file can be written at all, the
 * alert says so instead of naming a file that does not exist.
 *
 * The alert goes through a replaceable function: by default it writes the
 * title and the message to standard error and returns at once, so a run
 * without a display never blocks. The GUI library installs its blocking
 * message window with setUserAlert.
 */
class CVstExceptionHandler {
public:
    typedef void (*UserAlertProc)(const Basics::CString& message, const Basics::CString& title, bool isError);

    static constexpr const char* CVSTEXCEPTIONHANDLER_SEPARATOR = "-------------------------------------";
    static constexpr const char* CVSTEXCEPTIONHANDLER_ALERT_TITLE = "Exception occurred";

    /** The report of a failure before the host connection exists (effect construction). */
    static void preVstExceptionHandler(Exceptions::CException exception, const Basics::CSystemString& logPath);

    /** The report of a failure with a host connection: adds the host's identity and capabilities. */
    static void handleException(Exceptions::CException exception, const CHostCanDo& hostCanDo,
                                const Basics::CSystemString& logPath);

    /** Installs the alert; null restores the standard-error alert. */
    static void setUserAlert(UserAlertProc alert);
    static UserAlertProc getUserAlert() { return CVSTEXCEPTIONHANDLER_ALERT; }
    /** Writes "title: message" to standard error. */
    static void standardErrorAlert(const Basics::CString& message, const Basics::CString& title, bool isError);

    CVstExceptionHandler() = delete;

private:
    static UserAlertProc CVSTEXCEPTIONHANDLER_ALERT;
};

}}  // namespace Corvane::Vst
