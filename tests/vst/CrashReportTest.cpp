// The crash report: layout of both writers and the alert.
#include "ReportFile.hpp"

#include "exceptions/CException.hpp"
#include "host/CApplication.hpp"
#include "vst/CHostCanDo.hpp"
#include "vst/CVstExceptionHandler.hpp"

#include <gtest/gtest.h>

#include <unistd.h>
#include <algorithm>
#include <cstdlib>
#include <fstream>
#include <regex>

using Corvane::Basics::CString;
using Corvane::Basics::CSystemString;
using Corvane::Exceptions::CException;
using Corvane::Host::CApplication;
using Corvane::Vst::CHostCanDo;
using Corvane::Vst::CVstExceptionHandler;

std::string makeTemporaryFolder()
{
    char pattern[] = "/tmp/tenvira_vst_XXXXXX";
    const char* folder = mkdtemp(pattern);
    return folder ? folder : "/tmp";
}

namespace {

const std::string kRule(37, '-');

struct SAlert {
    std::string message;
    std::string title;
    bool isError = false;
    int count = 0;
} lastAlert;

void captureAlert(const CString& message, const CString& title, bool isError)
{
    lastAlert = {message.getString(), title.getString(), isError, lastAlert.count + 1};
}

class CrashReport : public ::testing::Test {
protected:
    void SetUp() override
    {
        lastAlert = SAlert();
        CVstExceptionHandler::setUserAlert(captureAlert);
        folder = makeTemporaryFolder();
        path = folder + "/Tenvira.crash_log";
    }
    void TearDown() override { CVstExceptionHandler::setUserAlert(nullptr); }

    // Index of the line equal to text, or -1.
    static long find(const std::vector<std::string>& lines, const std::string& text)
    {
        const auto at = std::find(lines.begin(), lines.end(), text);
        return at == lines.end() ? -1 : static_cast<long>(at - lines.begin());
    }

    std::string folder;
    std::string path;
};

bool matches(const std::string& line, const char* pattern)
{
    return std::regex_match(line, std::regex(pattern));
}

}  // namespace

TEST_F(CrashReport, PreHandlerLayout)
{
    CVstExceptionHandler::preVstExceptionHandler(CException("Control root is null", "CControl::setControlRoot()", true),
                                                 CSystemString(path.c_str()));
    const auto lines = readLines(path);
    ASSERT_GT(lines.size(), 35u);  // the class report follows the last section
    EXPECT_EQ(lines[1], "Corvane Pre Vst Exception Handler Report");
    EXPECT_TRUE(matches(lines[2], "[A-Z][a-z]+ [0-9]+ [A-Z][a-z]+ [0-9]+")) << lines[2];
    for (size_t rule : {0, 3, 5, 7, 15, 25, 29, 32}) {
        EXPECT_EQ(lines[rule], kRule) << rule;
    }
    for (size_t blank : {4, 16, 33}) {
        EXPECT_EQ(lines[blank], "") << blank;
    }
    EXPECT_EQ(find(lines, "System statistics"), 6);
    EXPECT_EQ(lines[8].rfind("System name : ", 0), 0u) << lines[8];
    EXPECT_TRUE(matches(lines[13], "O/S version : [0-9]+\\.[0-9]+\\.[0-9]+")) << lines[13];
    EXPECT_EQ(lines[14].rfind("Num proc    : ", 0), 0u) << lines[14];
    EXPECT_EQ(find(lines, "FPU statistics"), 18);
    EXPECT_TRUE(matches(lines[20], "Has MMX     : (true|false)")) << lines[20];
    EXPECT_TRUE(matches(lines[24], "Has HT      : (true|false)")) << lines[24];
    EXPECT_EQ(find(lines, "VST information"), -1);
    EXPECT_EQ(find(lines, "Exception Information"), 28);
    EXPECT_EQ(lines[30], "Function name : CControl::setControlRoot()");
    EXPECT_EQ(lines[31], "Error reason  : Control root is null");

    EXPECT_EQ(lastAlert.count, 1);
    EXPECT_EQ(lastAlert.title, "Exception occurred");
    EXPECT_TRUE(lastAlert.isError);
    const std::string expectedStart =
        "An Exception has occurred!\nException information :\nCControl::setControlRoot()\n"
        "Control root is null\n\nA Log file of this error has been created and is "
        "located :\n" +
        path + "\n";
    EXPECT_EQ(lastAlert.message.substr(0, expectedStart.size()), expectedStart);
    EXPECT_NE(lastAlert.message.find("e-mail"), std::string::npos);
}

