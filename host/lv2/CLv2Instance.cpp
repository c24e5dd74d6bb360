#include "CLv2Instance.hpp"

#include <lv2/atom/atom.h>

#include <algorithm>
#include <cmath>
#include <stdexcept>

namespace Lv2Host {

namespace {

// A node made for the length of a call.
struct SNode {
    SNode(LilvWorld* world, const char* uri) : node(lilv_new_uri(world, uri)) {}
    ~SNode() { lilv_node_free(node); }
    SNode(const SNode&) = delete;
    SNode& operator=(const SNode&) = delete;
    LilvNode* node;
};

}  // namespace

CLv2Instance::CLv2Instance(CLv2World& world, const std::string& uri, double rate)
    : m_world(world),
      m_plugin(world.plugin(uri)),
      m_instance(nullptr),
      m_active(false),
      m_controls(lilv_plugin_get_num_ports(m_plugin), std::nanf("")),
      m_audioInputs(),
      m_audioOutputs(),
      m_presetError()
{
    const LV2_Feature mapFeature = {LV2_URID__map, world.uridMap()};
    const LV2_Feature* features[] = {&mapFeature, nullptr};
    m_instance = lilv_plugin_instantiate(m_plugin, rate, features);
    if (m_instance == nullptr) {
        throw std::runtime_error("cannot instantiate " + uri + " at " + std::to_string(rate) + " Hz");
    }
    const SNode control(world.get(), LV2_CORE__ControlPort);
    const SNode audio(world.get(), LV2_CORE__AudioPort);
    const SNode input(world.get(), LV2_CORE__InputPort);
    std::vector<float> defaults(m_controls.size());
    lilv_plugin_get_port_ranges_float(m_plugin, nullptr, nullptr, defaults.data());
    for (std::uint32_t index = 0; index < m_controls.size(); ++index) {
        const LilvPort* port = lilv_plugin_get_port_by_index(m_plugin, index);
        if (lilv_port_is_a(m_plugin, port, control.node)) {
            m_controls[index] = std::isnan(defaults[index]) ? 0.0f : defaults[index];
            lilv_instance_connect_port(m_instance, index, &m_controls[index]);
        } else if (lilv_port_is_a(m_plugin, port, audio.node)) {
            (lilv_port_is_a(m_plugin, port, input.node) ? m_audioInputs : m_audioOutputs).push_back(index);
        }
    }
}

CLv2Instance::~CLv2Instance()
{
    deactivate();
    lilv_instance_free(m_instance);
}

std::uint32_t CLv2Instance::portIndex(const std::string& symbol) const
{
    LilvNode* node = lilv_new_string(m_world.get(), symbol.c_str());
    const LilvPort* port = lilv_plugin_get_port_by_symbol(m_plugin, node);
    lilv_node_free(node);
    if (port == nullptr) {
        throw std::runtime_error("no port \"" + symbol + "\"");
    }
    return lilv_port_get_index(m_plugin, port);
}

float& CLv2Instance::control(const std::string& symbol)
{
    return m_controls[portIndex(symbol)];
}

void CLv2Instance::connect(std::uint32_t port, void* data)
{
    lilv_instance_connect_port(m_instance, port, data);
}

void CLv2Instance::activate()
{
    if (!m_active) {
        lilv_instance_activate(m_instance);
        m_active = true;
    }
}

void CLv2Instance::deactivate()
{
    if (m_active) {
        lilv_instance_deactivate(m_instance);
        m_active = false;
    }
}

void CLv2Instance::run(std::uint32_t frames)
{
    lilv_instance_run(m_instance, frames);
}

void CLv2Instance::setPortValue(const char* symbol, void* self, const void* value, std::uint32_t size,
                                std::uint32_t type)
{
    CLv2Instance& instance = *static_cast<CLv2Instance*>(self);
    CLv2World& world = instance.m_world;
    float number = 0.0f;
    if (type == world.map(LV2_ATOM__Float) && size == sizeof(float)) {
        number = *static_cast<const float*>(value);
    } else if (type == world.map(LV2_ATOM__Double) && size == sizeof(double)) {
        number = static_cast<float>(*static_cast<const double*>(value));
    } else if (type == world.map(LV2_ATOM__Int) && size == sizeof(std::int32_t)) {
        number = static_cast<float>(*static_cast<const std::int32_t*>(value));
    } else {
        instance.m_presetError = std::string("a value of another type for ") + symbol;
        return;
    }
    try {
        instance.control(symbol) = number;
    } catch (const std::exception& error) {
        instance.m_presetError = error.what();
    }
}

void CLv2Instance::applyPreset(const std::string& presetUri)
{
    LilvNode* preset = lilv_new_uri(m_world.get(), presetUri.c_str());
    lilv_world_load_resource(m_world.get(), preset);
    LilvState* state = lilv_state_new_from_world(m_world.get(), m_world.uridMap(), preset);
    lilv_node_free(preset);
    if (state == nullptr) {
        throw std::runtime_error("no preset " + presetUri);
    }
    m_presetError.clear();
    lilv_state_emit_port_values(state, &CLv2Instance::setPortValue, this);
    lilv_state_free(state);
    if (!m_presetError.empty()) {
        throw std::runtime_error("preset " + presetUri + ": " + m_presetError);
    }
}

void CLv2Instance::process(const std::vector<std::vector<float>>& inputs, std::vector<std::vector<float>>& outputs,
                           std::uint32_t block)
{
    const std::size_t frames = inputs.empty() ? 0 : inputs[0].size();
    outputs.assign(m_audioOutputs.size(), std::vector<float>(frames, 0.0f));
    for (std::size_t done = 0; done < frames; done += block) {
        const std::uint32_t now = static_cast<std::uint32_t>(std::min<std::size_t>(block, frames - done));
        for (std::size_t c = 0; c < m_audioInputs.size(); ++c) {
            connect(m_audioInputs[c], c < inputs.size() ? const_cast<float*>(inputs[c].data() + done) : nullptr);
        }
        for (std::size_t c = 0; c < m_audioOutputs.size(); ++c) {
            connect(m_audioOutputs[c], outputs[c].data() + done);
        }
        run(now);
    }
}

}  // namespace Lv2Host
