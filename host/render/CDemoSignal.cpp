#include "CDemoSignal.hpp"

#include <algorithm>
#include <cmath>

namespace Tenvira { namespace Render {

namespace {

const double TWO_PI = 6.283185307179586;

// Bass line over one bar of sixteenths: semitones above E1, -1 a rest.
const int BASS_PATTERN[16] = {0, 0, 12, 0, -1, 0, 3, 3, 5, 5, -1, 7, 7, 3, 0, 10};
const double E1 = 41.2034;

}  // namespace

CDemoSignal::CDemoSignal(int sampleRate) : m_sampleRate(std::max(sampleRate, 8000))
{
    const double beat = 60.0 / TEMPO_BPM;
    const double sixteenth = beat / 4.0;
    const double length = BARS * 4 * beat + 0.5;  // room for the last decay
    const auto frames = static_cast<std::size_t>(length * m_sampleRate);
    m_left.assign(frames, 0.0f);
    m_right.assign(frames, 0.0f);

    for (int bar = 0; bar < BARS; ++bar) {
        const double barStart = bar * 4 * beat;
        // Kicks on 1 and 3 with a pushed one before 3; the downbeat of each bar is accented.
        addKick(barStart, bar % 2 == 0 ? 1.0 : 0.8);
        addKick(barStart + 1.75 * beat, 0.55);
        addKick(barStart + 2.0 * beat, 0.75);
        // Snares on 2 and 4; the last one of the passage is a loud fill hit.
        addSnare(barStart + beat, 0.5);
        addSnare(barStart + 3.0 * beat, bar == BARS - 1 ? 1.0 : 0.55);
        for (int step = 0; step < 16; ++step) {
            addHat(barStart + step * sixteenth, step % 4 == 2 ? 0.22 : 0.12, step % 2 == 0 ? -0.4 : 0.4);
            const int note = BASS_PATTERN[step];
            if (note >= 0)
                addBass(barStart + step * sixteenth, sixteenth * 0.95, E1 * std::pow(2.0, note / 12.0), 0.32);
        }
    }
    normalise();
}

float CDemoSignal::noise()
{
    // xorshift32: cheap, repeatable white noise in -1..1.
    m_noiseState ^= m_noiseState << 13;
    m_noiseState ^= m_noiseState >> 17;
    m_noiseState ^= m_noiseState << 5;
    return static_cast<float>(m_noiseState) / 2147483648.0f - 1.0f;
}

void CDemoSignal::addKick(double start, double gain)
{
    const auto first = static_cast<std::size_t>(start * m_sampleRate);
    const auto length = static_cast<std::size_t>(0.45 * m_sampleRate);
    double phase = 0.0;
    for (std::size_t i = 0; i < length && first + i < m_left.size(); ++i) {
        const double t = static_cast<double>(i) / m_sampleRate;
        const double frequency = 48.0 + 110.0 * std::exp(-t * 30.0);
        phase += TWO_PI * frequency / m_sampleRate;
        const double click = t < 0.004 ? (1.0 - t / 0.004) * 0.5 : 0.0;
        const double value = gain * (std::sin(phase) * std::exp(-t * 7.0) + click);
        m_left[first + i] += static_cast<float>(value);
        m_right[first + i] += static_cast<float>(value);
    }
}

void CDemoSignal::addSnare(double start, double gain)
{
    const auto first = static_cast<std::size_t>(start * m_sampleRate);
    const auto length = static_cast<std::size_t>(0.3 * m_sampleRate);
    for (std::size_t i = 0; i < length && first + i < m_left.size(); ++i) {
        const double t = static_cast<double>(i) / m_sampleRate;
        const double body = std::sin(TWO_PI * 185.0 * t) * std::exp(-t * 25.0);
        const double rattleL = noise() * std::exp(-t * 14.0);
        const double rattleR = noise() * std::exp(-t * 14.0);
        m_left[first + i] += static_cast<float>(gain * (0.6 * body + 0.7 * rattleL));
        m_right[first + i] += static_cast<float>(gain * (0.6 * body + 0.7 * rattleR));
    }
}

void CDemoSignal::addHat(double start, double gain, double pan)
{
    const auto first = static_cast<std::size_t>(start * m_sampleRate);
    const auto length = static_cast<std::size_t>(0.09 * m_sampleRate);
    double previous = 0.0;
    for (std::size_t i = 0; i < length && first + i < m_left.size(); ++i) {
        const double t = static_cast<double>(i) / m_sampleRate;
        const double white = noise();
        const double bright = white - previous;  // first difference: a crude high-pass
        previous = white;
        const double value = gain * 0.5 * bright * std::exp(-t * 40.0);
        m_left[first + i] += static_cast<float>(value * (1.0 - pan) * 0.5 * 1.4);
        m_right[first + i] += static_cast<float>(value * (1.0 + pan) * 0.5 * 1.4);
    }
}

void CDemoSignal::addBass(double start, double length, double frequency, double gain)
{
    const auto first = static_cast<std::size_t>(start * m_sampleRate);
    const auto count = static_cast<std::size_t>(length * m_sampleRate);
    const double fade = 0.005 * m_sampleRate;
    double lowPassed = 0.0;
    const double smoothing = 1.0 - std::exp(-TWO_PI * 400.0 / m_sampleRate);
    for (std::size_t i = 0; i < count && first + i < m_left.size(); ++i) {
        const double t = static_cast<double>(i) / m_sampleRate;
        const double saw = 2.0 * (t * frequency - std::floor(t * frequency + 0.5));
        lowPassed += smoothing * (saw - lowPassed);
        const double edge = std::min({1.0, static_cast<double>(i) / fade, static_cast<double>(count - i) / fade});
        const double value = gain * edge * (0.7 * lowPassed + 0.5 * std::sin(TWO_PI * frequency * t));
        m_left[first + i] += static_cast<float>(value);
        m_right[first + i] += static_cast<float>(value);
    }
}

void CDemoSignal::normalise()
{
    float peak = 0.0f;
    for (std::size_t i = 0; i < m_left.size(); ++i)
        peak = std::max({peak, std::fabs(m_left[i]), std::fabs(m_right[i])});
    if (peak <= 0.0f)
        return;
    const auto scale = static_cast<float>(PEAK / peak);
    for (std::size_t i = 0; i < m_left.size(); ++i) {
        m_left[i] *= scale;
        m_right[i] *= scale;
    }
}

}}  // namespace Tenvira::Render
