#include "CLevelTrack.hpp"

#include <algorithm>
#include <cmath>
#include <limits>

namespace Tenvira { namespace Render {

CLevelTrack::CLevelTrack(int windowFrames) : m_windowFrames(std::max(1, windowFrames)) {}

void CLevelTrack::add(const float* left, const float* right, int frames)
{
    for (int i = 0; i < frames; ++i) {
        const double l = left[i];
        const double r = right[i];
        const double magnitude = std::max(std::fabs(l), std::fabs(r));
        const double squares = l * l + r * r;
        m_peak = std::max(m_peak, magnitude);
        m_sumSquares += squares;
        m_windowPeak = std::max(m_windowPeak, magnitude);
        m_windowSquares += squares;
        if (++m_windowFill == m_windowFrames)
            finish();
    }
    m_frames += frames > 0 ? frames : 0;
}

void CLevelTrack::finish()
{
    if (m_windowFill == 0)
        return;
    m_windowPeaks.push_back(static_cast<float>(m_windowPeak));
    m_windowRms.push_back(static_cast<float>(std::sqrt(m_windowSquares / (2.0 * m_windowFill))));
    m_windowFill = 0;
    m_windowPeak = 0.0;
    m_windowSquares = 0.0;
}

double CLevelTrack::rms() const
{
    return m_frames > 0 ? std::sqrt(m_sumSquares / (2.0 * static_cast<double>(m_frames))) : 0.0;
}

double CLevelTrack::toDecibels(double level)
{
    return level > 0.0 ? 20.0 * std::log10(level) : -std::numeric_limits<double>::infinity();
}

double CLevelTrack::largestGainReduction(const CLevelTrack& input, const CLevelTrack& output, double floorDb)
{
    const std::size_t count = std::min(input.m_windowRms.size(), output.m_windowRms.size());
    double largest = 0.0;
    for (std::size_t i = 0; i < count; ++i) {
        const double in = toDecibels(input.m_windowRms[i]);
        if (!(in > floorDb))
            continue;
        const double out = toDecibels(output.m_windowRms[i]);
        // A silent output window under a live input counts as the full drop to the floor.
        const double drop = in - std::max(out, floorDb - 60.0);
        largest = std::max(largest, drop);
    }
    return largest;
}

}}  // namespace Tenvira::Render
