#include "host/CModuleLocation.hpp"

#include <dlfcn.h>
#include <limits.h>
#include <link.h>
#include <stdlib.h>
#include <unistd.h>

namespace Corvane { namespace Host {

namespace {
// Any address inside this module identifies it to the dynamic linker.
void moduleAnchor() {}
}  // namespace

CModuleLocation::EResult CModuleLocation::getModuleFilePath(Basics::CSystemString& path)
{
    Dl_info information{};
    struct link_map* module = nullptr;
    if (dladdr1(reinterpret_cast<void*>(&moduleAnchor), &information, reinterpret_cast<void**>(&module),
                RTLD_DL_LINKMAP) == 0) {
        return e_moduleNotFound;
    }

    char resolved[PATH_MAX + 1] = {};
    if (module != nullptr && module->l_name != nullptr && module->l_name[0] == '\0') {
        // The main program has no name in the link map; the kernel knows its file.
        const ssize_t length = readlink("/proc/self/exe", resolved, PATH_MAX);
        if (length <= 0) {
            return e_fileNotFound;
        }
        resolved[length] = '\0';
        path.setString(resolved);
        return e_found;
    }

    if (information.dli_fname == nullptr || information.dli_fname[0] == '\0' ||
        realpath(information.dli_fname, resolved) == nullptr) {
        return e_fileNotFound;
    }
    path.setString(resolved);
    return e_found;
}

}}  // namespace Corvane::Host
