// The crash report: layout of both writers, truncation, the alert.
#include "ReportFile.hpp"

#include "exceptions/CException.hpp"
#include "vst/CHostCanDo.hpp"
#include "vst/CVstExceptionHandler.hpp"

#include <gtest/gtest.h>

#include <cstdlib>
#include <regex>
#include <unistd.h>

using Corvane::Basics::CString;
using Corvane::Basics::CSystemString;
using Corvane::Exceptions::CException;
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
};
SAlert lastAlert;

void captureAlert(const CString& message, const CString& title, bool isError)
{
    lastAlert.message = message.getString();
    lastAlert.title = title.getString();
    lastAlert.isError = isError;
    ++lastAlert.count;
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

    // Index of the line equal to text at or after start, or -1.
    static long find(const std::vector<std::string>& lines, const std::string& text, size_t start = 0)
    {
        for (size_t i = start; i < lines.size(); ++i) {
            if (lines[i] == text) {
                return static_cast<long>(i);
            }
        }
        return -1;
    }

    std::string folder;
    std::string path;
};

}  // namespace

TEST_F(CrashReport, PreHandlerLayout)
{
    CVstExceptionHandler::preVstExceptionHandler(CException("Control root is null", "CControl::setControlRoot()", true),
                                                 CSystemString(path.c_str()));
    const auto lines = readLines(path);
    ASSERT_GT(lines.size(), 30u);
    EXPECT_EQ(lines[0], kRule);
    EXPECT_EQ(lines[1], "Corvane Pre Vst Exception Handler Report");
    // The date line: weekday, day, month, year.
    EXPECT_TRUE(std::regex_match(lines[2], std::regex("[A-Z][a-z]+ [0-9]+ [A-Z][a-z]+ [0-9]+"))) << lines[2];
    EXPECT_EQ(lines[3], kRule);
    EXPECT_EQ(lines[4], "");

    const long system = find(lines, "System statistics");
    ASSERT_EQ(system, 6);
    EXPECT_EQ(lines[5], kRule);
    EXPECT_EQ(lines[7], kRule);
    EXPECT_EQ(lines[8].rfind("System name : ", 0), 0u) << lines[8];
    EXPECT_EQ(lines[14].rfind("Num proc    : ", 0), 0u) << lines[14];
    EXPECT_TRUE(std::regex_match(lines[13], std::regex("O/S version : [0-9]+\\.[0-9]+\\.[0-9]+"))) << lines[13];
    EXPECT_EQ(lines[15], kRule);
    EXPECT_EQ(lines[16], "");

    ASSERT_EQ(find(lines, "FPU statistics"), 18);
    EXPECT_TRUE(std::regex_match(lines[20], std::regex("Has MMX     : (true|false)"))) << lines[20];
    EXPECT_TRUE(std::regex_match(lines[24], std::regex("Has HT      : (true|false)"))) << lines[24];
    EXPECT_EQ(lines[25], kRule);

    EXPECT_EQ(find(lines, "VST information"), -1);
    const long exception = find(lines, "Exception Information");
    ASSERT_EQ(exception, 28);
    EXPECT_EQ(lines[29], kRule);
    EXPECT_EQ(lines[30], "Function name : CControl::setControlRoot()");
    EXPECT_EQ(lines[31], "Error reason  : Control root is null");
    EXPECT_EQ(lines[32], kRule);
    EXPECT_EQ(lines[33], "");
    // The class report follows the last section.
    EXPECT_GT(lines.size(), 35u);

    EXPECT_EQ(lastAlert.count, 1);
    EXPECT_EQ(lastAlert.title, "Exception occurred");
    EXPECT_TRUE(lastAlert.isError);
    const std::string expectedStart = "An Exception has occurred!\nException information :\nCControl::setControlRoot()\n"
                                      "Control root is null\n\nA Log file of this error has been created and is "
                                      "located :\n" + path + "\n";
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
    EXPECT_EQ(lines[static_cast<size_t>(vst) + 2], "Host name      :  ");
    EXPECT_EQ(lines[static_cast<size_t>(vst) + 3], "Host version   : 0");
    EXPECT_EQ(lines[static_cast<size_t>(vst) + 4], "Host developer :  ");
    // One newline after the closing rule, and the capability title follows at once.
    EXPECT_EQ(lines[static_cast<size_t>(vst) + 5], kRule);
    EXPECT_EQ(lines[static_cast<size_t>(vst) + 6], "Can do information");
    EXPECT_EQ(lines[static_cast<size_t>(vst) + 7], kRule);
    EXPECT_EQ(lines[static_cast<size_t>(vst) + 8], "Send Vst Events        : false");
    EXPECT_EQ(lines[static_cast<size_t>(vst) + 14], "Report con'tion change : false");
    EXPECT_EQ(lines[static_cast<size_t>(vst) + 23], "Start stop process     : false");
    EXPECT_EQ(lines[static_cast<size_t>(vst) + 24], kRule);
    EXPECT_GT(find(lines, "Exception Information", static_cast<size_t>(vst)), vst);
    // The message ends with the path.
    EXPECT_EQ(lastAlert.message.substr(lastAlert.message.size() - path.size()), path);
}

TEST_F(CrashReport, UnwritablePathStillAlerts)
{
    const std::string nowhere = folder + "/missing/folder/Tenvira.crash_log";
    CVstExceptionHandler::preVstExceptionHandler(CException("r", "f", true), CSystemString(nowhere.c_str()));
    EXPECT_EQ(lastAlert.count, 1);
    EXPECT_NE(lastAlert.message.find(nowhere), std::string::npos);
}
