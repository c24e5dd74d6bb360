#pragma once

#include "basics/CString.hpp"

namespace Corvane { namespace Host {

/** A snapshot of the machine's facts, filled by CSystemInformation::getSystemInfo. */
struct SSystemInformation {
    Basics::CString computerName{" "};
    Basics::CString userName{" "};
    Basics::CString operatingSystemName{" "};
    Basics::CString processorName{" "};
    long operatingSystemMajorVersion = 0;
    long operatingSystemMinorVersion = 0;
    long operatingSystemRevision = 0;
    /** In MHz. */
    long processorSpeed = 0;
    long numberOfProcessors = 0;
};

}}  // namespace Corvane::Host
