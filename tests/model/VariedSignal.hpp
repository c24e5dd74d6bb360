// A test signal that visits every part of the chain, for comparing two
// renderings of it: the main pair on channels 0 and 1, a key pair of its own
// on channels 2 and 3.
#pragma once

#include <cmath>
#include <cstddef>
#include <random>
#include <vector>

using Channels = std::vector<std::vector<float>>;

// A few seconds that visit every part of the chain: tones on both channels,
// noise bursts, silence long enough for the detectors to decay, a loud
// transient, a quiet passage, and a different key pair on inputs 3 and 4.
inline Channels variedSignal(float rate, float seconds)
{
    const size_t frames = static_cast<size_t>(rate * seconds);
    Channels in(4, std::vector<float>(frames, 0.0f));
    std::mt19937 random(1234);
    std::uniform_real_distribution<float> noise(-1.0f, 1.0f);
    const double twoPi = 6.283185307179586;
    for (size_t i = 0; i < frames; ++i) {
        const double t = static_cast<double>(i) / rate;
        const double phase = t / seconds;  // 0..1 through the passage
        double left = 0.0;
        double right = 0.0;
        if (phase < 0.25) {
            left = 0.6 * std::sin(twoPi * 220.0 * t) + 0.2 * std::sin(twoPi * 3100.0 * t);
            right = 0.5 * std::sin(twoPi * 330.0 * t);
        } else if (phase < 0.4) {
            const bool burst = std::fmod(t, 0.1) < 0.03;
            left = burst ? 0.9 * noise(random) : 0.05 * noise(random);
            right = burst ? 0.7 * noise(random) : 0.0;
        } else if (phase < 0.55) {
            // silence
        } else if (phase < 0.6) {
            const double since = t - 0.55 * seconds;
            left = 1.4 * std::exp(-since * 40.0) * std::sin(twoPi * 90.0 * t);  // beyond full scale
            right = -left;
        } else {
            left = 0.01 * std::sin(twoPi * 1000.0 * t);
            right = 0.3 * std::sin(twoPi * 60.0 * t) * std::sin(twoPi * 0.7 * t);
        }
        in[0][i] = static_cast<float>(left);
        in[1][i] = static_cast<float>(right);
        in[2][i] = static_cast<float>(0.8 * std::sin(twoPi * 55.0 * t) * (std::fmod(t, 0.5) < 0.1 ? 1.0 : 0.1));
        in[3][i] = 0.3f * noise(random);
    }
    return in;
}
