#include "CPreviewComposer.hpp"

#include "CArtworkPalette.hpp"
#include "CPainter.hpp"
#include "CPreviewValueText.hpp"

#include <algorithm>
#include <cmath>
#include <utility>

namespace Corvane::CorGain::Artwork {

namespace {

using L = CArtworkLayout;

void paintImage(cairo_t* cr, cairo_surface_t* image, double left, double top)
{
    cairo_set_source_surface(cr, image, left, top);
    cairo_paint(cr);
}

}  // namespace

CPreviewComposer::CPreviewComposer(std::string resourceFolder, double value)
    : m_folder(std::move(resourceFolder)),
      m_value(std::clamp(value, 0.0, 1.0))
{}

CPreviewComposer::~CPreviewComposer()
{
    releaseImages();
}

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

bool CPreviewComposer::load(const char* fileName, cairo_surface_t*& image, std::string& error)
{
    const std::string path = m_folder + "/" + fileName;
    image = cairo_image_surface_create_from_png(path.c_str());
    const cairo_status_t status = cairo_surface_status(image);
    if (status != CAIRO_STATUS_SUCCESS) {
        error = path + ": " + cairo_status_to_string(status);
        return false;
    }
    return true;
}

void CPreviewComposer::releaseImages()
{
    for (cairo_surface_t** image : {&m_background, &m_knob, &m_buttonUp, &m_buttonDown, &m_info}) {
        if (*image != nullptr) {
            cairo_surface_destroy(*image);
            *image = nullptr;
        }
    }
}

bool CPreviewComposer::compose(const std::string& outputPath, std::string& error)
{
    releaseImages();
    if (!load("Background.png", m_background, error) || !load("knob.png", m_knob, error) ||
        !load("buttonUp.png", m_buttonUp, error) || !load("buttonDown.png", m_buttonDown, error) ||
        !load("infopro.png", m_info, error)) {
        return false;
    }

    cairo_surface_t* editor =
        cairo_image_surface_create(CAIRO_FORMAT_RGB24, L::CARTWORKLAYOUT_PANEL_WIDTH, L::CARTWORKLAYOUT_PANEL_HEIGHT);
    cairo_t* cr = cairo_create(editor);
    // The editor fills with its black window colour, then draws the panel 1:1 from its corner.
    cairo_set_source_rgb(cr, 0.0, 0.0, 0.0);
    cairo_paint(cr);
    paintImage(cr, m_background, 0.0, 0.0);
    for (std::size_t i = 0; i < L::controlCount(); ++i) {
        const SControlPlacement& control = L::controls()[i];
        drawControl(cr, control);
        drawLabel(cr, control);
    }
    cairo_destroy(cr);

    const cairo_status_t status = cairo_surface_write_to_png(editor, outputPath.c_str());
    cairo_surface_destroy(editor);
    if (status != CAIRO_STATUS_SUCCESS) {
        error = outputPath + ": " + cairo_status_to_string(status);
        return false;
    }
    return true;
}

void CPreviewComposer::drawControl(cairo_t* cr, const SControlPlacement& control)
{
    const SRectangle area = L::controlArea(control);
    switch (control.kind) {
    case EControlKind::Knob: {
        const int frameHeight = cairo_image_surface_get_height(m_knob) / L::CARTWORKLAYOUT_KNOB_FRAMES;
        cairo_save(cr);
        cairo_rectangle(cr, area.left, area.top, cairo_image_surface_get_width(m_knob), frameHeight);
        cairo_clip(cr);
        paintImage(cr, m_knob, area.left, area.top - static_cast<double>(knobFrame(m_value) * frameHeight));
        cairo_restore(cr);
        break;
    }
    case EControlKind::LatchingButton:
    case EControlKind::PopupButton:
        paintImage(cr, isLit(control) ? m_buttonDown : m_buttonUp, area.left, area.top);
        break;
    case EControlKind::InfoButton: {
        paintImage(cr, m_info, area.left, area.top);
        CPainter painter(cr);
        painter.setFont(L::CARTWORKLAYOUT_LABEL_FONT, L::CARTWORKLAYOUT_LABEL_FONT_SIZE, false);
        painter.drawTextInBox("info", area.left, area.top, cairo_image_surface_get_width(m_info),
                              cairo_image_surface_get_height(m_info), CPainter::EAlign::Centre,
                              CArtworkPalette::CARTWORKPALETTE_BLACK);
        break;
    }
    case EControlKind::Meter:
        drawMeter(cr);
        break;
    }
}

void CPreviewComposer::drawLabel(cairo_t* cr, const SControlPlacement& control)
{
    if (!control.hasLabel) {
        return;
    }
    const SRectangle label = L::labelArea(control);
    const std::string text = CPreviewValueText::text(control.id, m_value, isLit(control));
    cairo_save(cr);
    cairo_rectangle(cr, label.left, label.top, label.width, label.height);
    cairo_clip(cr);
    CPainter painter(cr);
    painter.setFont(L::CARTWORKLAYOUT_LABEL_FONT, L::CARTWORKLAYOUT_LABEL_FONT_SIZE, false);
    // Labels draw their text one pixel in from the left and top edges.
    painter.drawTextInBox(text.c_str(), label.left + 1.0, label.top + 1.0, label.width, label.height,
                          CPainter::EAlign::Left, CArtworkPalette::CARTWORKPALETTE_BLACK);
    cairo_restore(cr);
}

void CPreviewComposer::drawMeter(cairo_t* cr)
{
    CPainter painter(cr);
    painter.setColour(CArtworkPalette::CARTWORKPALETTE_ACCENT);
    const int lit = litSegments(m_value);
    for (int index = 0; index < lit; ++index) {
        const SRectangle segment = L::meterSegment(index);
        cairo_rectangle(cr, segment.left, segment.top, segment.width, segment.height);
    }
    cairo_fill(cr);
}

}  // namespace Corvane::CorGain::Artwork
