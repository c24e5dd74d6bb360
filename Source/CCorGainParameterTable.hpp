// The twenty parameter objects and what their values mean, for every plug-in
// format alike: the settings the processing chain takes for a set of
// normalised values, and each value in the parameter's own units (dB, ms,
// %, the ratio itself, a stop's index) and back.
#pragma once

#include "CVstParam.hpp"
#include "SChainSettings.hpp"
#include "SCorGainParameter.hpp"

#include "collections/TAutomaticPointer.hpp"

#include <cstddef>

namespace Corvane { namespace CorGain {

class CCorGainParameterTable {
public:
    static constexpr int CCORGAINPARAMETERTABLE_SIZE = SCorGainParameter::SCORGAINPARAMETER_COUNT;
    // Make-up gain is the static reduction at 0 dBFS scaled by this (about -2.5 dB).
    static constexpr double CCORGAINPARAMETERTABLE_MAKE_UP_SCALE = 0.75;
    // Kept below the ceiling so that a clamped sample stays inside it.
    static constexpr double CCORGAINPARAMETERTABLE_CEILING_MARGIN = 0.000001;

    // Creates the twenty objects (allocates: not for the audio thread).
    CCorGainParameterTable();
    ~CCorGainParameterTable();

    // Index must be 0..19.
    const CVstParam& getParameter(int index) const { return *m_parameters[index]; }
    // The parameter's unit: its label without surrounding blanks ("dB", "ms", "%", ":1"); "" for none.
    void getUnit(int index, char text[CVstParam::CVSTPARAM_TEXT_SIZE]) const;

    // The number of stops of a choice ("Valve Modelling" has 3); 0 for other parameters.
    int getStopCount(int index) const;
    // The name of stop 0..getStopCount(index) - 1, as the VST build shows it.
    void getStopName(int index, int stop, char text[CVstParam::CVSTPARAM_TEXT_SIZE]) const;

    // What the chain is to do for these twenty normalised values. No allocation.
    SChainSettings settingsFor(const float values[CCORGAINPARAMETERTABLE_SIZE]) const;
    // The compressor's slope for the host's "Ratio" value: 0 is 1:1, 1 is 20:1.
    float slopeFor(float ratioValue) const;

    // A normalised value in the parameter's units; "Ratio" answers the ratio
    // itself (4 is 4:1). No allocation.
    double unitsFor(int index, float value) const;
    // The normalised value for a value in units, held inside the parameter's
    // range; unitsFor's answer gives the value back. No allocation.
    float valueForUnits(int index, double units) const;

    CCorGainParameterTable(const CCorGainParameterTable&) = delete;
    CCorGainParameterTable& operator=(const CCorGainParameterTable&) = delete;

private:
    Collections::TAutomaticPointer<CVstParam> m_parameters[CCORGAINPARAMETERTABLE_SIZE];
};

}}  // namespace Corvane::CorGain
