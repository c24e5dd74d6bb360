#pragma once

#include "CArtworkLayout.hpp"

#include "collections/TAutomaticPointer.hpp"
#include "gui/fonts/CFont.hpp"
#include "gui/graphics/CGraphics.hpp"
#include "gui/graphics/IImage.hpp"

#include <string>

namespace Corvane::CorGain::Artwork {

// Composes what the editor shows from the pictures in a resource folder: the panel, every
// knob at one value, buttons on and off, value texts at the label positions and a lit meter.
// It draws the way the editor's controls do, through the same graphics calls.
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
    using CGraphics = Corvane::GUI::Graphics::CGraphics;
    using Image = Corvane::Collections::TAutomaticPointer<Corvane::GUI::Graphics::IImage>;

    bool load(const char* fileName, Image& image, std::string& error);
    void drawControl(CGraphics& graphics, const SControlPlacement& control);
    void drawLabel(CGraphics& graphics, const SControlPlacement& control);
    void drawMeter(CGraphics& graphics);

    std::string m_folder;
    double m_value;
    // The editor's labels and button texts: Arial 12.
    Corvane::GUI::Fonts::CFont m_font;
    Image m_background;
    Image m_knob;
    Image m_buttonUp;
    Image m_buttonDown;
    Image m_info;
};

}  // namespace Corvane::CorGain::Artwork
