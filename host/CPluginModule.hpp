// A plug-in shared library opened with the dynamic loader.
#pragma once

#include "VstInterface.hpp"

#include <string>

namespace DevHost {

extern "C" {
typedef AEffect* (*VstEntryProc)(audioMasterCallback callback);
}

class CPluginModule {
public:
    CPluginModule() = default;
    ~CPluginModule();

    // Opens the library at path; false (with the loader's message in error) when it cannot.
    bool load(const std::string& path, std::string* error = nullptr);
    // Closes the library; every effect it made must be closed before.
    void unload();
    bool isLoaded() const { return m_handle != nullptr; }
    const std::string& path() const { return m_path; }

    // The address of an exported symbol, or null.
    void* symbol(const char* name) const;
    // The VST 2.4 entry point "VSTPluginMain" (or the older "main"), or null.
    VstEntryProc entryPoint() const;

    CPluginModule(const CPluginModule&) = delete;
    CPluginModule& operator=(const CPluginModule&) = delete;

private:
    void* m_handle = nullptr;
    std::string m_path;
};

}  // namespace DevHost
