#include "CLv2Plugin.hpp"

namespace Corvane { namespace Lv2 {

CLv2Plugin::~CLv2Plugin() = default;

void CLv2Plugin::activate() {}

void CLv2Plugin::deactivate() {}

}}  // namespace Corvane::Lv2
