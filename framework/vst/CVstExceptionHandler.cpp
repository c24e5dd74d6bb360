#include "vst/CVstExceptionHandler.hpp"

#include "basics/CClassManager.hpp"
#include "host/CApplication.hpp"
#include "host/CFPUInformation.hpp"
#include "host/CFileManager.hpp"
#include "host/CSystemInformation.hpp"
#include "host/CTime.hpp"
#include "io/CTextStream.hpp"
#include "vst/CHostCanDo.hpp"

#include <cstdio>

namespace Corvane { namespace Vst {

namespace {

using Basics::CString;
using IO::CTextStream;

const char* const kSupportRequest =
    "Please e-mail this file to support@tolvek-orvasse-audio.com so that the fault can be fixed.";

void writeSeparator(CTextStream& stream)
{
    stream << CVstExceptionHandler::CVSTEXCEPTIONHANDLER_SEPARATOR << "\n";
}

void openSection(CTextStream& stream, const char* title)
{
    writeSeparator(stream);
    stream << title << "\n";
    writeSeparator(stream);
}

void closeSection(CTextStream& stream)
{
    stream << CVstExceptionHandler::CVSTEXCEPTIONHANDLER_SEPARATOR << "\n\n";
}

void writeHeader(CTextStream& stream, const char* title)
{
    writeSeparator(stream);
    stream << title << "\n";
    Host::CTime now;
    now.setToCurrentTime();
    stream << now.getDayYearString(true) << "\n";
    closeSection(stream);
}

void writeSystemSections(CTextStream& stream, const Host::SSystemInformation& info)
{
    openSection(stream, "System statistics");
    stream << "System name : " << info.computerName << "\n";
    stream << "User name   : " << info.userName << "\n";
    stream << "O/S         : " << info.operatingSystemName << "\n";
    stream << "Processor   : " << info.processorName << "\n";
    stream << "CPU speed   : " << info.processorSpeed << "\n";
    stream << "O/S version : " << info.operatingSystemMajorVersion << "." << info.operatingSystemMinorVersion << "."
           << info.operatingSystemRevision << "\n";
    stream << "Num proc    : " << info.numberOfProcessors << "\n";
    closeSection(stream);

    openSection(stream, "FPU statistics");
    stream << "Has MMX     : " << Host::CFPUInformation::hasMMX() << "\n";
    stream << "Has SSE     : " << Host::CFPUInformation::hasSSE() << "\n";
    stream << "Has SSE2    : " << Host::CFPUInformation::hasSSE2() << "\n";
    stream << "Has SSE3    : " << Host::CFPUInformation::hasSSE3() << "\n";
    stream << "Has HT      : " << Host::CFPUInformation::hasHT() << "\n";
    closeSection(stream);
}

void writeHostSections(CTextStream& stream, const CHostCanDo& host)
{
    openSection(stream, "VST information");
    stream << "Host name      : " << host.getHostProduct() << "\n";
    stream << "Host version   : " << host.getHostVendorVersion() << "\n";
    stream << "Host developer : " << host.getHostVendor() << "\n";
    stream << CVstExceptionHandler::CVSTEXCEPTIONHANDLER_SEPARATOR << "\n";

    static const char* const labels[CHostCanDo::CHOSTCANDO_NUMBER_OF_CAPABILITIES] = {
        "Send Vst Events        : ", "Send Vst Midi Event    : ", "Send Vst Time Info     : ",
        "Recieve Vst Events     : ", "Recieve Vst Midi Event : ", "Recieve Vst Time Info  : ",
        "Report con'tion change : ", "Accept IO changes      : ", "Size window            : ",
        "Async Process          : ", "Offline                : ", "Supply idle            : ",
        "Support Shell          : ", "Edit file              : ", "Close file selector    : ",
        "Start stop process     : "};
    stream << "Can do information"
           << "\n";
    writeSeparator(stream);
    for (int i = 0; i < CHostCanDo::CHOSTCANDO_NUMBER_OF_CAPABILITIES; ++i) {
        stream << labels[i] << host.canDo(static_cast<CHostCanDo::ECapability>(i)) << "\n";
    }
    closeSection(stream);
}

void writeExceptionSection(CTextStream& stream, const Exceptions::CException& exception)
{
    openSection(stream, "Exception Information");
    stream << "Function name : " << exception.getFunctionName() << "\n";
    stream << "Error reason  : " << exception.getErrorReason() << "\n";
    closeSection(stream);
}

// The report's file of the same name in the user's state folder, for when the
// intended folder (a system-wide install) cannot be written. False when there
// is no such folder.
bool fallbackPath(const Basics::CSystemString& logPath, Basics::CSystemString& fallback)
{
    fallback = Host::CFileManager::getUserStateFolder();
    if (fallback.getString()[0] == '\0') {
        return false;
    }
    const CString& application = Host::CApplication::getApplicationName();
    if (!(application == " ") && application.getString()[0] != '\0') {
        fallback.appendPath(application);
    }
    if (!Host::CFileManager::createFolder(fallback)) {
        return false;
    }
    fallback.appendPath(logPath.getTheFilename());
    return true;
}

// Writes the report with writeSections to logPath or, when that file cannot be
// created, to the fallback. Answers whether a file was written, and which.
template <class TWriter>
bool writeReport(const Basics::CSystemString& logPath, Basics::CSystemString& written, TWriter writeSections)
{
    CTextStream stream;
    written = logPath;
    if (!stream.openStream(written, CTextStream::e_write) &&
        !(fallbackPath(logPath, written) && stream.openStream(written, CTextStream::e_write))) {
        written = logPath;
        return false;
    }
    writeSections(stream);
    stream.closeStream();
    return true;
}

CString userMessage(const Exceptions::CException& exception, const Basics::CSystemString& logPath, bool written,
                    bool askForMail)
{
    CString message("An Exception has occurred!\n");
    message += "Exception information :\n";
    message += exception.getFunctionName();
    message += "\n";
    message += exception.getErrorReason();
    message += "\n\n";
    // Only a file that exists is named as written, and only then is the user asked to send it.
    message += written ? "A Log file of this error has been created and is located :\n"
                       : "A Log file of this error could not be written to :\n";
    message += logPath.getString();
    if (askForMail && written) {
        message += "\n";
        message += kSupportRequest;
    }
    return message;
}

}  // namespace

CVstExceptionHandler::UserAlertProc CVstExceptionHandler::CVSTEXCEPTIONHANDLER_ALERT =
    &CVstExceptionHandler::standardErrorAlert;

void CVstExceptionHandler::preVstExceptionHandler(Exceptions::CException exception,
                                                  const Basics::CSystemString& logPath)
{
    Host::SSystemInformation info;
    Host::CSystemInformation::getSystemInfo(info);
    Basics::CSystemString written;
    const bool wasWritten = writeReport(logPath, written, [&](CTextStream& stream) {
        writeHeader(stream, "Corvane Pre Vst Exception Handler Report");
        writeSystemSections(stream, info);
        writeExceptionSection(stream, exception);
        if (Basics::CClass::CCLASSCLASS_MANAGER != nullptr) {
            Basics::CClass::CCLASSCLASS_MANAGER->logClassInformation(&stream);
        }
    });
    CVSTEXCEPTIONHANDLER_ALERT(userMessage(exception, written, wasWritten, true), CVSTEXCEPTIONHANDLER_ALERT_TITLE,
                               true);
}

void CVstExceptionHandler::handleException(Exceptions::CException exception, const CHostCanDo& hostCanDo,
                                           const Basics::CSystemString& logPath)
{
    Host::SSystemInformation info;
    Host::CSystemInformation::getSystemInfo(info);
    Basics::CSystemString written;
    const bool wasWritten = writeReport(logPath, written, [&](CTextStream& stream) {
        writeHeader(stream, "Corvane Vst Exception Handler Report");
        writeSystemSections(stream, info);
        writeHostSections(stream, hostCanDo);
        writeExceptionSection(stream, exception);
        if (Basics::CClass::CCLASSCLASS_MANAGER != nullptr) {
            Basics::CClass::CCLASSCLASS_MANAGER->sortClasses();
            Basics::CClass::CCLASSCLASS_MANAGER->logClassInformation(&stream);
        }
    });
    CVSTEXCEPTIONHANDLER_ALERT(userMessage(exception, written, wasWritten, false), CVSTEXCEPTIONHANDLER_ALERT_TITLE,
                               true);
}

void CVstExceptionHandler::setUserAlert(UserAlertProc alert)
{
    CVSTEXCEPTIONHANDLER_ALERT = alert != nullptr ? alert : &CVstExceptionHandler::standardErrorAlert;
}

void CVstExceptionHandler::standardErrorAlert(const Basics::CString& message, const Basics::CString& title, bool)
{
    std::fprintf(stderr, "%s\n%s\n", title.getString(), message.getString());
    std::fflush(stderr);
}

}}  // namespace Corvane::Vst