TEST_F(CrashReport, HostHandlerAddsTheHostSections)
{
    CHostCanDo host;
    host.initialise();
    CVstExceptionHandler::handleException(CException("reason", "function", true), host, CSystemString(path.c_str()));
    const auto lines = readLines(path);
    EXPECT_EQ(lines[1], "Corvane Vst Exception Handler Report");
    const long vst = find(lines, "VST information");
    ASSERT_GT(vst, 0);
    const char* const expected[] = {"Host name      :  ",
                                    "Host version   : 0",
                                    "Host developer :  ",
                                    kRule.c_str(),
                                    "Can do information",
                                    kRule.c_str(),
                                    "Send Vst Events        : false"};
    for (size_t i = 0; i < 7; ++i) {
        EXPECT_EQ(lines.at(static_cast<size_t>(vst) + 2 + i), expected[i]) << i;
    }
    EXPECT_EQ(lines.at(static_cast<size_t>(vst) + 14), "Report con'tion change : false");
    EXPECT_EQ(lines.at(static_cast<size_t>(vst) + 23), "Start stop process     : false");
    EXPECT_EQ(lines.at(static_cast<size_t>(vst) + 24), kRule);
    EXPECT_GT(find(lines, "Exception Information"), vst);
    EXPECT_EQ(lastAlert.message.substr(lastAlert.message.size() - path.size()), path);
}

TEST_F(CrashReport, UnwritableFolderSendsTheReportToTheUsersStateFolder)
{
    setenv("XDG_STATE_HOME", (folder + "/state").c_str(), 1);  // ctest runs each test in a process of its own
    setenv("HOME", (folder + "/home").c_str(), 1);
    CApplication::setApplicationName(CString("Tenvira"));
    // A system-wide install folder the user cannot write to.
    const std::string installed = folder + "/usr/lib/vst/Tenvira.crash_log";
    CVstExceptionHandler::preVstExceptionHandler(CException("r", "f", true), CSystemString(installed.c_str()));
    const std::string written = folder + "/state/Tenvira/Tenvira.crash_log";
    EXPECT_EQ(readLines(written).at(1), "Corvane Pre Vst Exception Handler Report");
    EXPECT_NE(lastAlert.message.find("located :\n" + written + "\n"), std::string::npos) << lastAlert.message;
    EXPECT_EQ(lastAlert.message.find(installed), std::string::npos);

    // Without an absolute XDG_STATE_HOME the state folder is ~/.local/state.
    setenv("XDG_STATE_HOME", "relative/state", 1);
    CVstExceptionHandler::handleException(CException("r", "f", true), CHostCanDo(), CSystemString(installed.c_str()));
    const std::string inHome = folder + "/home/.local/state/Tenvira/Tenvira.crash_log";
    EXPECT_EQ(readLines(inHome).at(1), "Corvane Vst Exception Handler Report");
    EXPECT_EQ(lastAlert.message.substr(lastAlert.message.size() - inHome.size()), inHome);

    // Nowhere to write at all: the alert says so, and asks for no file to be sent.
    std::ofstream(folder + "/plain") << "a file, not a folder";
    unsetenv("XDG_STATE_HOME");
    setenv("HOME", (folder + "/plain/home").c_str(), 1);
    CVstExceptionHandler::preVstExceptionHandler(CException("r", "f", true), CSystemString(installed.c_str()));
    EXPECT_EQ(lastAlert.count, 3);
    EXPECT_NE(lastAlert.message.find("could not be written to :\n" + installed), std::string::npos);
    EXPECT_EQ(lastAlert.message.find("e-mail"), std::string::npos);
    CApplication::uninitialise();
}
