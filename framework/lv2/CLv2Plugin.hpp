// The base of an LV2 plug-in instance, and the descriptor that hands a host
// its entry points. The host's calls become virtual calls on the instance;
// no exception reaches the host: an instance that cannot be built is null.
#pragma once

#include <lv2/core/lv2.h>

#include <cstdint>

namespace Corvane { namespace Lv2 {

class CLv2Plugin {
public:
    CLv2Plugin() = default;
    virtual ~CLv2Plugin();

    // The host's calls. connectPort, activate, run and deactivate belong to the
    // audio class of calls: never two at once on one instance.
    virtual void connectPort(std::uint32_t port, void* data) = 0;
    virtual void activate();
    virtual void run(std::uint32_t frames) = 0;
    virtual void deactivate();

    CLv2Plugin(const CLv2Plugin&) = delete;
    CLv2Plugin& operator=(const CLv2Plugin&) = delete;
};

// The descriptor of plug-in class TPlugin, built as TPlugin(sampleRate, bundlePath, features).
template <class TPlugin>
class TLv2Descriptor {
public:
    static LV2_Descriptor make(const char* uri)
    {
        return LV2_Descriptor{uri, &instantiate, &connectPort, &activate, &run, &deactivate, &cleanup, &extensionData};
    }

    TLv2Descriptor() = delete;

private:
    static LV2_Handle instantiate(const LV2_Descriptor*, double sampleRate, const char* bundlePath,
                                  const LV2_Feature* const* features)
    {
        try {
            return static_cast<CLv2Plugin*>(new TPlugin(sampleRate, bundlePath, features));
        } catch (...) {
            return nullptr;
        }
    }
    static CLv2Plugin* plugin(LV2_Handle handle) { return static_cast<CLv2Plugin*>(handle); }
    static void connectPort(LV2_Handle handle, std::uint32_t port, void* data)
    {
        plugin(handle)->connectPort(port, data);
    }
    static void activate(LV2_Handle handle) { plugin(handle)->activate(); }
    static void run(LV2_Handle handle, std::uint32_t frames) { plugin(handle)->run(frames); }
    static void deactivate(LV2_Handle handle) { plugin(handle)->deactivate(); }
    static void cleanup(LV2_Handle handle) { delete plugin(handle); }
    static const void* extensionData(const char*) { return nullptr; }
};

}}  // namespace Corvane::Lv2
