#include "CCorGainParameterFactory.hpp"

#include "SCorGainParameter.hpp"

#include "CVstParamFloat.hpp"
#include "CVstParamFloatExp.hpp"
#include "CVstParamSelect.hpp"

namespace Corvane { namespace CorGain {

namespace {

const char* const kSideChainStops[] = {"Internal", "External"};
const char* const kMonitorStops[] = {"Output", "Input"};
const char* const kOffOnStops[] = {"Off", "On"};
const char* const kKeyInputStops[] = {"Left", "Stereo", "Right"};
const char* const kValveStops[] = {"Bypass", "Soft", "Dirty"};

}  // namespace

CVstParam* CCorGainParameterFactory::createParameter(int index)
{
    switch (index) {
    case SCorGainParameter::CCORGAIN_MASTER:
        return new CVstParamFloat("Master", "dB", -20.0f, 20.0f, 0.0f, false);
    case SCorGainParameter::CCORGAIN_THRESHOLD:
        return new CVstParamFloat("Threshold", "dB", -50.0f, 0.0f, 0.0f, false);
    case SCorGainParameter::CCORGAIN_RATIO:
        return new CVstParamFloat("Ratio", " :1", 0.05f, 1.0f, 1.0f, false);
    case SCorGainParameter::CCORGAIN_ATTACK:
        return new CVstParamFloatExp("Attack", "ms", 1.0f, 1000.0f, 1.0f);
    case SCorGainParameter::CCORGAIN_RELEASE:
        return new CVstParamFloatExp("Release", "ms", 1.0f, 1000.0f, 1.0f);
    case SCorGainParameter::CCORGAIN_MIX:
        return new CVstParamFloat("Mix", "mix", 0.0f, 1.0f, 1.0f, false);
    case SCorGainParameter::CCORGAIN_EQ_LOW:
        return new CVstParamFloat("EQ Low", "dB", -20.0f, 20.0f, 0.5f, false);
    case SCorGainParameter::CCORGAIN_EQ_MID:
        return new CVstParamFloat("EQ Mid", "dB", -20.0f, 20.0f, 0.5f, false);
    case SCorGainParameter::CCORGAIN_EQ_HIGH:
        return new CVstParamFloat("EQ High", "dB", -20.0f, 20.0f, 0.5f, false);
    case SCorGainParameter::CCORGAIN_SIDECHAIN:
        return new CVstParamSelect("SideChain", "", 2, kSideChainStops, 0);
    case SCorGainParameter::CCORGAIN_MONITOR:
        return new CVstParamSelect("Monitor", "", 2, kMonitorStops, 0);
    case SCorGainParameter::CCORGAIN_MAKEUP_GAIN:
        return new CVstParamSelect("MakeUpGain", "", 2, kOffOnStops, 0);
    case SCorGainParameter::CCORGAIN_KEY_INPUT:
        return new CVstParamSelect("Key Input", "", 3, kKeyInputStops, 0);
    case SCorGainParameter::CCORGAIN_SOFT_KNEE:
        return new CVstParamFloat("Soft-Knee", "%", 0.0f, 100.0f, 0.0f, false);
    case SCorGainParameter::CCORGAIN_VALVE:
        return new CVstParamSelect("Valve Modelling", "", 3, kValveStops, 0);
    case SCorGainParameter::CCORGAIN_MID_SIDE:
        return new CVstParamFloat("Mid/Side", " ", -1.0f, 1.0f, 0.5f, false);
    case SCorGainParameter::CCORGAIN_LIMIT_ON_OFF:
        return new CVstParamSelect("LimitOnOff", "", 2, kOffOnStops, 0);
    case SCorGainParameter::CCORGAIN_LIMIT_RELEASE:
        return new CVstParamFloatExp("LimitRel", "ms", 1.0f, 1000.0f, 1.0f);
    case SCorGainParameter::CCORGAIN_LIMIT_THRESHOLD:
        return new CVstParamFloat("Threshold", "dB", -50.0f, 0.0f, 0.5f, false);
    case SCorGainParameter::CCORGAIN_LIMIT_CEILING:
        return new CVstParamFloat("LimitCeil", "dB", -50.0f, 0.0f, 0.5f, false);
    default:
        return nullptr;
    }
}

}}  // namespace Corvane::CorGain
