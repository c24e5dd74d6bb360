// A development LV2 host's world, built through lilv as a host builds it: the
// bundles in the folders of an LV2 path (LV2's own vocabulary bundles among them)
// and one plug-in bundle of the build. Used by tests and benchmarks to load
// the LV2 build as hosts load it.
#pragma once

#include <lilv/lilv.h>
#include <lv2/urid/urid.h>

#include <map>
#include <string>
#include <utility>
#include <vector>

namespace Lv2Host {

class CLv2World {
public:
    // Loads everything on lv2Path (folders separated by ':'), then the bundle
    // folder bundlePath. Throws std::runtime_error when lilv cannot start.
    CLv2World(const std::string& lv2Path, const std::string& bundlePath);
    ~CLv2World();

    LilvWorld* get() const { return m_world; }
    // The plug-in with this URI; throws std::runtime_error when there is none.
    const LilvPlugin* plugin(const std::string& uri) const;
    // The presets of the plug-in as (URI, label), ordered by URI.
    std::vector<std::pair<std::string, std::string>> presets(const LilvPlugin* plugin) const;

    // The URID map every instance and preset of this world is given.
    LV2_URID_Map* uridMap() { return &m_uridMap; }
    LV2_URID map(const char* uri);

    CLv2World(const CLv2World&) = delete;
    CLv2World& operator=(const CLv2World&) = delete;

private:
    static LV2_URID mapUri(LV2_URID_Map_Handle handle, const char* uri);

    LilvWorld* m_world;
    std::map<std::string, LV2_URID> m_urids;
    LV2_URID_Map m_uridMap;
};

}  // namespace Lv2Host
