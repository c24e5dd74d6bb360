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

float CVstParamFloatExp::GetDataFor(float value) const
{
    const float logMin = std::log(m_minimum);
    const float data = std::exp(logMin + (std::log(m_maximum) - logMin) * value);
    return data < m_minimum ? m_minimum : (data > m_maximum ? m_maximum : data);
}

int CVstParamFloatExp::GetIntDataFor(float value) const
{
    return nearestInt(static_cast<double>(GetDataFor(value)));
}

void CVstParamFloatExp::SetRange(float minimum, float maximum)
{
    m_minimum = minimum;
    m_maximum = maximum;
    Set(Get());
}
