#pragma once

#include "basics/CSystemString.hpp"

namespace Corvane { namespace Host {

/**
 * Finds the file of the loaded module (shared library or executable) that this
 * code is linked into. Platform code: dladdr and realpath.
 */
class CModuleLocation {
public:
    enum EResult {
        e_found = 0,
        e_moduleNotFound = 1,
        e_fileNotFound = 2
    };

    /** Writes the absolute path of the module's file into path on success. */
    static EResult getModuleFilePath(Basics::CSystemString& path);

    CModuleLocation() = delete;
};

}}  // namespace Corvane::Host
