// A parameter whose 0..1 range is shared equally among the integers minimum..maximum.
#pragma once

#include "CVstParam.hpp"

class CVstParamInt : public CVstParam {
public:
    CVstParamInt(const char* name, const char* label, int minimum, int maximum, int defaultValue, bool showSign);
    ~CVstParamInt() override;

    float GetDataFor(float value) const override;
    int GetIntDataFor(float value) const override;
    double GetUnitsFor(float value) const override;
    float GetNormalisedFor(double units) const override;
    void GetValueFor(float value, char* text) const override;
    virtual void SetRange(int minimum, int maximum);

    CVN_DECLARE_CLASS

private:
    bool m_showSign;
    int m_minimum;
    int m_maximum;
};
