#include "CLv2Ui.hpp"

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

CLv2Ui::~CLv2Ui() = default;

}}  // namespace Corvane::Lv2
