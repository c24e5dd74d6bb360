#include "ScratchFile.hpp"

#include "basics/CClass.hpp"
#include "host/CApplication.hpp"
#include "host/CFPUInformation.hpp"
#include "host/CvnCore.hpp"

#include <gtest/gtest.h>

#include <cstdlib>
#include <cstring>
#include <string>

#include <unistd.h>

using Corvane::CvnCore;
using Corvane::Host::CApplication;

namespace {

std::string executableFolder()
{
    char self[4096] = {};
    const ssize_t length = readlink("/proc/self/exe", self, sizeof(self) - 1);
    const std::string path(self, length > 0 ? static_cast<size_t>(length) : 0);
    return path.substr(0, path.rfind('/'));
}

void startTenvira()
{
    CvnCore::start("Tolvek Orvasse Audio", "Tenvira", "Vst Audio Compressor", "1.0.0", "com.TOA.Tenvira", "(c)",
                   nullptr);
}

}  // namespace

// The identity texts reach hosts through the plug-in's descriptor and are checked there.
TEST(CoreStart, DerivesRegistryAndInstallPathAndAsksTheProcessor)
{
    startTenvira();
    EXPECT_STREQ(CApplication::getApplicationRegistry().getString(), "com.TOA.Tenvira");
    EXPECT_EQ(std::string(CApplication::getApplicationInstallPath().getString()), executableFolder());
#if defined(__x86_64__)
    EXPECT_TRUE(Corvane::Host::CFPUInformation::hasSSE2());
#endif
    CApplication::uninitialise();
}

// Stopping destroys the process-wide class manager, so it runs in a child process. Stopping without a
// report is the module's own stop (EntryGuardDeathTest).
TEST(CoreStartDeathTest, StopReleasesTheRecordsAndWritesTheReportOnlyWhenAsked)
{
    const CorvaneTests::CScratchFile report("core.report");
    EXPECT_EXIT(
        {
            startTenvira();
            const Corvane::Basics::CString alive("kept");
            CvnCore::stop(report.path());
            const std::string written = report.contents();
            const std::string rule =
                "+" + std::string(65, '-') + "+" + std::string(10, '-') + "+" + std::string(10, '-') + "+\n";
            // Rows are sorted by class name.
            const std::size_t counted = written.find(" CCountedObject |");
            const std::size_t string = written.find(" CString |");
            const bool reportWritten = written.rfind(rule, 0) == 0 && counted != std::string::npos &&
                                       string != std::string::npos && counted < string;
            const bool released = std::strcmp(CApplication::getApplicationName().getString(), " ") == 0 &&
                                  std::strcmp(CApplication::getApplicationInstallPath().getString(), " ") == 0;
            const bool managerGone = Corvane::Basics::CClass::CCLASSCLASS_MANAGER == nullptr;
            CvnCore::stop(report.path());  // nothing left to release: harmless
            std::_Exit(reportWritten && released && managerGone ? 0 : 1);
        },
        ::testing::ExitedWithCode(0), "");
}
