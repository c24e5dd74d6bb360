#include "host/CSystemInformation.hpp"

#include <cmath>
#include <cstdlib>
#include <cstring>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

#include <pwd.h>
#include <sys/utsname.h>
#include <unistd.h>

namespace Corvane { namespace Host {

namespace {

void readOperatingSystem(SSystemInformation& info)
{
    struct utsname names {};
    if (uname(&names) != 0) {
        return;
    }
    info.operatingSystemName.setString(names.sysname);
    info.processorName.setString(names.machine);
    CSystemInformation::parseVersionNumbers(names.release, info.operatingSystemMajorVersion,
                                            info.operatingSystemMinorVersion, info.operatingSystemRevision);
}

void readComputerName(SSystemInformation& info)
{
    char name[256] = {};
    if (gethostname(name, sizeof(name) - 1) == 0 && name[0] != '\0') {
        info.computerName.setString(name);
    }
}

void readUserName(SSystemInformation& info)
{
    long bufferSize = sysconf(_SC_GETPW_R_SIZE_MAX);
    if (bufferSize <= 0) {
        bufferSize = 16384;
    }
    std::vector<char> buffer(static_cast<size_t>(bufferSize));
    struct passwd entry {};
    struct passwd* found = nullptr;
    if (getpwuid_r(geteuid(), &entry, buffer.data(), buffer.size(), &found) == 0 && found != nullptr &&
        found->pw_name != nullptr && found->pw_name[0] != '\0') {
        info.userName.setString(found->pw_name);
    }
}

void readProcessor(SSystemInformation& info)
{
    std::ifstream listing("/proc/cpuinfo");
    if (listing) {
        std::ostringstream text;
        text << listing.rdbuf();
        info.processorSpeed = CSystemInformation::parseProcessorSpeed(text.str().c_str());
    }
    if (info.processorSpeed == 0) {
        // Processors that list no clock in /proc/cpuinfo still report their top frequency (in kHz).
        std::ifstream frequency("/sys/devices/system/cpu/cpu0/cpufreq/cpuinfo_max_freq");
        long kiloHertz = 0;
        if (frequency >> kiloHertz && kiloHertz > 0) {
            info.processorSpeed = (kiloHertz + 500) / 1000;
        }
    }
    const long processors = sysconf(_SC_NPROCESSORS_ONLN);
    if (processors > 0) {
        info.numberOfProcessors = processors;
    }
}

}  // namespace

void CSystemInformation::getSystemInfo(SSystemInformation& info)
{
    readOperatingSystem(info);
    readComputerName(info);
    readUserName(info);
    readProcessor(info);
}

bool CSystemInformation::parseVersionNumbers(const char* release, long& major, long& minor, long& revision)
{
    major = 0;
    minor = 0;
    revision = 0;
    if (release == nullptr || *release < '0' || *release > '9') {
        return false;
    }
    long* const parts[3] = {&major, &minor, &revision};
    const char* cursor = release;
    for (long* part : parts) {
        char* end = nullptr;
        *part = std::strtol(cursor, &end, 10);
        if (*end != '.' || end[1] < '0' || end[1] > '9') {
            break;
        }
        cursor = end + 1;
    }
    return true;
}

long CSystemInformation::parseProcessorSpeed(const char* cpuInformation)
{
    if (cpuInformation == nullptr) {
        return 0;
    }
    std::istringstream lines(cpuInformation);
    std::string line;
    while (std::getline(lines, line)) {
        if (line.compare(0, 7, "cpu MHz") != 0) {
            continue;
        }
        const std::string::size_type colon = line.find(':');
        if (colon == std::string::npos) {
            continue;
        }
        const double megaHertz = std::atof(line.c_str() + colon + 1);
        if (megaHertz > 0.0 && megaHertz < 1.0e7) {
            return std::lround(megaHertz);
        }
    }
    return 0;
}

}}  // namespace Corvane::Host
