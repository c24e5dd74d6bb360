#pragma once

#include <vector>

namespace Tenvira { namespace Render {

/**
 * A short drum and bass passage made in code, for hearing and plotting the
 * effect without a file of one's own: four bars at 110 BPM (about 8.7 s) of
 * kick, snare, closed hats and a bass line, with accented hits whose peaks
 * come close to full scale while the body of the mix sits well below.
 * The same rate always gives the same samples.
 */
class CDemoSignal {
public:
    explicit CDemoSignal(int sampleRate);

    const std::vector<float>& left() const { return m_left; }
    const std::vector<float>& right() const { return m_right; }
    int sampleRate() const { return m_sampleRate; }

    static constexpr double TEMPO_BPM = 110.0;
    static constexpr int BARS = 4;
    /** Largest absolute sample value the passage reaches. */
    static constexpr double PEAK = 0.97;

private:
    void addKick(double start, double gain);
    void addSnare(double start, double gain);
    void addHat(double start, double gain, double pan);
    void addBass(double start, double length, double frequency, double gain);
    void normalise();
    float noise();

    int m_sampleRate;
    std::vector<float> m_left;
    std::vector<float> m_right;
    unsigned m_noiseState = 0x2545F491u;
};

}}  // namespace Tenvira::Render
