#pragma once

#include "basics/CSystemString.hpp"

namespace Corvane { namespace Host {

/** File-system queries. */
class CFileManager {
public:
    /** True when the file can be opened for reading. */
    static bool doesFileExist(const Basics::CSystemString& path);

    /**
     * The user's folder for what programs keep between runs (logs among it):
     * $XDG_STATE_HOME when that is an absolute path, otherwise
     * ~/.local/state, the home folder taken from $HOME or, without it, from
     * the password database. Empty when there is no home folder.
     */
    static Basics::CSystemString getUserStateFolder();
    /**
     * Creates the folder and the missing folders above it, each readable by
     * its owner only; true when the folder exists afterwards.
     */
    static bool createFolder(const Basics::CSystemString& path);

    CFileManager() = delete;
};

}}  // namespace Corvane::Host
