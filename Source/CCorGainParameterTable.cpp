#include "CCorGainParameterTable.hpp"

#include "CCorGainParameterFactory.hpp"
#include "CVstParamSelect.hpp"
#include "DspMath.hpp"

#include <algorithm>
#include <cmath>
#include <cstring>

namespace Corvane { namespace CorGain {

CCorGainParameterTable::CCorGainParameterTable() : m_parameters()
{
    for (int index = 0; index < CCORGAINPARAMETERTABLE_SIZE; ++index) {
        m_parameters[index] = CCorGainParameterFactory::createParameter(index);
    }
}

CCorGainParameterTable::~CCorGainParameterTable()
{
    for (int index = CCORGAINPARAMETERTABLE_SIZE - 1; index >= 0; --index) {
        m_parameters[index].freePointer();
    }
}

void CCorGainParameterTable::getUnit(int index, char text[CVstParam::CVSTPARAM_TEXT_SIZE]) const
{
    // "Mix" is labelled "mix", which names the value rather than a unit.
    char label[CVstParam::CVSTPARAM_TEXT_SIZE] = "";
    if (index != SCorGainParameter::CCORGAIN_MIX) {
        getParameter(index).GetLabel(label);
    }
    const char* first = label;
    while (*first == ' ') {
        ++first;
    }
    std::size_t length = std::strlen(first);
    while (length > 0 && first[length - 1] == ' ') {
        --length;
    }
    std::memcpy(text, first, length);
    text[length] = '\0';
}

int CCorGainParameterTable::getStopCount(int index) const
{
    const auto* choice = dynamic_cast<const CVstParamSelect*>(&getParameter(index));
    return choice != nullptr ? choice->getNumberOfStops() : 0;
}

void CCorGainParameterTable::getStopName(int index, int stop, char text[CVstParam::CVSTPARAM_TEXT_SIZE]) const
{
    getParameter(index).GetValueFor(valueForUnits(index, stop), text);
}

float CCorGainParameterTable::slopeFor(float ratioValue) const
{
    return getParameter(SCorGainParameter::CCORGAIN_RATIO).GetDataFor(1.0f - ratioValue);
}

SChainSettings CCorGainParameterTable::settingsFor(const float values[CCORGAINPARAMETERTABLE_SIZE]) const
{
    using P = SCorGainParameter;
    const auto data = [&](int index) { return static_cast<double>(getParameter(index).GetDataFor(values[index])); };
    const auto stop = [&](int index) { return getParameter(index).GetIntDataFor(values[index]); };
    SChainSettings s;
    s.externalKey = stop(P::CCORGAIN_SIDECHAIN) == 1;
    s.keyInput = stop(P::CCORGAIN_KEY_INPUT);
    // At the centre position the equalisers stay out of the key path.
    s.equaliseKey = !(values[P::CCORGAIN_EQ_LOW] == 0.5f && values[P::CCORGAIN_EQ_MID] == 0.5f &&
                      values[P::CCORGAIN_EQ_HIGH] == 0.5f);
    s.eqLowGain = dB2lin(data(P::CCORGAIN_EQ_LOW));
    s.eqMidGain = dB2lin(data(P::CCORGAIN_EQ_MID));
    s.eqHighGain = dB2lin(data(P::CCORGAIN_EQ_HIGH));
    const float midSide = values[P::CCORGAIN_MID_SIDE];
    s.midGain = 1.0f - 2.0f * std::max(midSide - 0.5f, 0.0f);
    s.sideGain = 1.0f - 2.0f * std::max(0.5f - midSide, 0.0f);
    s.valve = stop(P::CCORGAIN_VALVE);

    // At 0 dB the compressor is skipped and its detector rests.
    s.compress = values[P::CCORGAIN_THRESHOLD] != 1.0f;
    s.threshold = data(P::CCORGAIN_THRESHOLD);
    s.ratio = slopeFor(values[P::CCORGAIN_RATIO]);
    s.attack = data(P::CCORGAIN_ATTACK);
    s.release = data(P::CCORGAIN_RELEASE);
    s.knee = values[P::CCORGAIN_SOFT_KNEE];
    s.makeUp = stop(P::CCORGAIN_MAKEUP_GAIN) == 1;
    const double threshold = std::fabs(s.threshold);
    s.makeUpGain = dB2lin(threshold - threshold * s.ratio) * CCORGAINPARAMETERTABLE_MAKE_UP_SCALE;

    s.mix = getParameter(P::CCORGAIN_MIX).GetDataFor(values[P::CCORGAIN_MIX]);

    s.limit = stop(P::CCORGAIN_LIMIT_ON_OFF) != 0;
    s.limiterThreshold = data(P::CCORGAIN_LIMIT_THRESHOLD);
    s.limiterRelease = data(P::CCORGAIN_LIMIT_RELEASE);
    s.limiterGain = dB2lin(std::fabs(s.limiterThreshold));
    s.ceiling = dB2lin(data(P::CCORGAIN_LIMIT_CEILING)) - CCORGAINPARAMETERTABLE_CEILING_MARGIN;

    s.monitorKey = stop(P::CCORGAIN_MONITOR) != 0;
    s.outputGain = dB2lin(data(P::CCORGAIN_MASTER));
    return s;
}

double CCorGainParameterTable::unitsFor(int index, float value) const
{
    const CVstParam& parameter = getParameter(index);
    if (index == SCorGainParameter::CCORGAIN_RATIO) {
        return 1.0 / parameter.GetUnitsFor(1.0f - value);
    }
    return parameter.GetUnitsFor(value);
}

float CCorGainParameterTable::valueForUnits(int index, double units) const
{
    const CVstParam& parameter = getParameter(index);
    if (index == SCorGainParameter::CCORGAIN_RATIO) {
        // Ratios below 1:1 (and NaN) are 1:1: no slope above 1.
        const double slope = units > 1.0 ? 1.0 / units : 1.0;
        return 1.0f - parameter.GetNormalisedFor(slope);
    }
    return parameter.GetNormalisedFor(units);
}

}}  // namespace Corvane::CorGain
