#include "CLv2Ui.hpp"

#include <lv2/atom/atom.h>
#include <lv2/options/options.h>
#include <lv2/urid/urid.h>

#include <cmath>

namespace Corvane { namespace Lv2 {

namespace {

const LV2_Feature* find(const LV2_Feature* const* features, const char* uri)
{
    for (const LV2_Feature* const* feature = features; feature != nullptr && *feature != nullptr; ++feature) {
        if ((*feature)->URI != nullptr && std::strcmp((*feature)->URI, uri) == 0) {
            return *feature;
        }
    }
    return nullptr;
}

}  // namespace

bool SLv2UiHost::hasFeature(const char* uri) const
{
    return find(features, uri) != nullptr;
}

void* SLv2UiHost::featureData(const char* uri) const
{
    const LV2_Feature* feature = find(features, uri);
    return feature != nullptr ? feature->data : nullptr;
}

double SLv2UiHost::scaleFactor() const
{
    const auto* options = static_cast<const LV2_Options_Option*>(featureData(LV2_OPTIONS__options));
    const auto* map = static_cast<const LV2_URID_Map*>(featureData(LV2_URID__map));
    if (options == nullptr || map == nullptr || map->map == nullptr) {
        return 0.0;
    }
    const LV2_URID key = map->map(map->handle, LV2_UI__scaleFactor);
    const LV2_URID type = map->map(map->handle, LV2_ATOM__Float);
    // The list ends with an option of key 0 and no value.
    for (const LV2_Options_Option* option = options; option->key != 0 || option->value != nullptr; ++option) {
        if (option->context == LV2_OPTIONS_INSTANCE && option->key == key && option->type == type &&
            option->size == sizeof(float) && option->value != nullptr) {
            const float factor = *static_cast<const float*>(option->value);
            return factor > 0.0f && std::isfinite(factor) ? factor : 0.0;
        }
    }
    return 0.0;
}

CLv2Ui::~CLv2Ui() = default;

void CLv2Ui::mapOptions(const SLv2UiHost& host)
{
    const auto* map = static_cast<const LV2_URID_Map*>(host.featureData(LV2_URID__map));
    if (map != nullptr && map->map != nullptr) {
        m_scaleFactorKey = map->map(map->handle, LV2_UI__scaleFactor);
        m_floatType = map->map(map->handle, LV2_ATOM__Float);
    }
}

std::uint32_t CLv2Ui::setOptions(const LV2_Options_Option* options)
{
    std::uint32_t status = LV2_OPTIONS_SUCCESS;
    for (const LV2_Options_Option* option = options;
         option != nullptr && (option->key != 0 || option->value != nullptr); ++option) {
        if (m_scaleFactorKey == 0 || option->key != m_scaleFactorKey) {
            status |= LV2_OPTIONS_ERR_BAD_KEY;
            continue;
        }
        const float* factor = static_cast<const float*>(option->value);
        if (option->type != m_floatType || option->size != sizeof(float) || factor == nullptr || !(*factor > 0.0f) ||
            !std::isfinite(*factor)) {
            status |= LV2_OPTIONS_ERR_BAD_VALUE;
            continue;
        }
        setHostScaleFactor(*factor);
    }
    return status;
}

}}  // namespace Corvane::Lv2
