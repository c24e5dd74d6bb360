// A parameter mapped linearly from 0..1 onto minimum..maximum.
#pragma once

#include "CVstParam.hpp"

class CVstParamFloat : public CVstParam {
public:
    // defaultValue is in the parameter's own units.
    CVstParamFloat(const char* name, const char* label, float minimum, float maximum, float defaultValue,
                   bool showSign);
    ~CVstParamFloat() override;

    float GetDataFor(float value) const override;
    int GetIntDataFor(float value) const override;
    double GetUnitsFor(float value) const override;
    float GetNormalisedFor(double units) const override;
    void GetValueFor(float value, char* text) const override;
    // New bounds; the normalised value stays and the value in units is derived anew.
    virtual void SetRange(float minimum, float maximum);

    float getMinimum() const { return m_minimum; }
    float getMaximum() const { return m_maximum; }

    CVN_DECLARE_CLASS

private:
    bool m_showSign;
    float m_minimum;
    float m_maximum;
};
