// Tenvira's signal chain for one stereo stream: key selection, valve, key
// equaliser and mid/side, compressor, make-up and mix, limiter, output or
// key monitoring, and the block's peak level. Driven by a settings record;
// knows nothing of the plug-in interface.
#pragma once

#include "CCompressorSC.hpp"
#include "CEQ.hpp"
#include "CLimiter.hpp"
#include "CValveModel.hpp"
#include "DspMath.hpp"
#include "SChainSettings.hpp"

namespace Corvane { namespace CorGain {

class CCorGainChain {
public:
    // Inputs: the main pair, then the key pair. Outputs: one pair.
    static constexpr int CCORGAINCHAIN_INPUTS = 4;
    static constexpr int CCORGAINCHAIN_OUTPUTS = 2;
    // Corners of the key equaliser's bands, Hz.
    static constexpr int CCORGAINCHAIN_EQ_LOW_CORNER = 800;
    static constexpr int CCORGAINCHAIN_EQ_HIGH_CORNER = 5000;
    // The limiter's attack, ms: also its look-ahead, the chain's delay.
    static constexpr double CCORGAINCHAIN_LIMITER_ATTACK = 1.0;
    // Rates at or below the lowest (and rates that are no number) run as the default rate.
    static constexpr double CCORGAINCHAIN_LOWEST_RATE = 11025.0;
    static constexpr double CCORGAINCHAIN_DEFAULT_RATE = 44100.0;
    // Input samples larger than this in magnitude (+120 dBFS) are corrupt and
    // read as silence, like NaN and infinity: they cannot drive the detectors
    // (and mute the stream for seconds) or overflow the output.
    static constexpr float CCORGAINCHAIN_LOUDEST_PLAUSIBLE_SAMPLE = 1e6f;
    // Frames the stages work on at a time, each stage over all of them before the next.
    static constexpr int CCORGAINCHAIN_CHUNK_FRAMES = DSP_BLOCK_FRAMES;

    // The valve curve a x - b x |x|, scaled.
    struct SValveCurve {
        double a;
        double b;
        double scale;
    };
    static constexpr SValveCurve CCORGAINCHAIN_SOFT_VALVE = {2.0, 1.0, 0.699999988079071};
    static constexpr SValveCurve CCORGAINCHAIN_DIRTY_VALVE = {4.0, 4.0, 0.4000000059604645};

    // Prepared for the default rate with the settings record's defaults.
    CCorGainChain();

    // Sets the rate and empties the limiter's delay; the equalisers and the
    // compressor's mean square keep their state. Allocates and prints: not
    // for the audio thread.
    void prepare(double sampleRate);
    double getSampleRate() const { return m_sampleRate; }
    // The delay from input to output, samples.
    int getLatency() const { return m_limiter.getLatency(); }

    // Takes effect from the next processed sample. No allocation.
    void apply(const SChainSettings& settings);
    const SChainSettings& getSettings() const { return m_settings; }

    // Overwrites frames samples of both outputs. A null input channel reads
    // as silence (the key pair is read only with an external key), a null
    // output channel is not written.
    void process(const float* const* inputs, float* const* outputs, int frames);
    // The largest output level of the last processed block.
    float getBlockPeak() const { return m_blockPeak; }

private:
    DSP_TARGET_CLONES void processChunk(const float* const* inputs, float* const* outputs, int frames);

    // The signals of one chunk between the stages.
    struct SChunk {
        // The host's samples of the main and key pair on the way in, the output pair on the way out.
        alignas(32) float host[4][CCORGAINCHAIN_CHUNK_FRAMES];
        alignas(32) double audioL[CCORGAINCHAIN_CHUNK_FRAMES];
        alignas(32) double audioR[CCORGAINCHAIN_CHUNK_FRAMES];
        alignas(32) double keyL[CCORGAINCHAIN_CHUNK_FRAMES];
        alignas(32) double keyR[CCORGAINCHAIN_CHUNK_FRAMES];
        alignas(32) double dryL[CCORGAINCHAIN_CHUNK_FRAMES];
        alignas(32) double dryR[CCORGAINCHAIN_CHUNK_FRAMES];
    };

    SChainSettings m_settings;
    double m_sampleRate;
    CEQ m_leftEQ;
    CEQ m_rightEQ;
    CValveModel m_valve;
    CCompressorSC m_compressor;
    CLimiter m_limiter;
    float m_blockPeak;
    SChunk m_chunk;
    // Where the output of a missing channel goes.
    float m_discardedOutput[CCORGAINCHAIN_CHUNK_FRAMES];
};

}}  // namespace Corvane::CorGain
