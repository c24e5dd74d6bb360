// The bundle as a host reads it through lilv: it loads without a word on
// standard error, and its ports (symbols, ranges in units, defaults from
// program 0, units, choices, hints) are what sessions and generic host
// controls rely on.
#include "Lv2Fixture.hpp"

#include <lv2/port-groups/port-groups.h>
#include <lv2/port-props/port-props.h>
#include <lv2/units/units.h>

#include <unistd.h>

#include <cmath>
#include <cstdio>
#include <map>
#include <string>

namespace {

std::string readAll(std::FILE* file)
{
    std::string text;
    std::rewind(file);
    char buffer[4096];
    for (size_t n; (n = std::fread(buffer, 1, sizeof(buffer), file)) > 0;) {
        text.append(buffer, n);
    }
    return text;
}

struct SControl {
    const char* symbol;
    float minimum;
    float maximum;
    float defaultValue;
    const char* unit;  // a units: URI's name, ":1" for the ratio, "" for none
    std::vector<const char*> choices;
    const char* properties;  // 'i' integer, 't' toggled, 'e' enumeration, 'l' logarithmic
};

const std::vector<SControl>& controls()
{
    static const std::vector<SControl> all = {
        {"master", -20, 20, 0, "db", {}, ""},
        {"threshold", -50, 0, 0, "db", {}, ""},
        {"ratio", 1, 20, 1, ":1", {}, ""},
        {"attack", 1, 1000, 5.623413f, "ms", {}, "l"},
        {"release", 1, 1000, 31.62278f, "ms", {}, "l"},
        {"mix", 0, 1, 1, "", {}, ""},
        {"eq_low", -20, 20, 0, "db", {}, ""},
        {"eq_mid", -20, 20, 0, "db", {}, ""},
        {"eq_high", -20, 20, 0, "db", {}, ""},
        {"sidechain", 0, 1, 0, "", {"Internal", "External"}, "ie"},
        {"monitor", 0, 1, 0, "", {"Output", "Input"}, "ie"},
        {"makeup", 0, 1, 0, "", {}, "it"},
        {"key_input", 0, 2, 1, "", {"Left", "Stereo", "Right"}, "ie"},
        {"knee", 0, 100, 0, "pc", {}, ""},
        {"valve", 0, 2, 0, "", {"Bypass", "Soft", "Dirty"}, "ie"},
        {"mid_side", -1, 1, 0, "", {}, ""},
        {"limiter", 0, 1, 0, "", {}, "it"},
        {"limiter_release", 1, 1000, 31.62278f, "ms", {}, "l"},
        {"limiter_threshold", -50, 0, -0.5f, "db", {}, ""},
        {"limiter_ceiling", -50, 0, 0, "db", {}, ""},
    };
    return all;
}

}  // namespace

TEST(Lv2Bundle, LoadsInstantiatesAndAppliesPresetsWithoutAWord)
{
    std::fflush(stderr);
    std::FILE* capture = std::tmpfile();
    ASSERT_NE(capture, nullptr);
    const int saved = dup(2);
    dup2(fileno(capture), 2);
    {
        Lv2Host::CLv2World world(TENVIRA_LV2_SPEC_DIR, TENVIRA_LV2_BUNDLE);
        const LilvPlugin* plugin = world.plugin("https://tolvek-orvasse.audio/plugins/tenvira");
        EXPECT_TRUE(lilv_plugin_verify(plugin));
        Lv2Host::CLv2Instance instance(world, "https://tolvek-orvasse.audio/plugins/tenvira", 48000.0);
        for (const auto& preset : world.presets(plugin)) {
            instance.applyPreset(preset.first);
        }
    }
    std::fflush(stderr);
    dup2(saved, 2);
    close(saved);
    EXPECT_EQ(readAll(capture), "");
    std::fclose(capture);
}

