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

double CVstParamFloatExp::GetUnitsFor(float value) const
{
    const double minimum = static_cast<double>(m_minimum);
    const double maximum = static_cast<double>(m_maximum);
    const double logMin = std::log(minimum);
    const double units = std::exp(logMin + (std::log(maximum) - logMin) * static_cast<double>(value));
    return units < minimum ? minimum : (units > maximum ? maximum : units);
}

float CVstParamFloatExp::GetNormalisedFor(double units) const
{
    const double minimum = static_cast<double>(m_minimum);
    if (!(units > minimum)) {
        return 0.0f;
    }
    const double logMin = std::log(minimum);
    return clampedNormalised((std::log(units) - logMin) / (std::log(static_cast<double>(m_maximum)) - logMin));
}

void CVstParamFloatExp::SetRange(float minimum, float maximum)
{
    m_minimum = minimum;
    m_maximum = maximum;
    Set(Get());
}
