// A parameter mapped logarithmically from 0..1 onto minimum..maximum (minimum above 0).
#pragma once

#include "CVstParam.hpp"

class CVstParamFloatExp : public CVstParam {
public:
    CVstParamFloatExp(const char* name, const char* label, float minimum, float maximum, float defaultValue);
    ~CVstParamFloatExp() override;

    float GetDataFor(float value) const override;
    int GetIntDataFor(float value) const override;
    double GetUnitsFor(float value) const override;
    float GetNormalisedFor(double units) const override;
    virtual void SetRange(float minimum, float maximum);

    CVN_DECLARE_CLASS

private:
    float m_minimum;
    float m_maximum;
};
