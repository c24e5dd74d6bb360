#pragma once

#include "CLevelTrack.hpp"

#include <string>

typedef struct _cairo_surface cairo_surface_t;

namespace Tenvira { namespace Render {

/**
 * Draws a PNG of a render: input and output level over time (10 ms RMS as
 * lines, peaks as a light band) and, below, the gain change (output RMS minus
 * input RMS, latency-compensated) in dB, with axes, labels and legend.
 */
class CLevelPlot {
public:
    CLevelPlot(const CLevelTrack& input, const CLevelTrack& alignedOutput, int sampleRate);

    void setTitle(const std::string& title) { m_title = title; }

    /** Writes the picture (through a temporary file, renamed on success).
     *  Raises CRenderError on failure. */
    void write(const std::string& path, int width = 1200, int height = 720) const;

    /** Lowest level shown, dBFS. */
    static constexpr double FLOOR_DB = -72.0;

private:
    void draw(const std::string& path, int width, int height) const;
    static void writePng(cairo_surface_t* surface, const std::string& path);

    const CLevelTrack& m_input;
    const CLevelTrack& m_output;
    int m_sampleRate;
    std::string m_title;
};

}}  // namespace Tenvira::Render
