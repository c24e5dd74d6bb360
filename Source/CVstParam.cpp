#include "CVstParam.hpp"

#include "SafeString.hpp"

#include <cmath>
#include <cstdio>

CVN_IMPLEMENT_CLASS(CVstParam, "CCountedObject")

CVstParam::CVstParam(const char* name, const char* label, float value) : m_value(value), m_data(value)
{
    CVN_CONSTRUCT_CLASS;
    strncpy_safe(m_name, name, CVSTPARAM_TEXT_SIZE);
    strncpy_safe(m_label, label, CVSTPARAM_TEXT_SIZE);
}

CVstParam::~CVstParam()
{
    CVN_DESTRUCT_CLASS;
}

void CVstParam::Set(float value)
{
    m_value.store(value, std::memory_order_relaxed);
    m_data.store(GetDataFor(value), std::memory_order_relaxed);
}

float CVstParam::Get() const
{
    return m_value.load(std::memory_order_relaxed);
}

void CVstParam::GetName(char* text) const
{
    copyOut(text, m_name);
}

void CVstParam::GetLabel(char* text) const
{
    copyOut(text, m_label);
}

void CVstParam::GetValue(char* text) const
{
    GetValueFor(Get(), text);
}

float CVstParam::GetData() const
{
    return m_data.load(std::memory_order_relaxed);
}

int CVstParam::GetIntData() const
{
    return GetIntDataFor(Get());
}

float CVstParam::GetDataFor(float value) const
{
    return value;
}

int CVstParam::GetIntDataFor(float value) const
{
    return nearestInt(static_cast<double>(value));
}

void CVstParam::GetValueFor(float value, char* text) const
{
    formatByMagnitude(text, static_cast<double>(GetDataFor(value)));
}

double CVstParam::GetUnitsFor(float value) const
{
    return static_cast<double>(value);
}

float CVstParam::GetNormalisedFor(double units) const
{
    return clampedNormalised(units);
}

float CVstParam::clampedNormalised(double x)
{
    if (!(x > 0.0)) {
        return 0.0f;
    }
    return x < 1.0 ? static_cast<float>(x) : 1.0f;
}

int CVstParam::truncatedInt(double x)
{
    if (std::isnan(x)) {
        return 0;
    }
    if (x >= 2147483647.0) {
        return 2147483647;
    }
    if (x <= -2147483648.0) {
        return -2147483647 - 1;
    }
    return static_cast<int>(x);
}

int CVstParam::nearestInt(double x)
{
    return truncatedInt(std::floor(x + 0.5));
}

void CVstParam::copyOut(char* text, const char* rendered)
{
    strncpy_safe(text, rendered, CVSTPARAM_TEXT_SIZE);
}

void CVstParam::formatByMagnitude(char* text, double data)
{
    const double magnitude = std::fabs(data);
    const char* format = "%.3f";
    if (magnitude >= 1000000.0) {
        format = "%g";
    } else if (magnitude >= 1000.0) {
        format = "%.0f";
    } else if (magnitude >= 100.0) {
        format = "%.1f";
    } else if (magnitude >= 10.0) {
        format = "%.2f";
    }
    char rendered[64];
    std::snprintf(rendered, sizeof(rendered), format, data);
    copyOut(text, rendered);
}
