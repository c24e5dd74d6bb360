#include "host/CApplication.hpp"
#include "host/CFPUInformation.hpp"
#include "host/CFileManager.hpp"
#include "host/CSystemInformation.hpp"
#include "host/CTime.hpp"

#include <gtest/gtest.h>

#include <cstdio>
#include <ctime>
#include <fstream>
#include <string>

#include <pwd.h>
#include <sys/utsname.h>
#include <unistd.h>

using Corvane::Basics::CString;
using Corvane::Basics::CSystemString;
using Corvane::Host::CApplication;
using Corvane::Host::CFileManager;
using Corvane::Host::CFPUInformation;
using Corvane::Host::CSystemInformation;
using Corvane::Host::CTime;
using Corvane::Host::SSystemInformation;

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

} // namespace

TEST(HostInstallPath, DerivedFromTheModuleFile)
{
    EXPECT_EQ(installPathFor("/usr/lib/vst/Tenvira.vst/Contents/x86_64-linux/Tenvira.so"), "/usr/lib/vst");
    EXPECT_EQ(installPathFor("/home/u/.vst/Other.vst/Contents/aarch64-linux/Other.so"), "/home/u/.vst");
    EXPECT_EQ(installPathFor("/Tenvira.vst/Contents/x86_64-linux/Tenvira.so"), "/");
    EXPECT_EQ(installPathFor("Tenvira.vst/Contents/x86_64-linux/Tenvira.so"), ".");
    // Not inside a bundle: the file's own folder.
    EXPECT_EQ(installPathFor("/usr/lib/vst/Tenvira.so"), "/usr/lib/vst");
    EXPECT_EQ(installPathFor("/opt/Tenvira/Contents/x86_64-linux/Tenvira.so"), "/opt/Tenvira/Contents/x86_64-linux");
    EXPECT_EQ(installPathFor("/opt/Tenvira.vst/Contents/Tenvira.so"), "/opt/Tenvira.vst/Contents");
    EXPECT_EQ(installPathFor("/Tenvira.so"), "/");
    EXPECT_EQ(installPathFor("Tenvira.so"), "Tenvira.so");

    // The resource folder resolves beneath the derived path.
    CSystemString resources(CApplication::computeInstallPathFromModulePath(
        CSystemString("/usr/lib/vst/Tenvira.vst/Contents/x86_64-linux/Tenvira.so")));
    resources.appendPath(CString("Tenvira.vst/Contents/Resources"));
    EXPECT_STREQ(resources.getString(), "/usr/lib/vst/Tenvira.vst/Contents/Resources");
}

TEST(HostApplication, RecordsAreCreatedOnFirstUseAndReleased)
{
    CApplication::uninitialise();
    EXPECT_STREQ(CApplication::getApplicationInstallPath().getString(), " ");
    EXPECT_STREQ(CApplication::getApplicationName().getString(), " ");

    CApplication::setApplicationName(CString("Tenvira"));
    CApplication::setApplicationInstallPath(CSystemString("/usr/lib/vst"));
    auto* window = reinterpret_cast<Corvane::GUI::Windowing::IWindow*>(0x1000);
    CApplication::setApplicationWindow(window);
    EXPECT_STREQ(CApplication::getApplicationName().getString(), "Tenvira");
    EXPECT_STREQ(CApplication::getApplicationInstallPath().getString(), "/usr/lib/vst");

    CApplication::uninitialise();
    EXPECT_STREQ(CApplication::getApplicationName().getString(), " ");
    EXPECT_STREQ(CApplication::getApplicationInstallPath().getString(), " ");
    EXPECT_EQ(CApplication::getApplicationWindow(), window); // not touched
    CApplication::setApplicationWindow(nullptr);
    CApplication::uninitialise();
}

TEST(HostApplication, InstallPathOfThisProgramIsItsFolder)
{
    char self[4096] = {};
    const ssize_t length = readlink("/proc/self/exe", self, sizeof(self) - 1);
    ASSERT_GT(length, 0);
    const std::string executable(self, static_cast<size_t>(length));

    CApplication::setApplicationInstallPathFromApplicationHandle();
    EXPECT_EQ(std::string(CApplication::getApplicationInstallPath().getString()),
              executable.substr(0, executable.rfind('/')));
    CApplication::uninitialise();
}

TEST(HostFileManager, ExistenceMeansReadable)
{
    const std::string path = ::testing::TempDir() + "corvane_host_" + std::to_string(getpid()) + ".txt";
    EXPECT_FALSE(CFileManager::doesFileExist(CSystemString(path.c_str())));
    std::ofstream(path) << "x";
    EXPECT_TRUE(CFileManager::doesFileExist(CSystemString(path.c_str())));
    std::remove(path.c_str());
    EXPECT_FALSE(CFileManager::doesFileExist(CSystemString(path.c_str())));
}

