// One instance of an LV2 plug-in, made and driven through lilv as a host does:
// every control port connected to a value of the instance's own (at the
// port's default), audio ports connected by the caller, presets applied
// through lilv's state. Not for the audio thread except run().
#pragma once

#include "CLv2World.hpp"

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

namespace Lv2Host {

class CLv2Instance {
public:
    // Throws std::runtime_error when the plug-in cannot be instantiated at rate.
    CLv2Instance(CLv2World& world, const std::string& uri, double rate);
    ~CLv2Instance();

    // The port's index; throws std::runtime_error for an unknown symbol.
    std::uint32_t portIndex(const std::string& symbol) const;
    // The value a control port reads or writes.
    float& control(const std::string& symbol);
    // Connects any port to data (null included).
    void connect(std::uint32_t port, void* data);

    void activate();
    void deactivate();
    void run(std::uint32_t frames);

    // Sets the control values the preset stores; throws std::runtime_error for
    // an unknown preset or a value for a port the plug-in lacks.
    void applyPreset(const std::string& presetUri);

    // Runs whole channels through the audio ports in index order (inputs, then
    // outputs), block frames at a time; outputs are made as long as the inputs.
    void process(const std::vector<std::vector<float>>& inputs, std::vector<std::vector<float>>& outputs,
                 std::uint32_t block);

    CLv2Instance(const CLv2Instance&) = delete;
    CLv2Instance& operator=(const CLv2Instance&) = delete;

private:
    static void setPortValue(const char* symbol, void* self, const void* value, std::uint32_t size, std::uint32_t type);

    CLv2World& m_world;
    const LilvPlugin* m_plugin;
    LilvInstance* m_instance;
    bool m_active;
    std::vector<float> m_controls;
    std::vector<std::uint32_t> m_audioInputs;
    std::vector<std::uint32_t> m_audioOutputs;
    std::string m_presetError;
};

}  // namespace Lv2Host
