#include "CProgressBar.hpp"

#include <algorithm>

namespace Tenvira { namespace Render {

namespace {
constexpr int BAR_WIDTH = 40;
}

CProgressBar::CProgressBar(std::FILE* stream, std::int64_t totalFrames, double sampleRate, bool enabled)
    : m_stream(stream),
      m_total(std::max<std::int64_t>(totalFrames, 1)),
      m_sampleRate(sampleRate),
      m_enabled(enabled && stream != nullptr)
{}

void CProgressBar::update(std::int64_t doneFrames)
{
    if (!m_enabled || m_finished)
        return;
    const int percent = static_cast<int>(std::min<std::int64_t>(doneFrames, m_total) * 100 / m_total);
    if (percent != m_lastPercent)
        draw(doneFrames);
}

void CProgressBar::draw(std::int64_t doneFrames)
{
    const std::int64_t done = std::min<std::int64_t>(std::max<std::int64_t>(doneFrames, 0), m_total);
    m_lastPercent = static_cast<int>(done * 100 / m_total);
    const int filled = static_cast<int>(done * BAR_WIDTH / m_total);
    char bar[BAR_WIDTH + 1];
    for (int i = 0; i < BAR_WIDTH; ++i)
        bar[i] = i < filled ? '#' : '-';
    bar[BAR_WIDTH] = '\0';
    std::fprintf(m_stream, "\r[%s] %3d%%  %7.1f s / %.1f s", bar, m_lastPercent,
                 static_cast<double>(done) / m_sampleRate, static_cast<double>(m_total) / m_sampleRate);
    std::fflush(m_stream);
}

void CProgressBar::finish(bool complete)
{
    if (!m_enabled || m_finished)
        return;
    if (complete)
        draw(m_total);
    std::fputc('\n', m_stream);
    std::fflush(m_stream);
    m_finished = true;
}

}}  // namespace Tenvira::Render
