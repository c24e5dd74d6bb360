// The development host: loads the plug-in module, creates effects through its
// entry point, answers their callbacks and records what they ask.
#pragma once

#include "CPluginModule.hpp"
#include "IEditorFrame.hpp"
#include "SHostCall.hpp"
#include "SHostSettings.hpp"

#include <map>
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

    // The audioMasterAutomate calls, in order, from the from-th on: index, the value in opt, the
    // calling thread. Kept apart from calls() so a long session reads only what is new.
    std::vector<SHostCall> automation(size_t from = 0) const;
    size_t automationCount() const;

    // While an editor of effect is open in frame, the plug-in's size requests go to it.
    void attachEditorFrame(const AEffect* effect, IEditorFrame* frame);
    // Forgets the frame, if it is still the one attached to effect.
    void detachEditorFrame(const AEffect* effect, IEditorFrame* frame);

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
    bool resizeEditorFrame(const AEffect* effect, VstInt32 width, VstIntPtr height);

    SHostSettings m_settings;
    CPluginModule m_module;
    mutable std::mutex m_mutex;
    std::vector<SHostCall> m_calls;
    std::vector<SHostCall> m_automation;
    // Held while a frame resizes, so a frame is never detached (and destroyed) in the middle.
    std::mutex m_frameMutex;
    std::map<const AEffect*, IEditorFrame*> m_frames;
    VstTimeInfo m_timeInfo{};
};

}  // namespace DevHost
