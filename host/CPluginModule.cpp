#include "CPluginModule.hpp"

#include <dlfcn.h>

namespace DevHost {

CPluginModule::~CPluginModule()
{
    unload();
}

bool CPluginModule::load(const std::string& path, std::string* error)
{
    unload();
    // Lazy binding and local symbols, as Linux hosts open plug-ins.
    handle_ = dlopen(path.c_str(), RTLD_LAZY | RTLD_LOCAL);
    if (!handle_) {
        if (error) {
            const char* message = dlerror();
            *error = message ? message : "dlopen failed";
        }
        return false;
    }
    path_ = path;
    return true;
}

void CPluginModule::unload()
{
    if (handle_) {
        dlclose(handle_);
        handle_ = nullptr;
    }
    path_.clear();
}

void* CPluginModule::symbol(const char* name) const
{
    return handle_ ? dlsym(handle_, name) : nullptr;
}

VstEntryProc CPluginModule::entryPoint() const
{
    return reinterpret_cast<VstEntryProc>(symbol("VSTPluginMain"));
}

}  // namespace DevHost
