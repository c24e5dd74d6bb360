#include "host/CApplication.hpp"
#include "host/CSystemInformation.hpp"
#include "host/CTime.hpp"

#include <gtest/gtest.h>

#include <ctime>
#include <string>
#include <vector>

using Corvane::Basics::CSystemString;
using Corvane::Host::CApplication;
using Corvane::Host::CSystemInformation;
using Corvane::Host::CTime;

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
