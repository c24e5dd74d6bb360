#pragma once

#include "host/SSystemInformation.hpp"

namespace Corvane { namespace Host {

/**
 * Facts about the machine for crash reports: operating system name and
 * version, computer and user name, processor architecture, speed and count.
 * Facts that cannot be read keep the record's defaults (" " or 0).
 */
class CSystemInformation {
public:
    static void getSystemInfo(SSystemInformation& info);

    /**
     * Reads "major.minor.revision" from the front of a kernel release text such
     * as "6.1.0-18-amd64"; missing numbers are 0. False when no number leads.
     */
    static bool parseVersionNumbers(const char* release, long& major, long& minor, long& revision);

    /** The first "cpu MHz" value of a processor listing, rounded; 0 when absent. */
    static long parseProcessorSpeed(const char* cpuInformation);

    CSystemInformation() = delete;
};

}}  // namespace Corvane::Host
