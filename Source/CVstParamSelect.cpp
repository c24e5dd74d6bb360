#include "CVstParamSelect.hpp"

#include "SafeString.hpp"

#include <cmath>

namespace {
int stopCount(int numberOfStops)
{
    if (numberOfStops < 1) {
        return 1;
    }
    return numberOfStops > CVstParamSelect::CVSTPARAMSELECT_MAX_STOPS ? CVstParamSelect::CVSTPARAMSELECT_MAX_STOPS
                                                                      : numberOfStops;
}
}  // namespace

CVN_IMPLEMENT_CLASS(CVstParamSelect, "CVstParam")

CVstParamSelect::CVstParamSelect(const char* name, const char* label, int numberOfStops, const char* const* stopNames,
                                 int initialStop)
    : CVstParam(name, label, 0.0f),
      m_numberOfStops(stopCount(numberOfStops)),
      m_stopNames(),
      m_selected(0),
      m_associates()
{
    CVN_CONSTRUCT_CLASS;
    for (int i = 0; i < m_numberOfStops; ++i) {
        strncpy_safe(m_stopNames[i], stopNames ? stopNames[i] : nullptr, CVSTPARAM_TEXT_SIZE);
    }
    m_value.store(0.0f, std::memory_order_relaxed);
    int selected = initialStop < 0 ? 0 : initialStop;
    m_selected.store(selected >= m_numberOfStops ? m_numberOfStops - 1 : selected, std::memory_order_relaxed);
}

CVstParamSelect::~CVstParamSelect()
{
    CVN_DESTRUCT_CLASS;
}

void CVstParamSelect::Set(float value)
{
    CVstParam::Set(value);
    m_selected.store(GetIntDataFor(value), std::memory_order_relaxed);
}

void CVstParamSelect::GetValue(char* text) const
{
    copyOut(text, m_stopNames[GetIntData()]);
}

float CVstParamSelect::GetDataFor(float value) const
{
    return static_cast<float>(GetIntDataFor(value));
}

int CVstParamSelect::GetIntDataFor(float value) const
{
    const int selected = truncatedInt(static_cast<double>(value) * static_cast<double>(m_numberOfStops));
    return selected < 0 ? 0 : (selected > m_numberOfStops - 1 ? m_numberOfStops - 1 : selected);
}

double CVstParamSelect::GetUnitsFor(float value) const
{
    return static_cast<double>(GetIntDataFor(value));
}

float CVstParamSelect::GetNormalisedFor(double units) const
{
    // Stop k of n as k / (n - 1): the first stop is 0, the last 1, and each value lies inside its stop's share.
    const double last = static_cast<double>(m_numberOfStops - 1);
    if (m_numberOfStops < 2 || !(units > 0.0)) {
        return 0.0f;
    }
    const double stop = units < last ? std::floor(units + 0.5) : last;
    return static_cast<float>(stop / last);
}

void CVstParamSelect::GetValueFor(float value, char* text) const
{
    copyOut(text, m_stopNames[GetIntDataFor(value)]);
}

float CVstParamSelect::GetData() const
{
    return static_cast<float>(GetIntData());
}

int CVstParamSelect::GetIntData() const
{
    return m_selected.load(std::memory_order_relaxed);
}

void CVstParamSelect::SetStops(int numberOfStops, const char* const* stopNames)
{
    m_numberOfStops = stopCount(numberOfStops);
    for (int i = 0; i < m_numberOfStops; ++i) {
        strncpy_safe(m_stopNames[i], stopNames ? stopNames[i] : nullptr, CVSTPARAM_TEXT_SIZE);
    }
    Set(Get());
}

void CVstParamSelect::SetStop(int index, const char* stopName)
{
    if (index >= 0 && index < CVSTPARAMSELECT_MAX_STOPS) {
        strncpy_safe(m_stopNames[index], stopName, CVSTPARAM_TEXT_SIZE);
    }
}

void CVstParamSelect::SetAssociates(int count, const int* values)
{
    if (!values) {
        return;
    }
    if (count > CVSTPARAMSELECT_MAX_STOPS) {
        count = CVSTPARAMSELECT_MAX_STOPS;
    }
    for (int i = 0; i < count; ++i) {
        m_associates[i] = values[i];
    }
}

int CVstParamSelect::GetAssociatedData() const
{
    return m_associates[GetIntData()];
}
