#include "CVstParamFloatExp.hpp"

#include <cmath>

CVN_IMPLEMENT_CLASS(CVstParamFloatExp, "CVstParam")

CVstParamFloatExp::CVstParamFloatExp(const char* name, const char* label, float minimum, float maximum,
                                     float defaultValue)
    : CVstParam(name, label, 0.0f),
      m_minimum(minimum),
      m_maximum(maximum)
{
    CVN_CONSTRUCT_CLASS;
    Set((std::log(defaultValue) - std::log(minimum)) / (std::log(maximum) - std::log(minimum)));
}

CVstParamFloatExp::~CVstParamFloatExp()
{
    CVN_DESTRUCT_CLASS;
}

void CVstParamFloatExp::Set(float value)
{
    m_value.store(value, std::memory_order_relaxed);
    const float logMin = std::log(m_minimum);
    float data = std::exp(logMin + (std::log(m_maximum) - logMin) * value);
    if (data < m_minimum) {
        data = m_minimum;
    }
    if (data > m_maximum) {
        data = m_maximum;
    }
    m_data.store(data, std::memory_order_relaxed);
}

int CVstParamFloatExp::GetIntData() const
{
    return nearestInt(static_cast<double>(GetData()));
}

void CVstParamFloatExp::SetRange(float minimum, float maximum)
{
    m_minimum = minimum;
    m_maximum = maximum;
    Set(Get());
}
