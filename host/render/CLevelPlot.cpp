#include "CLevelPlot.hpp"

#include "CFileSystem.hpp"
#include "CRenderError.hpp"

#include <cairo.h>

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <limits>
#include <memory>
#include <vector>

namespace Tenvira { namespace Render {

namespace {

struct SColour {
    double r, g, b;
};

const double HALF_PI = 1.5707963267948966;

const SColour INPUT_COLOUR{0.20, 0.45, 0.85};
const SColour OUTPUT_COLOUR{0.90, 0.45, 0.10};
const SColour REDUCTION_COLOUR{0.80, 0.15, 0.20};
const SColour GRID_COLOUR{0.85, 0.85, 0.85};
const SColour TEXT_COLOUR{0.15, 0.15, 0.15};

struct SArea {
    double left, top, width, height;
};

// One value per pixel column: the loudest window (or the deepest reduction) in it.
struct SColumns {
    std::vector<double> inputRms, inputPeak, outputRms, outputPeak, change;
};

double clampDb(double db, double floorDb)
{
    return std::isfinite(db) ? std::max(db, floorDb) : floorDb;
}

SColumns reduce(const CLevelTrack& input, const CLevelTrack& output, int columns)
{
    const std::size_t windows = std::min(input.windowRms().size(), output.windowRms().size());
    SColumns result;
    const double floorDb = CLevelPlot::FLOOR_DB;
    result.inputRms.assign(static_cast<std::size_t>(columns), floorDb);
    result.inputPeak = result.outputRms = result.outputPeak = result.inputRms;
    result.change.assign(static_cast<std::size_t>(columns), std::numeric_limits<double>::quiet_NaN());
    if (windows == 0)
        return result;
    // Each column covers at least one window, so short renders draw without gaps.
    for (std::size_t c = 0; c < static_cast<std::size_t>(columns); ++c) {
        const std::size_t first = c * windows / static_cast<std::size_t>(columns);
        const std::size_t last = std::max(first + 1, (c + 1) * windows / static_cast<std::size_t>(columns));
        double changeSum = 0.0;
        int changeCount = 0;
        for (std::size_t w = first; w < last && w < windows; ++w) {
            const double inRms = clampDb(CLevelTrack::toDecibels(input.windowRms()[w]), floorDb);
            const double outRms = clampDb(CLevelTrack::toDecibels(output.windowRms()[w]), floorDb);
            result.inputRms[c] = std::max(result.inputRms[c], inRms);
            result.outputRms[c] = std::max(result.outputRms[c], outRms);
            result.inputPeak[c] =
                std::max(result.inputPeak[c], clampDb(CLevelTrack::toDecibels(input.windowPeaks()[w]), floorDb));
            result.outputPeak[c] =
                std::max(result.outputPeak[c], clampDb(CLevelTrack::toDecibels(output.windowPeaks()[w]), floorDb));
            // The gain change only means something where the input is audible.
            if (inRms > floorDb + 12.0) {
                changeSum += outRms - inRms;
                ++changeCount;
            }
        }
        if (changeCount > 0)
            result.change[c] = changeSum / changeCount;
    }
    return result;
}

void setColour(cairo_t* cr, const SColour& colour, double alpha = 1.0)
{
    cairo_set_source_rgba(cr, colour.r, colour.g, colour.b, alpha);
}

void text(cairo_t* cr, double x, double y, const std::string& value, double alignX = 0.0)
{
    cairo_text_extents_t extents;
    cairo_text_extents(cr, value.c_str(), &extents);
    cairo_move_to(cr, x - alignX * extents.x_advance, y);
    cairo_show_text(cr, value.c_str());
}

std::string format(const char* pattern, double value)
{
    char buffer[64];
    std::snprintf(buffer, sizeof(buffer), pattern, value);
    return buffer;
}

double yFor(const SArea& area, double db, double topDb, double bottomDb)
{
    const double t = (topDb - std::min(topDb, std::max(bottomDb, db))) / (topDb - bottomDb);
    return area.top + t * area.height;
}

void drawAxes(cairo_t* cr, const SArea& area, double topDb, double bottomDb, double stepDb, double seconds,
              const std::string& yLabel)
{
    cairo_set_line_width(cr, 1.0);
    cairo_set_font_size(cr, 11.0);
    for (double db = topDb; db >= bottomDb - 1e-9; db -= stepDb) {
        const double y = std::round(yFor(area, db, topDb, bottomDb)) + 0.5;
        setColour(cr, GRID_COLOUR);
        cairo_move_to(cr, area.left, y);
        cairo_line_to(cr, area.left + area.width, y);
        cairo_stroke(cr);
        setColour(cr, TEXT_COLOUR);
        text(cr, area.left - 6.0, y + 4.0, format("%.0f", db), 1.0);
    }
    const double step = seconds > 120.0 ? 30.0 : seconds > 30.0 ? 5.0 : seconds > 8.0 ? 1.0 : 0.5;
    for (double t = 0.0; seconds > 0.0 && t <= seconds + 1e-9; t += step) {
        const double x = std::round(area.left + t / seconds * area.width) + 0.5;
        setColour(cr, GRID_COLOUR);
        cairo_move_to(cr, x, area.top);
        cairo_line_to(cr, x, area.top + area.height);
        cairo_stroke(cr);
        setColour(cr, TEXT_COLOUR);
        text(cr, x, area.top + area.height + 15.0, format(step < 1.0 ? "%.1f" : "%.0f", t), 0.5);
    }
    setColour(cr, TEXT_COLOUR);
    cairo_rectangle(cr, area.left + 0.5, area.top + 0.5, area.width, area.height);
    cairo_stroke(cr);

    cairo_save(cr);
    cairo_move_to(cr, area.left - 40.0, area.top + area.height / 2.0);
    cairo_rotate(cr, -HALF_PI);
    cairo_text_extents_t extents;
    cairo_text_extents(cr, yLabel.c_str(), &extents);
    cairo_rel_move_to(cr, -extents.x_advance / 2.0, 0.0);
    cairo_show_text(cr, yLabel.c_str());
    cairo_restore(cr);
}

// A line through the columns; columns without a value (NaN) break it.
void drawSeries(cairo_t* cr, const SArea& area, const std::vector<double>& values, double topDb, double bottomDb)
{
    const std::size_t count = values.size();
    bool drawing = false;
    for (std::size_t c = 0; c < count; ++c) {
        if (std::isnan(values[c])) {
            drawing = false;
            continue;
        }
        const double x = area.left + (static_cast<double>(c) + 0.5) * area.width / static_cast<double>(count);
        const double y = yFor(area, values[c], topDb, bottomDb);
        if (drawing) {
            cairo_line_to(cr, x, y);
        } else {
            cairo_move_to(cr, x, y);
            cairo_line_to(cr, x + 0.5, y);
            drawing = true;
        }
    }
    cairo_stroke(cr);
}

// A scale for the gain change: whole steps, 0 dB always on it, at least 6 dB below.
void changeScale(const std::vector<double>& values, double& top, double& bottom, double& step)
{
    double low = 0.0;
    double high = 0.0;
    for (double value : values) {
        if (!std::isnan(value)) {
            low = std::min(low, value);
            high = std::max(high, value);
        }
    }
    const double span = std::ceil(high) - std::min(-6.0, std::floor(low));
    step = span <= 8.0 ? 1.0 : span <= 16.0 ? 2.0 : span <= 36.0 ? 6.0 : 12.0;
    top = std::ceil(high / step) * step;
    bottom = std::min(-6.0, std::floor(low / step) * step);
}

// Shades each column between its RMS level and its peak level.
void drawBand(cairo_t* cr, const SArea& area, const std::vector<double>& peaks, const std::vector<double>& rms,
              double topDb, double bottomDb)
{
    const std::size_t count = std::min(peaks.size(), rms.size());
    if (count == 0)
        return;
    const double columnWidth = area.width / static_cast<double>(count);
    for (std::size_t c = 0; c < count; ++c) {
        const double upper = yFor(area, peaks[c], topDb, bottomDb);
        const double lower = yFor(area, rms[c], topDb, bottomDb);
        if (lower > upper)
            cairo_rectangle(cr, area.left + static_cast<double>(c) * columnWidth, upper, columnWidth, lower - upper);
    }
    cairo_fill(cr);
}

void drawLegend(cairo_t* cr, double x, double y, const std::vector<std::pair<SColour, std::string>>& entries)
{
    cairo_set_font_size(cr, 12.0);
    for (const auto& entry : entries) {
        setColour(cr, entry.first);
        cairo_set_line_width(cr, 3.0);
        cairo_move_to(cr, x, y - 4.0);
        cairo_line_to(cr, x + 22.0, y - 4.0);
        cairo_stroke(cr);
        setColour(cr, TEXT_COLOUR);
        text(cr, x + 28.0, y, entry.second);
        cairo_text_extents_t extents;
        cairo_text_extents(cr, entry.second.c_str(), &extents);
        x += 28.0 + extents.x_advance + 24.0;
    }
}

struct SSurfaceDeleter {
    void operator()(cairo_surface_t* surface) const { cairo_surface_destroy(surface); }
};
struct SContextDeleter {
    void operator()(cairo_t* cr) const { cairo_destroy(cr); }
};

}  // namespace

CLevelPlot::CLevelPlot(const CLevelTrack& input, const CLevelTrack& alignedOutput, int sampleRate)
    : m_input(input),
      m_output(alignedOutput),
      m_sampleRate(sampleRate)
{}

void CLevelPlot::write(const std::string& path, int width, int height) const
{
    draw(path, width, height);
    // Drop Cairo's font caches (and the fontconfig patterns they hold): a
    // command-line tool draws one picture, and leak checkers stay quiet.
    cairo_debug_reset_static_data();
}

void CLevelPlot::draw(const std::string& path, int width, int height) const
{
    width = std::max(width, 400);
    height = std::max(height, 300);
    std::unique_ptr<cairo_surface_t, SSurfaceDeleter> surface(
        cairo_image_surface_create(CAIRO_FORMAT_RGB24, width, height));
    std::unique_ptr<cairo_t, SContextDeleter> context(cairo_create(surface.get()));
    cairo_t* cr = context.get();
    if (cairo_status(cr) != CAIRO_STATUS_SUCCESS)
        throw CRenderError("cannot draw the plot: " + std::string(cairo_status_to_string(cairo_status(cr))));

    cairo_set_source_rgb(cr, 1.0, 1.0, 1.0);
    cairo_paint(cr);
    cairo_select_font_face(cr, "sans-serif", CAIRO_FONT_SLANT_NORMAL, CAIRO_FONT_WEIGHT_NORMAL);

    const double left = 70.0;
    const double right = 20.0;
    const double plotWidth = width - left - right;
    const double gap = 60.0;
    const double top = 60.0;
    const double available = height - top - gap - 45.0;
    const SArea levels{left, top, plotWidth, std::floor(available * 0.62)};
    const SArea change{left, levels.top + levels.height + gap, plotWidth, available - levels.height};

    const double seconds = static_cast<double>(m_input.frames()) / std::max(1, m_sampleRate);
    const SColumns columns = reduce(m_input, m_output, std::max(1, static_cast<int>(plotWidth)));
    double changeTop = 0.0;
    double changeBottom = 0.0;
    double changeStep = 1.0;
    changeScale(columns.change, changeTop, changeBottom, changeStep);

    setColour(cr, TEXT_COLOUR);
    cairo_set_font_size(cr, 16.0);
    text(cr, left, 28.0, m_title.empty() ? "Tenvira render" : m_title);

    drawAxes(cr, levels, 0.0, FLOOR_DB, 12.0, seconds, "level (dBFS)");
    cairo_rectangle(cr, levels.left, levels.top, levels.width, levels.height);
    cairo_save(cr);
    cairo_clip(cr);
    setColour(cr, INPUT_COLOUR, 0.18);
    drawBand(cr, levels, columns.inputPeak, columns.inputRms, 0.0, FLOOR_DB);
    setColour(cr, OUTPUT_COLOUR, 0.25);
    drawBand(cr, levels, columns.outputPeak, columns.outputRms, 0.0, FLOOR_DB);
    // The input underneath and wider, so it still shows where the output follows it exactly.
    cairo_set_line_width(cr, 3.0);
    setColour(cr, INPUT_COLOUR);
    drawSeries(cr, levels, columns.inputRms, 0.0, FLOOR_DB);
    cairo_set_line_width(cr, 1.25);
    setColour(cr, OUTPUT_COLOUR);
    drawSeries(cr, levels, columns.outputRms, 0.0, FLOOR_DB);
    cairo_restore(cr);
    drawLegend(cr, left + 6.0, 50.0,
               {{INPUT_COLOUR, "input (line: 10 ms RMS; band up to peak)"},
                {OUTPUT_COLOUR, "output (line: 10 ms RMS; band up to peak)"}});

    drawAxes(cr, change, changeTop, changeBottom, changeStep, seconds, "gain (dB)");
    cairo_rectangle(cr, change.left, change.top, change.width, change.height);
    cairo_save(cr);
    cairo_clip(cr);
    cairo_set_line_width(cr, 1.5);
    setColour(cr, REDUCTION_COLOUR);
    drawSeries(cr, change, columns.change, changeTop, changeBottom);
    cairo_restore(cr);
    drawLegend(cr, left + 6.0, change.top - 8.0,
               {{REDUCTION_COLOUR, "gain change: output minus input level (latency-compensated)"}});
    setColour(cr, TEXT_COLOUR);
    cairo_set_font_size(cr, 11.0);
    text(cr, left + plotWidth, change.top + change.height + 32.0, "time (s)", 1.0);

    cairo_surface_flush(surface.get());
    writePng(surface.get(), path);
}

void CLevelPlot::writePng(cairo_surface_t* surface, const std::string& path)
{
    int descriptor = -1;
    const std::string temporary = CFileSystem::createTemporary(path, descriptor);
    CFileSystem::closeDescriptor(descriptor);
    const cairo_status_t status = cairo_surface_write_to_png(surface, temporary.c_str());
    if (status != CAIRO_STATUS_SUCCESS) {
        CFileSystem::removeFile(temporary);
        throw CRenderError("cannot write the plot \"" + path + "\": " + cairo_status_to_string(status));
    }
    try {
        CFileSystem::replace(temporary, path);
    } catch (...) {
        CFileSystem::removeFile(temporary);
        throw;
    }
}

}}  // namespace Tenvira::Render
