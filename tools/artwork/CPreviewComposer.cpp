#include "CPreviewComposer.hpp"

#include "CArtworkPalette.hpp"
#include "CPreviewValueText.hpp"

#include "gui/graphics/CPNGImage.hpp"
#include "gui/graphics/CRGBAImage.hpp"

#include <algorithm>
#include <cmath>
#include <utility>

namespace Corvane::CorGain::Artwork {

namespace {

using L = CArtworkLayout;
using Corvane::MathTools::CRect;

CRect rectangle(const SRectangle& area)
{
    return CRect(area.left, area.top, area.width, area.height);
}

}  // namespace

CPreviewComposer::CPreviewComposer(std::string resourceFolder, double value)
    : m_folder(std::move(resourceFolder)),
      m_value(std::clamp(value, 0.0, 1.0)),
      m_font(L::CARTWORKLAYOUT_LABEL_FONT, static_cast<unsigned long>(L::CARTWORKLAYOUT_LABEL_FONT_SIZE), false, false)
{}

CPreviewComposer::~CPreviewComposer() = default;

int CPreviewComposer::knobFrame(double value)
{
    const int frames = L::CARTWORKLAYOUT_KNOB_FRAMES;
    int frame = static_cast<int>(value * (frames - 1));
    if (frame < 0) {
        frame += frames;
    }
    if (frame >= frames) {
        frame -= frames;
    }
    return frame;
}

int CPreviewComposer::litSegments(double level)
{
    const double clamped = std::clamp(level, 0.0, 1.0);
    return static_cast<int>(std::ceil(L::CARTWORKLAYOUT_METER_SEGMENTS * clamped));
}

bool CPreviewComposer::isLit(const SControlPlacement& control)
{
    // Make-up gain and the limiter lit, the others up: both button states side by side.
    return control.kind == EControlKind::LatchingButton && (control.id == 11 || control.id == 16);
}

bool CPreviewComposer::load(const char* fileName, Image& image, std::string& error)
{
    image = Corvane::GUI::Graphics::CPNGImage::getNewInstance(m_folder.c_str(), fileName);
    if (!image->hasImageLoaded()) {
        error = m_folder + "/" + fileName + ": cannot be read as PNG";
        return false;
    }
    return true;
}

bool CPreviewComposer::compose(const std::string& outputPath, std::string& error)
{
    if (!load("Background.png", m_background, error) || !load("knob.png", m_knob, error) ||
        !load("buttonUp.png", m_buttonUp, error) || !load("buttonDown.png", m_buttonDown, error) ||
        !load("infopro.png", m_info, error)) {
        return false;
    }

    Corvane::Collections::TAutomaticPointer<Corvane::GUI::Graphics::CRGBAImage> editor;
    editor =
        new Corvane::GUI::Graphics::CRGBAImage(L::CARTWORKLAYOUT_PANEL_WIDTH, L::CARTWORKLAYOUT_PANEL_HEIGHT, false);
    CGraphics graphics;
    editor->initialiseGraphics(graphics);
    // The editor fills with its black window colour, then draws the panel 1:1 from its corner.
    const CRect whole(0, 0, L::CARTWORKLAYOUT_PANEL_WIDTH, L::CARTWORKLAYOUT_PANEL_HEIGHT);
    graphics.getMutableBrush().setColour(CArtworkPalette::CARTWORKPALETTE_BLACK);
    graphics.fillRectangle(whole);
    graphics.drawImage(m_background.getPointer(), whole, whole);
    for (std::size_t i = 0; i < L::controlCount(); ++i) {
        const SControlPlacement& control = L::controls()[i];
        drawControl(graphics, control);
        drawLabel(graphics, control);
    }
    graphics.uninitialise();

    if (!editor->writeToPNG(outputPath.c_str())) {
        error = outputPath + ": cannot be written";
        return false;
    }
    return true;
}

void CPreviewComposer::drawControl(CGraphics& graphics, const SControlPlacement& control)
{
    const CRect area = rectangle(L::controlArea(control));
    switch (control.kind) {
    case EControlKind::Knob: {
        const long width = m_knob->getImageSize().getWidth();
        const long frameHeight = m_knob->getImageSize().getHeight() / L::CARTWORKLAYOUT_KNOB_FRAMES;
        graphics.drawImage(m_knob.getPointer(), CRect(area.getLeft(), area.getTop(), width, frameHeight),
                           CRect(0, knobFrame(m_value) * frameHeight, width, frameHeight));
        break;
    }
    case EControlKind::LatchingButton:
    case EControlKind::PopupButton: {
        Image& picture = isLit(control) ? m_buttonDown : m_buttonUp;
        graphics.drawImage(picture.getPointer(), CRect(area.getOrigin(), picture->getImageSize()),
                           picture->getNormalisedImageSize());
        break;
    }
    case EControlKind::InfoButton: {
        const CRect button(area.getOrigin(), m_info->getImageSize());
        graphics.drawImage(m_info.getPointer(), button, m_info->getNormalisedImageSize());
        graphics.setTextColour(CArtworkPalette::CARTWORKPALETTE_BLACK);
        graphics.drawText("info", button, &m_font, CGraphics::CGRAPHICS_TEXT_CENTRED);
        break;
    }
    case EControlKind::Meter:
        drawMeter(graphics);
        break;
    }
}

void CPreviewComposer::drawLabel(CGraphics& graphics, const SControlPlacement& control)
{
    if (!control.hasLabel) {
        return;
    }
    // As a label control draws: clipped to its own rectangle, the text one pixel in from its left and top edges.
    const CRect label = rectangle(L::labelArea(control));
    const std::string text = CPreviewValueText::text(control.id, m_value, isLit(control));
    graphics.getClippingRegion().setCurrentClipRegion(label);
    graphics.setTextColour(CArtworkPalette::CARTWORKPALETTE_BLACK);
    graphics.drawText(text.c_str(), CRect(label.getLeft() + 1, label.getTop() + 1, label.getWidth(), label.getHeight()),
                      &m_font, CGraphics::CGRAPHICS_TEXT_LEFT);
    graphics.getClippingRegion().clearClipRegion();
}

void CPreviewComposer::drawMeter(CGraphics& graphics)
{
    graphics.getMutableBrush().setColour(CArtworkPalette::CARTWORKPALETTE_ACCENT);
    const int lit = litSegments(m_value);
    for (int index = 0; index < lit; ++index) {
        graphics.fillRectangle(rectangle(L::meterSegment(index)));
    }
}

}  // namespace Corvane::CorGain::Artwork
