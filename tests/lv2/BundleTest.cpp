// The bundle as a host reads it through lilv: it loads without a word on
// standard error, and its ports (symbols, ranges in units, defaults from
// program 0, units, choices, hints) are what sessions and generic host
// controls rely on.
#include "Lv2Fixture.hpp"

#include <lv2/port-groups/port-groups.h>
#include <lv2/port-props/port-props.h>
#include <lv2/units/units.h>

#include <cmath>
#include <map>
#include <string>

namespace {

struct SControl {
    const char* symbol;
    float minimum;
    float maximum;
    float defaultValue;
    const char* unit;  // the unit's symbol, "" for none
    std::vector<const char*> choices;
    const char* properties;  // 'i' integer, 't' toggled, 'e' enumeration, 'l' logarithmic
};

const std::vector<SControl>& controls()
{
    static const std::vector<SControl> all = {
        {"master", -20, 20, 0, "dB", {}, ""},
        {"threshold", -50, 0, 0, "dB", {}, ""},
        {"ratio", 1, 20, 1, ":1", {}, ""},
        {"attack", 1, 1000, 5.623413f, "ms", {}, "l"},
        {"release", 1, 1000, 31.62278f, "ms", {}, "l"},
        {"mix", 0, 1, 1, "", {}, ""},
        {"eq_low", -20, 20, 0, "dB", {}, ""},
        {"eq_mid", -20, 20, 0, "dB", {}, ""},
        {"eq_high", -20, 20, 0, "dB", {}, ""},
        {"sidechain", 0, 1, 0, "", {"Internal", "External"}, "ie"},
        {"monitor", 0, 1, 0, "", {"Output", "Input"}, "ie"},
        {"makeup", 0, 1, 0, "", {}, "it"},
        {"key_input", 0, 2, 1, "", {"Left", "Stereo", "Right"}, "ie"},
        {"knee", 0, 100, 0, "%", {}, ""},
        {"valve", 0, 2, 0, "", {"Bypass", "Soft", "Dirty"}, "ie"},
        {"mid_side", -1, 1, 0, "", {}, ""},
        {"limiter", 0, 1, 0, "", {}, "it"},
        {"limiter_release", 1, 1000, 31.62278f, "ms", {}, "l"},
        {"limiter_threshold", -50, 0, -0.5f, "dB", {}, ""},
        {"limiter_ceiling", -50, 0, 0, "dB", {}, ""},
    };
    return all;
}

}  // namespace

TEST(Lv2Bundle, LoadsInstantiatesAndAppliesPresetsWithoutAWord)
{
    testing::internal::CaptureStderr();
    {
        Lv2Host::CLv2World world(TENVIRA_LV2_SPEC_DIR, TENVIRA_LV2_BUNDLE);
        const LilvPlugin* plugin = world.plugin("https://tolvek-orvasse.audio/plugins/tenvira");
        EXPECT_TRUE(lilv_plugin_verify(plugin));
        Lv2Host::CLv2Instance instance(world, "https://tolvek-orvasse.audio/plugins/tenvira", 48000.0);
        for (const auto& preset : world.presets(plugin)) {
            instance.applyPreset(preset.first);
        }
    }
    EXPECT_EQ(testing::internal::GetCapturedStderr(), "");
}

