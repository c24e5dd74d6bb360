#pragma once

#include <cstdint>
#include <cstdio>

namespace Tenvira { namespace Render {

/** A one-line progress bar redrawn in place with carriage returns. */
class CProgressBar {
public:
    /** Draws nothing when `enabled` is false. */
    CProgressBar(std::FILE* stream, std::int64_t totalFrames, double sampleRate, bool enabled);

    void update(std::int64_t doneFrames);
    /** Ends the line, drawn full when `complete`; idempotent. */
    void finish(bool complete = true);

    bool enabled() const { return m_enabled; }

    /** Only files at least this long get a bar. */
    static constexpr double MIN_SECONDS = 20.0;

private:
    void draw(std::int64_t doneFrames);

    std::FILE* m_stream;
    std::int64_t m_total;
    double m_sampleRate;
    bool m_enabled;
    int m_lastPercent = -1;
    bool m_finished = false;
};

}}  // namespace Tenvira::Render
