#include "host/CFileManager.hpp"

#include <pwd.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <string>

namespace Corvane { namespace Host {

bool CFileManager::doesFileExist(const Basics::CSystemString& path)
{
    std::FILE* file = std::fopen(path.getString(), "r");
    if (file == nullptr) {
        return false;
    }
    std::fclose(file);
    return true;
}

Basics::CSystemString CFileManager::getUserStateFolder()
{
    const char* state = std::getenv("XDG_STATE_HOME");
    if (state != nullptr && state[0] == '/') {
        return Basics::CSystemString(state);
    }
    const char* home = std::getenv("HOME");
    if (home == nullptr || home[0] != '/') {
        const struct passwd* entry = getpwuid(geteuid());
        home = entry != nullptr ? entry->pw_dir : nullptr;
    }
    if (home == nullptr || home[0] != '/') {
        return Basics::CSystemString("");
    }
    Basics::CSystemString folder(home);
    folder.appendPath(".local");
    folder.appendPath("state");
    return folder;
}

bool CFileManager::createFolder(const Basics::CSystemString& path)
{
    const std::string folder = path.getString();
    if (folder.empty()) {
        return false;
    }
    // Each folder on the way, from the top down; those that exist already are left as they are.
    for (std::string::size_type end = folder.find('/', 1); end != std::string::npos; end = folder.find('/', end + 1)) {
        mkdir(folder.substr(0, end).c_str(), 0700);
    }
    mkdir(folder.c_str(), 0700);
    struct stat status;
    return stat(folder.c_str(), &status) == 0 && S_ISDIR(status.st_mode);
}

}}  // namespace Corvane::Host
