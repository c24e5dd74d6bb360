#pragma once

#include "CArtworkLayout.hpp"

#include <cairo.h>

#include <string>

namespace Corvane::CorGain::Artwork {

// Composes what the editor shows from the pictures in a resource folder: the panel, every
// knob at one value, buttons on and off, value texts at the label positions and a lit meter.
class CPreviewComposer {
public:
    CPreviewComposer(std::string resourceFolder, double value);
    ~CPreviewComposer();
    CPreviewComposer(const CPreviewComposer&) = delete;
    CPreviewComposer& operator=(const CPreviewComposer&) = delete;

    // Writes the composed editor to `outputPath`; answers false with the reason in `error`
    // when a picture cannot be read or the file cannot be written.
    bool compose(const std::string& outputPath, std::string& error);

    // The strip frame an image-strip knob shows for a value.
    static int knobFrame(double value);
    // How many of the meter's segments a level lights.
    static int litSegments(double level);
    // Which switch buttons the preview shows lit.
    static bool isLit(const SControlPlacement& control);

private:
    bool load(const char* fileName, cairo_surface_t*& image, std::string& error);
    void drawControl(cairo_t* cr, const SControlPlacement& control);
    void drawLabel(cairo_t* cr, const SControlPlacement& control);
    void drawMeter(cairo_t* cr);
    void releaseImages();

    std::string m_folder;
    double m_value;
    cairo_surface_t* m_background = nullptr;
    cairo_surface_t* m_knob = nullptr;
    cairo_surface_t* m_buttonUp = nullptr;
    cairo_surface_t* m_buttonDown = nullptr;
    cairo_surface_t* m_info = nullptr;
};

}  // namespace Corvane::CorGain::Artwork
