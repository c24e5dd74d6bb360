#pragma once

#include <cstdint>
#include <vector>

namespace Tenvira { namespace Render {

/**
 * Level statistics of one stereo stream, fed block by block: overall peak and
 * RMS, and an envelope of short windows (peak and RMS per window, both
 * channels together) for plots and gain-reduction figures.
 */
class CLevelTrack {
public:
    /** `windowFrames` samples per envelope point (at least 1). */
    explicit CLevelTrack(int windowFrames);

    void add(const float* left, const float* right, int frames);
    /** Closes a partly filled last window. Further add() calls start a new one. */
    void finish();

    std::int64_t frames() const { return m_frames; }
    int windowFrames() const { return m_windowFrames; }
    /** Largest absolute sample value of either channel. */
    double peak() const { return m_peak; }
    /** Root mean square over both channels and all samples. */
    double rms() const;

    const std::vector<float>& windowPeaks() const { return m_windowPeaks; }
    const std::vector<float>& windowRms() const { return m_windowRms; }

    /** 20 log10(level); -infinity for 0. */
    static double toDecibels(double level);

    /**
     * The largest drop, in dB, from the input's window RMS to the output's over
     * the windows both tracks have, counting only windows where the input is
     * above `floorDb`. 0 when the output is never quieter.
     */
    static double largestGainReduction(const CLevelTrack& input, const CLevelTrack& output, double floorDb = -60.0);

private:
    int m_windowFrames;
    std::int64_t m_frames = 0;
    double m_peak = 0.0;
    double m_sumSquares = 0.0;

    int m_windowFill = 0;
    double m_windowPeak = 0.0;
    double m_windowSquares = 0.0;
    std::vector<float> m_windowPeaks;
    std::vector<float> m_windowRms;
};

}}  // namespace Tenvira::Render
