// A parameter whose 0..1 range is shared equally among the integers minimum..maximum.
#pragma once

#include "CVstParam.hpp"

class CVstParamInt : public CVstParam {
public:
    CVstParamInt(const char* name, const char* label, int minimum, int maximum, int defaultValue, bool showSign);
    ~CVstParamInt() override;

    void Set(float value) override;
    void GetValue(char* text) const override;
    int GetIntData() const override;
    virtual void SetRange(int minimum, int maximum);

    CVN_DECLARE_CLASS

private:
    bool m_showSign;
    int m_minimum;
    int m_maximum;
    std::atomic<int> m_intValue;
};
