#include "host/CFileManager.hpp"

#include <cstdio>

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

}}  // namespace Corvane::Host
