#include "ScratchFile.hpp"

#include "host/CApplication.hpp"
#include "host/CFPUInformation.hpp"
#include "host/CFileManager.hpp"
#include "host/CSystemInformation.hpp"
#include "host/CTime.hpp"

#include <gtest/gtest.h>

#include <ctime>
#include <string>
#include <vector>

#include <pwd.h>
#include <sys/utsname.h>
#include <unistd.h>

using Corvane::Basics::CSystemString;
using Corvane::Host::CApplication;
using Corvane::Host::CFileManager;
using Corvane::Host::CFPUInformation;
using Corvane::Host::CSystemInformation;
using Corvane::Host::CTime;
using Corvane::Host::SSystemInformation;
using CorvaneTests::CScratchFile;

namespace {

std::string installPathFor(const char* modulePath)
{
    return CApplication::computeInstallPathFromModulePath(CSystemString(modulePath)).getString();
}

/** Absolute time of a local calendar date at noon, away from any daylight-saving change. */
double localNoon(int year, int month, int day)
{
    std::tm fields{};
    fields.tm_year = year - 1900;
    fields.tm_mon = month - 1;
    fields.tm_mday = day;
    fields.tm_hour = 12;
    fields.tm_isdst = -1;
    return static_cast<double>(std::mktime(&fields));
}

}  // namespace

TEST(HostInstallPath, DerivedFromTheModuleFile)
{
    const struct {
        const char* module;
        const char* installPath;
    } cases[] = {
        {"/usr/lib/vst/Tenvira.vst/Contents/x86_64-linux/Tenvira.so", "/usr/lib/vst"},
        {"/home/u/.vst/Other.vst/Contents/aarch64-linux/Other.so", "/home/u/.vst"},
        {"/Tenvira.vst/Contents/x86_64-linux/Tenvira.so", "/"},
        {"Tenvira.vst/Contents/x86_64-linux/Tenvira.so", "."},
        // Not inside a bundle: the file's own folder.
        {"/usr/lib/vst/Tenvira.so", "/usr/lib/vst"},
        {"/opt/Tenvira/Contents/x86_64-linux/Tenvira.so", "/opt/Tenvira/Contents/x86_64-linux"},
        {"/opt/Tenvira.vst/Contents/Tenvira.so", "/opt/Tenvira.vst/Contents"},
        {"/Tenvira.so", "/"},
        {"Tenvira.so", "Tenvira.so"},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(installPathFor(c.module), c.installPath) << c.module;
    }
}

TEST(HostFileManager, ExistenceMeansReadable)
{
    {
        const CScratchFile file("exists.txt");
        EXPECT_FALSE(CFileManager::doesFileExist(file.systemPath()));
        file.write("x");
        EXPECT_TRUE(CFileManager::doesFileExist(file.systemPath()));
    }
    EXPECT_FALSE(CFileManager::doesFileExist(CScratchFile("exists.txt").systemPath()));
}

TEST(HostTime, CalendarFieldsAndTexts)
{
    const CTime thursday(localNoon(2009, 3, 5));
    EXPECT_EQ(thursday.getYear(), 2009);
    EXPECT_EQ(thursday.getMonth(), 3);
    EXPECT_EQ(thursday.getDayOfMonth(), 5);
    EXPECT_STREQ(thursday.getDayYearString(false).getString(), "05/03/2009");
    EXPECT_STREQ(thursday.getDayYearString(true).getString(), "Thursday 5 March 2009");
    EXPECT_STREQ(thursday.getTimeOnly().getString(), "12:00:00:00");

    const CTime sunday(localNoon(2026, 12, 6) + 3723.9);  // 13:02:03.9
    EXPECT_STREQ(sunday.getDayYearString(true).getString(), "Sunday 6 December 2026");
    EXPECT_STREQ(sunday.getTimeOnly().getString(), "13:02:03:00");  // seconds truncated

    for (int day = 0; day < 7; ++day) {
        // 1 to 7 March 2009 run from Sunday to Saturday.
        EXPECT_EQ(CTime(localNoon(2009, 3, 1 + day)).getDayOfWeek(), day);
    }

    const std::time_t before = std::time(nullptr);
    std::tm today{};
    localtime_r(&before, &today);
    EXPECT_EQ(CTime().getYear(), today.tm_year + 1900);
}

TEST(HostSystemInformation, FactsComeFromThisMachine)
{
    SSystemInformation info;
    CSystemInformation::getSystemInfo(info);
    struct utsname names {};
    ASSERT_EQ(uname(&names), 0);
    EXPECT_STREQ(info.operatingSystemName.getString(), names.sysname);
    EXPECT_STREQ(info.processorName.getString(), names.machine);
    long version[3] = {-1, -1, -1};
    CSystemInformation::parseVersionNumbers(names.release, version[0], version[1], version[2]);
    EXPECT_GT(info.operatingSystemMajorVersion, 0);
    EXPECT_EQ(info.operatingSystemMajorVersion, version[0]);
    EXPECT_EQ(info.operatingSystemMinorVersion, version[1]);
    char host[256] = {};
    ASSERT_EQ(gethostname(host, sizeof(host) - 1), 0);
    EXPECT_STREQ(info.computerName.getString(), host);
    const struct passwd* user = getpwuid(geteuid());
    EXPECT_STREQ(info.userName.getString(), user != nullptr ? user->pw_name : info.userName.getString());
    EXPECT_EQ(info.numberOfProcessors, sysconf(_SC_NPROCESSORS_ONLN));
}

TEST(HostSystemInformation, ParsesKernelReleaseAndProcessorListing)
{
    long version[3] = {};
    EXPECT_TRUE(CSystemInformation::parseVersionNumbers("6.1.0-18-amd64", version[0], version[1], version[2]));
    EXPECT_EQ(std::vector<long>(version, version + 3), (std::vector<long>{6, 1, 0}));
    EXPECT_TRUE(CSystemInformation::parseVersionNumbers("4.19-rc1", version[0], version[1], version[2]));
    EXPECT_EQ(std::vector<long>(version, version + 3), (std::vector<long>{4, 19, 0}));
    EXPECT_FALSE(CSystemInformation::parseVersionNumbers("unknown", version[0], version[1], version[2]));
    EXPECT_EQ(version[0], 0);

    EXPECT_EQ(CSystemInformation::parseProcessorSpeed("processor\t: 0\nmodel name\t: X\ncpu MHz\t\t: 2399.6\n"
                                                      "processor\t: 1\ncpu MHz\t\t: 1200.0\n"),
              2400);
    EXPECT_EQ(CSystemInformation::parseProcessorSpeed("processor\t: 0\nBogoMIPS\t: 50.00\n"), 0);
}

TEST(HostProcessorFeatures, AskedFromTheProcessor)
{
    CFPUInformation::initialiseCPUInformation();
#if defined(__x86_64__)
    // Every 64-bit x86 processor has these.
    EXPECT_TRUE(CFPUInformation::hasMMX() && CFPUInformation::hasSSE() && CFPUInformation::hasSSE2());
    EXPECT_EQ(CFPUInformation::hasSSE3(), __builtin_cpu_supports("sse3") != 0);
#else
    EXPECT_FALSE(CFPUInformation::hasSSE2());
#endif
}
