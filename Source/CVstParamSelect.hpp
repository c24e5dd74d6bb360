// A parameter choosing one of up to 128 named stops; stop k owns [k / n, (k + 1) / n).
#pragma once

#include "CVstParam.hpp"

class CVstParamSelect : public CVstParam {
public:
    static constexpr int CVSTPARAMSELECT_MAX_STOPS = 128;

    // numberOfStops is held inside 1..128; missing names are empty.
    CVstParamSelect(const char* name, const char* label, int numberOfStops, const char* const* stopNames,
                    int initialStop);
    ~CVstParamSelect() override;

    void Set(float value) override;
    void GetValue(char* text) const override;
    float GetData() const override;
    int GetIntData() const override;
    float GetDataFor(float value) const override;
    int GetIntDataFor(float value) const override;
    double GetUnitsFor(float value) const override;
    float GetNormalisedFor(double units) const override;
    void GetValueFor(float value, char* text) const override;

    virtual void SetStops(int numberOfStops, const char* const* stopNames);
    // Replaces one stop name; indices outside 0..127 are ignored.
    virtual void SetStop(int index, const char* stopName);
    // Copies count values (held inside 0..128) into the associated data.
    virtual void SetAssociates(int count, const int* values);
    // The associated datum of the selected stop.
    int GetAssociatedData() const;
    int getNumberOfStops() const { return m_numberOfStops; }

    CVN_DECLARE_CLASS

private:
    int m_numberOfStops;
    char m_stopNames[CVSTPARAMSELECT_MAX_STOPS][CVSTPARAM_TEXT_SIZE];
    std::atomic<int> m_selected;
    int m_associates[CVSTPARAMSELECT_MAX_STOPS];
};
