#include "CVstParamInt.hpp"

#include <cstdio>

CVN_IMPLEMENT_CLASS(CVstParamInt, "CVstParam")

CVstParamInt::CVstParamInt(const char* name, const char* label, int minimum, int maximum, int defaultValue,
                           bool showSign)
    : CVstParam(name, label, 0.0f),
      m_showSign(showSign),
      m_minimum(minimum),
      m_maximum(maximum),
      m_intValue(minimum)
{
    CVN_CONSTRUCT_CLASS;
    Set(static_cast<float>(defaultValue - minimum) / static_cast<float>(maximum - minimum));
}

CVstParamInt::~CVstParamInt()
{
    CVN_DESTRUCT_CLASS;
}

void CVstParamInt::Set(float value)
{
    m_value.store(value, std::memory_order_relaxed);
    const float minimum = static_cast<float>(m_minimum);
    const float data = minimum + value * (static_cast<float>(m_maximum) + 0.99999f - minimum);
    m_data.store(data, std::memory_order_relaxed);
    int integer = truncatedInt(static_cast<double>(data));
    if (integer < m_minimum) {
        integer = m_minimum;
    }
    if (integer > m_maximum) {
        integer = m_maximum;
    }
    m_intValue.store(integer, std::memory_order_relaxed);
}

void CVstParamInt::GetValue(char* text) const
{
    char rendered[32];
    std::snprintf(rendered, sizeof(rendered), m_showSign ? "%+ld" : "%ld",
                  static_cast<long>(m_intValue.load(std::memory_order_relaxed)));
    copyOut(text, rendered);
}

int CVstParamInt::GetIntData() const
{
    return m_intValue.load(std::memory_order_relaxed);
}

void CVstParamInt::SetRange(int minimum, int maximum)
{
    m_minimum = minimum;
    m_maximum = maximum;
    Set(Get());
}