TEST(HostTime, CalendarFieldsAndTexts)
{
    const CTime thursday(localNoon(2009, 3, 5));
    EXPECT_EQ(thursday.getYear(), 2009);
    EXPECT_EQ(thursday.getMonth(), 3);
    EXPECT_EQ(thursday.getDayOfMonth(), 5);
    EXPECT_EQ(thursday.getDayOfWeek(), 4);
    EXPECT_STREQ(thursday.getDayYearString(false).getString(), "05/03/2009");
    EXPECT_STREQ(thursday.getDayYearString(true).getString(), "Thursday 5 March 2009");
    EXPECT_STREQ(thursday.getTimeOnly().getString(), "12:00:00:00");

    const CTime sunday(localNoon(2026, 12, 6) + 3723.9); // 13:02:03.9
    EXPECT_EQ(sunday.getDayOfWeek(), 0);
    EXPECT_STREQ(sunday.getDayYearString(true).getString(), "Sunday 6 December 2026");
    EXPECT_STREQ(sunday.getTimeOnly().getString(), "13:02:03:00"); // seconds truncated

    const char* const days[] = {"Sunday", "Monday", "Tuesday", "Wednesday", "Thursday", "Friday", "Saturday"};
    for (int day = 0; day < 7; ++day)
    {
        EXPECT_STREQ(CTime::CTIME_DAY_OF_THE_WEEK[day], days[day]);
        // 1 to 7 March 2009 run from Sunday to Saturday.
        EXPECT_EQ(CTime(localNoon(2009, 3, 1 + day)).getDayOfWeek(), day);
    }
    const char* const months[] = {"January", "February", "March",     "April",   "May",      "June",
                                  "July",    "August",   "September", "October", "November", "December"};
    for (int month = 0; month < 12; ++month)
    {
        EXPECT_STREQ(CTime::CTIME_MONTH_OF_THE_YEAR[month], months[month]);
        EXPECT_EQ(CTime(localNoon(2010, month + 1, 15)).getMonth(), month + 1);
    }

    const std::time_t before = std::time(nullptr);
    const CTime now;
    std::tm today{};
    localtime_r(&before, &today);
    EXPECT_EQ(now.getYear(), today.tm_year + 1900);
}

TEST(HostSystemInformation, FactsComeFromThisMachine)
{
    SSystemInformation info;
    CSystemInformation::getSystemInfo(info);

    struct utsname names
    {
    };
    ASSERT_EQ(uname(&names), 0);
    EXPECT_STREQ(info.operatingSystemName.getString(), names.sysname);
    EXPECT_STREQ(info.processorName.getString(), names.machine);
    long major = -1;
    long minor = -1;
    long revision = -1;
    CSystemInformation::parseVersionNumbers(names.release, major, minor, revision);
    EXPECT_GT(info.operatingSystemMajorVersion, 0);
    EXPECT_EQ(info.operatingSystemMajorVersion, major);
    EXPECT_EQ(info.operatingSystemMinorVersion, minor);

    char host[256] = {};
    ASSERT_EQ(gethostname(host, sizeof(host) - 1), 0);
    EXPECT_STREQ(info.computerName.getString(), host);
    const struct passwd* user = getpwuid(geteuid());
    if (user != nullptr)
    {
        EXPECT_STREQ(info.userName.getString(), user->pw_name);
    }
    EXPECT_EQ(info.numberOfProcessors, sysconf(_SC_NPROCESSORS_ONLN));
    EXPECT_GE(info.processorSpeed, 0);
}

TEST(HostSystemInformation, ParsesKernelReleaseAndProcessorListing)
{
    long major = 0;
    long minor = 0;
    long revision = 0;
    EXPECT_TRUE(CSystemInformation::parseVersionNumbers("6.1.0-18-amd64", major, minor, revision));
    EXPECT_EQ(major, 6);
    EXPECT_EQ(minor, 1);
    EXPECT_EQ(revision, 0);
    EXPECT_TRUE(CSystemInformation::parseVersionNumbers("4.19-rc1", major, minor, revision));
    EXPECT_EQ(major, 4);
    EXPECT_EQ(minor, 19);
    EXPECT_EQ(revision, 0);
    EXPECT_FALSE(CSystemInformation::parseVersionNumbers("unknown", major, minor, revision));
    EXPECT_EQ(major, 0);

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
    EXPECT_TRUE(CFPUInformation::hasMMX());
    EXPECT_TRUE(CFPUInformation::hasSSE());
    EXPECT_TRUE(CFPUInformation::hasSSE2());
    EXPECT_EQ(CFPUInformation::hasSSE3(), __builtin_cpu_supports("sse3") != 0);
#else
    EXPECT_FALSE(CFPUInformation::hasSSE2());
#endif
}
