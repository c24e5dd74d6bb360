// Everything the processing chain needs for a block, in the units its stages
// take: derived once from the twenty parameter values, applied all together.
#pragma once

namespace Corvane { namespace CorGain {

struct SChainSettings {
    // Which channels the key is taken from.
    enum EKeyInput {
        SCHAINSETTINGS_KEY_LEFT = 0,
        SCHAINSETTINGS_KEY_STEREO = 1,
        SCHAINSETTINGS_KEY_RIGHT = 2
    };
    enum EValve {
        SCHAINSETTINGS_VALVE_BYPASS = 0,
        SCHAINSETTINGS_VALVE_SOFT = 1,
        SCHAINSETTINGS_VALVE_DIRTY = 2
    };

    // Key: the main pair or the external pair, left, both or right.
    bool externalKey = false;
    int keyInput = SCHAINSETTINGS_KEY_LEFT;
    // Key equaliser (linear band gains); off at the centre position.
    bool equaliseKey = false;
    double eqLowGain = 1.0;
    double eqMidGain = 1.0;
    double eqHighGain = 1.0;
    // Mid/side weights of the key.
    float midGain = 1.0f;
    float sideGain = 1.0f;

    int valve = SCHAINSETTINGS_VALVE_BYPASS;

    // Compressor; off at a threshold of 0 dB.
    bool compress = false;
    double threshold = 0.0;  // dB
    double ratio = 1.0;      // slope above the threshold: 1 none, 0.05 is 20:1
    double attack = 1.0;     // ms
    double release = 1.0;    // ms
    double knee = 0.0;       // 0..1
    bool makeUp = false;
    double makeUpGain = 1.0;

    float mix = 1.0f;  // wet share

    // Limiter; when off the signal still passes its delay.
    bool limit = false;
    double limiterThreshold = 0.0;  // dB
    double limiterRelease = 100.0;  // ms
    double limiterGain = 1.0;       // normalisation after the limiter when make-up is on
    double ceiling = 1.0;           // linear

    // Output: the result times the output gain, or the key itself.
    bool monitorKey = false;
    double outputGain = 1.0;
};

}}  // namespace Corvane::CorGain
