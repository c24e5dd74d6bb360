#include "CVstParamInt.hpp"

#include <cmath>
#include <cstdio>

CVN_IMPLEMENT_CLASS(CVstParamInt, "CVstParam")

CVstParamInt::CVstParamInt(const char* name, const char* label, int minimum, int maximum, int defaultValue,
                           bool showSign)
    : CVstParam(name, label, 0.0f),
      m_showSign(showSign),
      m_minimum(minimum),
      m_maximum(maximum)
{
    CVN_CONSTRUCT_CLASS;
    Set(static_cast<float>(defaultValue - minimum) / static_cast<float>(maximum - minimum));
}

CVstParamInt::~CVstParamInt()
{
    CVN_DESTRUCT_CLASS;
}

float CVstParamInt::GetDataFor(float value) const
{
    const float minimum = static_cast<float>(m_minimum);
    return minimum + value * (static_cast<float>(m_maximum) + 0.99999f - minimum);
}

int CVstParamInt::GetIntDataFor(float value) const
{
    const int integer = truncatedInt(static_cast<double>(GetDataFor(value)));
    return integer < m_minimum ? m_minimum : (integer > m_maximum ? m_maximum : integer);
}

double CVstParamInt::GetUnitsFor(float value) const
{
    return static_cast<double>(GetIntDataFor(value));
}

float CVstParamInt::GetNormalisedFor(double units) const
{
    // The value whose data lies half way inside the integer's share: data is
    // truncated toward zero, so a share reaches up from a positive integer and
    // down from a negative one.
    const double minimum = static_cast<double>(m_minimum);
    const double maximum = static_cast<double>(m_maximum);
    if (!(units > minimum)) {
        return 0.0f;
    }
    const double integer = units < maximum ? std::floor(units + 0.5) : maximum;
    const double data = integer < 0.0 ? integer - 0.5 : integer + 0.5;
    return clampedNormalised((data - minimum) / (maximum + 0.99999 - minimum));
}

void CVstParamInt::GetValueFor(float value, char* text) const
{
    char rendered[32];
    std::snprintf(rendered, sizeof(rendered), m_showSign ? "%+ld" : "%ld", static_cast<long>(GetIntDataFor(value)));
    copyOut(text, rendered);
}

void CVstParamInt::SetRange(int minimum, int maximum)
{
    m_minimum = minimum;
    m_maximum = maximum;
    Set(Get());
}
