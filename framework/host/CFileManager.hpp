#pragma once

#include "basics/CSystemString.hpp"

namespace Corvane { namespace Host {

/** File-system queries. */
class CFileManager {
public:
    /** True when the file can be opened for reading. */
    static bool doesFileExist(const Basics::CSystemString& path);

    CFileManager() = delete;
};

}}  // namespace Corvane::Host
