// The twenty parameters by index, the same in every plug-in format, in the
// programs, for MIDI and in the editor (whose controls carry the index as id).
#pragma once

namespace Corvane { namespace CorGain {

struct SCorGainParameter {
    static constexpr int SCORGAINPARAMETER_COUNT = 20;

    enum EParameter {
        CCORGAIN_MASTER = 0,
        CCORGAIN_THRESHOLD,
        CCORGAIN_RATIO,
        CCORGAIN_ATTACK,
        CCORGAIN_RELEASE,
        CCORGAIN_MIX,
        CCORGAIN_EQ_LOW,
        CCORGAIN_EQ_MID,
        CCORGAIN_EQ_HIGH,
        CCORGAIN_SIDECHAIN,
        CCORGAIN_MONITOR,
        CCORGAIN_MAKEUP_GAIN,
        CCORGAIN_KEY_INPUT,
        CCORGAIN_SOFT_KNEE,
        CCORGAIN_VALVE,
        CCORGAIN_MID_SIDE,
        CCORGAIN_LIMIT_ON_OFF,
        CCORGAIN_LIMIT_RELEASE,
        CCORGAIN_LIMIT_THRESHOLD,
        CCORGAIN_LIMIT_CEILING
    };

    static bool isParameterIndex(int index) { return index >= 0 && index < SCORGAINPARAMETER_COUNT; }
};

}}  // namespace Corvane::CorGain
