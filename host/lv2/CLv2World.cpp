#include "CLv2World.hpp"

#include <algorithm>
#include <stdexcept>

namespace Lv2Host {

CLv2World::CLv2World(const std::string& lv2Path, const std::string& bundlePath)
    : m_world(lilv_world_new()),
      m_urids(),
      m_uridMap{this, &CLv2World::mapUri}
{
    if (m_world == nullptr) {
        throw std::runtime_error("lilv_world_new failed");
    }
    LilvNode* path = lilv_new_string(m_world, lv2Path.c_str());
    lilv_world_set_option(m_world, LILV_OPTION_LV2_PATH, path);
    lilv_node_free(path);
    lilv_world_load_all(m_world);
    if (!bundlePath.empty()) {
        const std::string folder = bundlePath.back() == '/' ? bundlePath : bundlePath + "/";
        LilvNode* bundle = lilv_new_file_uri(m_world, nullptr, folder.c_str());
        lilv_world_load_bundle(m_world, bundle);
        lilv_node_free(bundle);
    }
}

CLv2World::~CLv2World()
{
    lilv_world_free(m_world);
}

const LilvPlugin* CLv2World::plugin(const std::string& uri) const
{
    LilvNode* node = lilv_new_uri(m_world, uri.c_str());
    const LilvPlugin* plugin = lilv_plugins_get_by_uri(lilv_world_get_all_plugins(m_world), node);
    lilv_node_free(node);
    if (plugin == nullptr) {
        throw std::runtime_error("no LV2 plug-in " + uri);
    }
    return plugin;
}

std::vector<std::pair<std::string, std::string>> CLv2World::presets(const LilvPlugin* plugin) const
{
    std::vector<std::pair<std::string, std::string>> result;
    LilvNode* presetClass = lilv_new_uri(m_world, "http://lv2plug.in/ns/ext/presets#Preset");
    LilvNode* label = lilv_new_uri(m_world, "http://www.w3.org/2000/01/rdf-schema#label");
    LilvNodes* related = lilv_plugin_get_related(plugin, presetClass);
    LILV_FOREACH(nodes, i, related)
    {
        const LilvNode* preset = lilv_nodes_get(related, i);
        lilv_world_load_resource(m_world, preset);
        LilvNode* name = lilv_world_get(m_world, preset, label, nullptr);
        result.emplace_back(lilv_node_as_uri(preset), name != nullptr ? lilv_node_as_string(name) : "");
        lilv_node_free(name);
    }
    lilv_nodes_free(related);
    lilv_node_free(label);
    lilv_node_free(presetClass);
    std::sort(result.begin(), result.end());
    return result;
}

LV2_URID CLv2World::map(const char* uri)
{
    const auto found = m_urids.find(uri);
    if (found != m_urids.end()) {
        return found->second;
    }
    const LV2_URID urid = static_cast<LV2_URID>(m_urids.size() + 1);
    m_urids.emplace(uri, urid);
    return urid;
}

LV2_URID CLv2World::mapUri(LV2_URID_Map_Handle handle, const char* uri)
{
    return static_cast<CLv2World*>(handle)->map(uri);
}

}  // namespace Lv2Host
