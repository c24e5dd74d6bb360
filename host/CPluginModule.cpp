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
    m_handle = dlopen(path.c_str(), RTLD_LAZY | RTLD_LOCAL);
    if (!m_handle) {
        if (error) {
            const char* message = dlerror();
            *error = message ? message : "dlopen failed";
        }
        return false;
    }
    m_path = path;
    return true;
}

void CPluginModule::unload()
{
    if (m_handle) {
        dlclose(m_handle);
        m_handle = nullptr;
    }
    m_path.clear();
}

void* CPluginModule::symbol(const char* name) const
{
    return m_handle ? dlsym(m_handle, name) : nullptr;
}

VstEntryProc CPluginModule::entryPoint() const
{
    // Older Linux plug-ins export the entry point only under its original name.
    void* entry = symbol("VSTPluginMain");
    return reinterpret_cast<VstEntryProc>(entry != nullptr ? entry : symbol("main"));
}

}  // namespace DevHost