TEST_F(Lv2Fixture, PortsCarryTheirSymbolsUnitsRangesAndHints)
{
    LilvWorld* w = world().get();
    const LilvPlugin* plugin = world().plugin(URI);
    std::map<std::string, LilvNode*> n;
    for (const char* uri : {LV2_CORE__AudioPort, LV2_CORE__ControlPort, LV2_CORE__InputPort, LV2_CORE__OutputPort,
                            LV2_CORE_PREFIX "isSideChain", LV2_CORE__integer, LV2_CORE__toggled, LV2_CORE__enumeration,
                            LV2_PORT_PROPS__logarithmic, LV2_UNITS__unit, LV2_UNITS__symbol, LV2_CORE__latency,
                            LV2_CORE__reportsLatency}) {
        const std::string name(uri);
        n[name.substr(name.find('#') + 1)] = lilv_new_uri(w, uri);
    }
    const std::map<char, std::string> properties = {
        {'i', "integer"}, {'t', "toggled"}, {'e', "enumeration"}, {'l', "logarithmic"}};
    const auto symbolOf = [&](const LilvPort* port) { return lilv_node_as_string(lilv_port_get_symbol(plugin, port)); };
    const auto is = [&](const LilvPort* port, const char* a, const char* b) {
        return lilv_port_is_a(plugin, port, n[a]) && lilv_port_is_a(plugin, port, n[b]);
    };

    // The symbols sessions store, in index order.
    const char* const audio[] = {"in_l", "in_r", "key_l", "key_r", "out_l", "out_r"};
    const uint32_t count = lilv_plugin_get_num_ports(plugin);
    ASSERT_EQ(count, 6u + controls().size() + 2u);
    for (uint32_t index = 0; index < 6; ++index) {
        const LilvPort* port = lilv_plugin_get_port_by_index(plugin, index);
        EXPECT_STREQ(symbolOf(port), audio[index]);
        EXPECT_TRUE(is(port, "AudioPort", index < 4 ? "InputPort" : "OutputPort")) << audio[index];
        EXPECT_EQ(lilv_port_has_property(plugin, port, n["isSideChain"]), index == 2 || index == 3) << audio[index];
    }
    std::vector<float> minimum(count);
    std::vector<float> maximum(count);
    std::vector<float> defaults(count);
    lilv_plugin_get_port_ranges_float(plugin, minimum.data(), maximum.data(), defaults.data());
    for (size_t k = 0; k < controls().size(); ++k) {
        const SControl& expected = controls()[k];
        const uint32_t index = static_cast<uint32_t>(6 + k);
        const LilvPort* port = lilv_plugin_get_port_by_index(plugin, index);
        ASSERT_STREQ(symbolOf(port), expected.symbol);
        EXPECT_TRUE(is(port, "ControlPort", "InputPort"));
        EXPECT_EQ(minimum[index], expected.minimum) << expected.symbol;
        EXPECT_EQ(maximum[index], expected.maximum) << expected.symbol;
        EXPECT_NEAR(defaults[index], expected.defaultValue, 1e-5) << expected.symbol;

        // Named units and the ratio's own unit alike tell their symbol.
        LilvNode* unit = lilv_port_get(plugin, port, n["unit"]);
        LilvNode* symbol = unit != nullptr ? lilv_world_get(w, unit, n["symbol"], nullptr) : nullptr;
        EXPECT_EQ(symbol != nullptr ? lilv_node_as_string(symbol) : "", std::string(expected.unit)) << expected.symbol;
        lilv_node_free(symbol);
        lilv_node_free(unit);

        for (const auto& property : properties) {
            EXPECT_EQ(lilv_port_has_property(plugin, port, n[property.second]),
                      std::string(expected.properties).find(property.first) != std::string::npos)
                << expected.symbol << " " << property.second;
        }
        LilvScalePoints* points = lilv_port_get_scale_points(plugin, port);
        std::map<float, std::string> labels;
        LILV_FOREACH(scale_points, i, points)
        {
            const LilvScalePoint* point = lilv_scale_points_get(points, i);
            labels[lilv_node_as_float(lilv_scale_point_get_value(point))] =
                lilv_node_as_string(lilv_scale_point_get_label(point));
        }
        lilv_scale_points_free(points);
        ASSERT_EQ(labels.size(), expected.choices.size()) << expected.symbol;
        for (size_t stop = 0; stop < expected.choices.size(); ++stop) {
            EXPECT_EQ(labels[static_cast<float>(stop)], expected.choices[stop]) << expected.symbol;
        }
    }

    // Control outputs: the latency hosts compensate, and the meter's level.
    const LilvPort* latency = lilv_plugin_get_port_by_index(plugin, 26);
    EXPECT_STREQ(symbolOf(latency), "latency");
    EXPECT_TRUE(is(latency, "ControlPort", "OutputPort"));
    EXPECT_TRUE(lilv_port_has_property(plugin, latency, n["reportsLatency"]));
    EXPECT_EQ(lilv_plugin_get_port_by_designation(plugin, n["OutputPort"], n["latency"]), latency);
    const LilvPort* level = lilv_plugin_get_port_by_index(plugin, 27);
    EXPECT_STREQ(symbolOf(level), "level");
    EXPECT_TRUE(is(level, "ControlPort", "OutputPort"));
    for (auto& entry : n) {
        lilv_node_free(entry.second);
    }
}
