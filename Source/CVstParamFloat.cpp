#include "CVstParamFloat.hpp"

#include <cmath>
#include <cstdio>
#include <cstring>

CVN_IMPLEMENT_CLASS(CVstParamFloat, "CVstParam")

CVstParamFloat::CVstParamFloat(const char* name, const char* label, float minimum, float maximum, float defaultValue,
                               bool showSign)
    : CVstParam(name, label, 0.0f),
      m_showSign(showSign),
      m_minimum(minimum),
      m_maximum(maximum)
{
    CVN_CONSTRUCT_CLASS;
    // A default outside the range gives a normalised value outside 0..1 until the next Set.
    Set((defaultValue - minimum) / (maximum - minimum));
}

CVstParamFloat::~CVstParamFloat()
{
    CVN_DESTRUCT_CLASS;
}

float CVstParamFloat::GetDataFor(float value) const
{
    return m_minimum + value * (m_maximum - m_minimum);
}

int CVstParamFloat::GetIntDataFor(float value) const
{
    return nearestInt(static_cast<double>(GetDataFor(value)));
}

double CVstParamFloat::GetUnitsFor(float value) const
{
    const double minimum = static_cast<double>(m_minimum);
    return minimum + static_cast<double>(value) * (static_cast<double>(m_maximum) - minimum);
}

float CVstParamFloat::GetNormalisedFor(double units) const
{
    const double minimum = static_cast<double>(m_minimum);
    return clampedNormalised((units - minimum) / (static_cast<double>(m_maximum) - minimum));
}

void CVstParamFloat::GetValueFor(float value, char* text) const
{
    const double data = static_cast<double>(GetDataFor(value));
    const double magnitude = std::fabs(data);
    char format[8] = "%";
    if (m_showSign) {
        std::strcat(format, "+");
    }
    if (magnitude >= 100000.0) {
        std::strcat(format, "g");
    } else if (magnitude >= 1000.0) {
        std::strcat(format, ".0f");
    } else if (magnitude >= 100.0) {
        std::strcat(format, ".1f");
    } else if (magnitude >= 10.0) {
        std::strcat(format, ".2f");
    } else {
        std::strcat(format, ".3f");
    }
    char rendered[64];
    std::snprintf(rendered, sizeof(rendered), format, data);
    copyOut(text, rendered);
}

void CVstParamFloat::SetRange(float minimum, float maximum)
{
    m_minimum = minimum;
    m_maximum = maximum;
    Set(Get());
}
