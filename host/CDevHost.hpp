// The development host: loads the plug-in module, creates effects through its
// entry point, answers their callbacks and records what they ask.
#pragma once

#include "CPluginModule.hpp"
#include "SHostCall.hpp"
#include "SHostSettings.hpp"

#include <memory>
#include <mutex>
#include <string>
#include <vector>

namespace DevHost {

class CPluginInstance;

class CDevHost {
public:
    explicit CDevHost(SHostSettings settings = SHostSettings());
    ~CDevHost();

    // Opens the plug-in library; false with the loader's message in error.
    bool loadModule(const std::string& path, std::string* error = nullptr);
    // Closes the library. All instances must have been closed first.
    void unloadModule();
    CPluginModule& module() { return m_module; }

    // Calls VSTPluginMain; null when the module has no entry point or the plug-in returned no effect.
    std::unique_ptr<CPluginInstance> createInstance();

    SHostSettings& settings() { return m_settings; }

    // What the plug-ins asked, in order.
    std::vector<SHostCall> calls() const;
    std::vector<SHostCall> callsWithOpcode(VstInt32 opcode) const;
    size_t countOf(VstInt32 opcode) const;
    void clearCalls();

    // The callback handed to VSTPluginMain; routes a call to the host that owns the effect.
    static VstIntPtr hostCallback(AEffect* effect, VstInt32 opcode, VstInt32 index, VstIntPtr value, void* ptr,
                                  float opt);

    CDevHost(const CDevHost&) = delete;
    CDevHost& operator=(const CDevHost&) = delete;

private:
    friend class CPluginInstance;
    VstIntPtr answer(AEffect* effect, VstInt32 opcode, VstInt32 index, VstIntPtr value, void* ptr, float opt);
    void registerEffect(AEffect* effect);
    void forgetEffect(AEffect* effect);

    SHostSettings m_settings;
    CPluginModule m_module;
    mutable std::mutex m_mutex;
    std::vector<SHostCall> m_calls;
    VstTimeInfo m_timeInfo{};
};

}  // namespace DevHost
