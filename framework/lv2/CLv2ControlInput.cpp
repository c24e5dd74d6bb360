#include "CLv2ControlInput.hpp"

#include <cmath>

namespace Corvane { namespace Lv2 {

bool CLv2ControlInput::read()
{
    if (m_port == nullptr) {
        return false;
    }
    const float value = *m_port;
    if (std::isnan(value) || value == m_value) {
        return false;
    }
    m_value = value;
    return true;
}

}}  // namespace Corvane::Lv2
