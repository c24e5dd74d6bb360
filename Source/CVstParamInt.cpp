#include "CVstParamInt.hpp"

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