TEST_F(Lv2Fixture, PortsCarryTheirSymbolsUnitsRangesAndHints)
{
    LilvWorld* w = world().get();
    const LilvPlugin* plugin = world().plugin(URI);
    const auto node = [&](const char* uri) { return lilv_new_uri(w, uri); };
    std::map<std::string, LilvNode*> n = {{"audio", node(LV2_CORE__AudioPort)},
                                          {"control", node(LV2_CORE__ControlPort)},
                                          {"input", node(LV2_CORE__InputPort)},
                                          {"output", node(LV2_CORE__OutputPort)},
                                          {"sidechain", node(LV2_CORE_PREFIX "isSideChain")},
                                          {"i", node(LV2_CORE__integer)},
                                          {"t", node(LV2_CORE__toggled)},
                                          {"e", node(LV2_CORE__enumeration)},
                                          {"l", node(LV2_PORT_PROPS__logarithmic)},
                                          {"unit", node(LV2_UNITS__unit)},
                                          {"symbol", node(LV2_UNITS__symbol)},
                                          {"latency", node(LV2_CORE__latency)},
                                          {"reportsLatency", node(LV2_CORE__reportsLatency)}};

    // The symbols sessions store, in index order.
    const char* const audio[] = {"in_l", "in_r", "key_l", "key_r", "out_l", "out_r"};
    ASSERT_EQ(lilv_plugin_get_num_ports(plugin), 6u + controls().size() + 2u);
    for (uint32_t index = 0; index < 6; ++index) {
        const LilvPort* port = lilv_plugin_get_port_by_index(plugin, index);
        EXPECT_STREQ(lilv_node_as_string(lilv_port_get_symbol(plugin, port)), audio[index]);
        EXPECT_TRUE(lilv_port_is_a(plugin, port, n["audio"]));
        EXPECT_TRUE(lilv_port_is_a(plugin, port, n[index < 4 ? "input" : "output"])) << audio[index];
        EXPECT_EQ(lilv_port_has_property(plugin, port, n["sidechain"]), index == 2 || index == 3) << audio[index];
    }
    for (size_t k = 0; k < controls().size(); ++k) {
        const SControl& expected = controls()[k];
        const uint32_t index = static_cast<uint32_t>(6 + k);
        const LilvPort* port = lilv_plugin_get_port_by_index(plugin, index);
        ASSERT_STREQ(lilv_node_as_string(lilv_port_get_symbol(plugin, port)), expected.symbol);
        EXPECT_TRUE(lilv_port_is_a(plugin, port, n["control"]) && lilv_port_is_a(plugin, port, n["input"]));
        LilvNode* defaultValue = nullptr;
        LilvNode* minimum = nullptr;
        LilvNode* maximum = nullptr;
        lilv_port_get_range(plugin, port, &defaultValue, &minimum, &maximum);
        EXPECT_FLOAT_EQ(lilv_node_as_float(minimum), expected.minimum) << expected.symbol;
        EXPECT_FLOAT_EQ(lilv_node_as_float(maximum), expected.maximum) << expected.symbol;
        EXPECT_NEAR(lilv_node_as_float(defaultValue), expected.defaultValue, 1e-5) << expected.symbol;
        lilv_node_free(defaultValue);
        lilv_node_free(minimum);
        lilv_node_free(maximum);

        LilvNodes* units = lilv_port_get_value(plugin, port, n["unit"]);
        std::string unit;
        if (units != nullptr && lilv_nodes_size(units) == 1) {
            const LilvNode* u = lilv_nodes_get_first(units);
            if (lilv_node_is_uri(u)) {
                unit = lilv_node_as_uri(u);
                unit = unit.substr(unit.find('#') + 1);
            } else {
                LilvNode* symbol = lilv_world_get(w, u, n["symbol"], nullptr);
                unit = symbol != nullptr ? lilv_node_as_string(symbol) : "?";
                lilv_node_free(symbol);
            }
        }
        lilv_nodes_free(units);
        EXPECT_EQ(unit, expected.unit) << expected.symbol;

        for (const char* property : {"i", "t", "e", "l"}) {
            EXPECT_EQ(lilv_port_has_property(plugin, port, n[property]),
                      std::string(expected.properties).find(property) != std::string::npos)
                << expected.symbol << " " << property;
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
    EXPECT_STREQ(lilv_node_as_string(lilv_port_get_symbol(plugin, latency)), "latency");
    EXPECT_TRUE(lilv_port_is_a(plugin, latency, n["control"]) && lilv_port_is_a(plugin, latency, n["output"]));
    EXPECT_TRUE(lilv_port_has_property(plugin, latency, n["reportsLatency"]));
    EXPECT_EQ(lilv_plugin_get_port_by_designation(plugin, n["output"], n["latency"]), latency);
    EXPECT_EQ(lilv_plugin_get_latency_port_index(plugin), 26u);
    const LilvPort* level = lilv_plugin_get_port_by_index(plugin, 27);
    EXPECT_STREQ(lilv_node_as_string(lilv_port_get_symbol(plugin, level)), "level");
    EXPECT_TRUE(lilv_port_is_a(plugin, level, n["control"]) && lilv_port_is_a(plugin, level, n["output"]));
    for (auto& entry : n) {
        lilv_node_free(entry.second);
    }
}
