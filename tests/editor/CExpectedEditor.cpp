#include "CExpectedEditor.hpp"

#include "CCorGainLayout.hpp"

#include "basics/CSystemString.hpp"
#include "collections/TAutomaticPointer.hpp"
#include "gui/fonts/CFont.hpp"
#include "gui/graphics/CCairoContext.hpp"
#include "gui/graphics/CGraphics.hpp"
#include "gui/graphics/CPNGImage.hpp"

#include <X11/Xutil.h>
#include <cairo-xlib.h>

#include <algorithm>
#include <cstdio>
#include <map>
#include <sstream>
#include <stdexcept>
#include <vector>

namespace TenviraEditorTests {

using Corvane::CorGain::CCorGainLayout;
using Corvane::CorGain::EControlKind;
using Corvane::CorGain::SControlLayout;
using Corvane::GUI::Basics::CAlphaColour;
using Corvane::GUI::Graphics::CGraphics;
using Corvane::GUI::Graphics::IImage;
using Corvane::MathTools::CDimension;
using Corvane::MathTools::CPoint;
using Corvane::MathTools::CRect;

namespace {

template <class T>
using THeld = Corvane::Collections::TAutomaticPointer<T>;

constexpr int PANEL_WIDTH = CCorGainLayout::CCORGAINLAYOUT_WIDTH;
constexpr int PANEL_HEIGHT = CCorGainLayout::CCORGAINLAYOUT_HEIGHT;
constexpr int KNOB_FRAMES = CCorGainLayout::CCORGAINLAYOUT_KNOB_FRAMES;

std::string number(const char* format, double value, const char* suffix)
{
    char text[64];
    std::snprintf(text, sizeof text, format, value);
    return std::string(text) + suffix;
}

// The stop names of the selection parameters.
std::string stopName(const PlainModel& model, int index)
{
    static const std::map<int, std::vector<std::string>> STOPS = {
        {9, {"Internal", "External"}},     {10, {"Output", "Input"}},         {11, {"Off", "On"}},
        {12, {"Left", "Stereo", "Right"}}, {14, {"Bypass", "Soft", "Dirty"}}, {16, {"Off", "On"}}};
    return STOPS.at(index).at(static_cast<std::size_t>(model.parameterIntData(index)));
}

// The bundle's pictures and the labels' font, read once.
struct SArtwork {
    SArtwork() : font("Arial", 12, false, false)
    {
        const Corvane::Basics::CSystemString folder(TENVIRA_ARTWORK_DIR);
        background = Corvane::GUI::Graphics::CPNGImage::getNewInstance(folder, "Background.png");
        knob = Corvane::GUI::Graphics::CPNGImage::getNewInstance(folder, "knob.png");
        buttonUp = Corvane::GUI::Graphics::CPNGImage::getNewInstance(folder, "buttonUp.png");
        buttonDown = Corvane::GUI::Graphics::CPNGImage::getNewInstance(folder, "buttonDown.png");
        information = Corvane::GUI::Graphics::CPNGImage::getNewInstance(folder, "infopro.png");
    }

    THeld<IImage> background;
    THeld<IImage> knob;
    THeld<IImage> buttonUp;
    THeld<IImage> buttonDown;
    THeld<IImage> information;
    Corvane::GUI::Fonts::CFont font;
};

SArtwork& artwork()
{
    static SArtwork pictures;
    return pictures;
}

const SControlLayout& layoutOf(int id)
{
    for (std::size_t row = 0; row < CCorGainLayout::controlCount(); ++row) {
        if (CCorGainLayout::controls()[row].id == id) {
            return CCorGainLayout::controls()[row];
        }
    }
    throw std::out_of_range("no control has the id " + std::to_string(id));
}

CRect rectOf(const SArea& area)
{
    return CRect(area.left, area.top, area.width, area.height);
}

int knobFrame(double value)
{
    return static_cast<int>(value * (KNOB_FRAMES - 1));
}

// A control or label as the root draws it: clipped to its rectangle, drawn from its top-left corner.
template <class Draw>
void drawAt(CGraphics& graphics, const SArea& area, Draw draw)
{
    graphics.getClippingRegion().setCurrentClipRegion(rectOf(area));
    graphics.setDrawingOffset(CPoint(area.left, area.top));
    draw(CRect(0, 0, area.width, area.height));
    graphics.setDrawingOffset(CPoint(0, 0));
    graphics.getClippingRegion().clearClipRegion();
}

void drawKnob(CGraphics& graphics, const SArea& area, int frame)
{
    drawAt(graphics, area, [&](const CRect& own) {
        graphics.drawImage(artwork().knob.getPointer(), own, CRect(0, frame * area.height, area.width, area.height));
    });
}

void drawButton(CGraphics& graphics, const SArea& area, bool down)
{
    IImage* image = down ? artwork().buttonDown.getPointer() : artwork().buttonUp.getPointer();
    drawAt(graphics, area, [&](const CRect& own) { graphics.drawImage(image, own, image->getNormalisedImageSize()); });
}

void drawLabel(CGraphics& graphics, const SArea& area, const std::string& text)
{
    drawAt(graphics, area, [&](const CRect& own) {
        graphics.setTextColour(CAlphaColour::CALPHACOLOUR_BLACK);
        graphics.drawText(text.c_str(), CRect(1, 1, own.getWidth(), own.getHeight()), &artwork().font,
                          CGraphics::CGRAPHICS_TEXT_LEFT);
    });
}

// The panel with the controls and labels that draw draws, as the display's server paints it. The
// editor's window is painted through Cairo's X backend, whose text differs from an image's in the
// last bits of its edges: the expected picture is painted the same way, in a pixmap of the server.
template <class Draw>
DevHost::CWindowImage paintPanel(Display* display, Draw draw)
{
    const Pixmap pixmap = XCreatePixmap(display, DefaultRootWindow(display), PANEL_WIDTH, PANEL_HEIGHT,
                                        static_cast<unsigned>(DefaultDepth(display, DefaultScreen(display))));
    cairo_surface_t* surface = cairo_xlib_surface_create(
        display, pixmap, DefaultVisual(display, DefaultScreen(display)), PANEL_WIDTH, PANEL_HEIGHT);
    cairo_t* context = cairo_create(surface);
    CGraphics graphics;
    Corvane::GUI::Graphics::CCairoContext::initialiseGraphics(graphics, context, CDimension(PANEL_WIDTH, PANEL_HEIGHT));
    cairo_destroy(context);
    const CRect whole(0, 0, PANEL_WIDTH, PANEL_HEIGHT);
    graphics.drawImage(artwork().background.getPointer(), whole, whole);
    draw(graphics);
    graphics.uninitialise();
    cairo_surface_flush(surface);
    cairo_surface_destroy(surface);

    DevHost::CWindowImage image(PANEL_WIDTH, PANEL_HEIGHT);
    XImage* pixels = XGetImage(display, pixmap, 0, 0, PANEL_WIDTH, PANEL_HEIGHT, AllPlanes, ZPixmap);
    for (int y = 0; pixels != nullptr && y < PANEL_HEIGHT; ++y) {
        for (int x = 0; x < PANEL_WIDTH; ++x) {
            image.set(x, y, static_cast<std::uint32_t>(XGetPixel(pixels, x, y) & 0xFFFFFFu));
        }
    }
    if (pixels != nullptr) {
        XDestroyImage(pixels);
    }
    XFreePixmap(display, pixmap);
    return image;
}

// The pixels of the area (within the panel) in which the two pictures differ.
long differences(const DevHost::CWindowImage& shown, const DevHost::CWindowImage& expected, const SArea& area)
{
    long count = 0;
    for (int y = area.top; y < std::min(area.top + area.height, PANEL_HEIGHT); ++y) {
        for (int x = area.left; x < std::min(area.left + area.width, PANEL_WIDTH); ++x) {
            count += shown.at(x, y) != expected.at(x, y) ? 1 : 0;
        }
    }
    return count;
}

// What a knob or button shows instead of what is expected, for the failure message.
std::string shownInstead(Display* display, const DevHost::CWindowImage& picture, const SControlLayout& control)
{
    const SArea area = CExpectedEditor::controlArea(control.id);
    if (control.kind == EControlKind::Knob) {
        for (int frame = 0; frame < KNOB_FRAMES; ++frame) {
            if (differences(picture, paintPanel(display, [&](CGraphics& g) { drawKnob(g, area, frame); }), area) == 0) {
                return "frame " + std::to_string(frame);
            }
        }
        return "no frame of the knob";
    }
    for (bool down : {false, true}) {
        if (differences(picture, paintPanel(display, [&](CGraphics& g) { drawButton(g, area, down); }), area) == 0) {
            return down ? "the button down" : "the button up";
        }
    }
    return "neither button picture";
}

}  // namespace

std::string labelText(const PlainModel& model, int index, bool changedInEditor)
{
    const double data = model.parameterData(index);
    switch (index) {
    case 0:
    case 1:
    case 18:
    case 19:
        return number(" %.2f", data, " dB");
    case 2:
        // The parameter holds the slope; the label shows the ratio.
        return number(" %.2f", 1.0 / data, " :1");
    case 3:
    case 4:
    case 17:
        return number(" %.1f", data, " ms");
    case 5:
        return data == 1.0 ? "Wet" : (data == 0.0 ? " Dry" : number(" %.2f", data, " "));
    case 6:
    case 7:
    case 8:
        return number(" %.2f", data, changedInEditor ? " db" : " dB");
    case 13:
        return number(" %.2f", data, " %");
    case 15:
        return number(" %.2f", data, " ");
    case 10:
    case 11:
        return stopName(model, index) + " ";
    case 16:
        return stopName(model, index) + (changedInEditor ? " " : "");
    default:
        return stopName(model, index);
    }
}

CExpectedEditor::CExpectedEditor(const PlainModel& model)
{
    for (int index = 0; index < PARAMETERS; ++index) {
        showHostChange(model, index);
    }
}

void CExpectedEditor::showHostChange(const PlainModel& model, int index)
{
    m_expected = DevHost::CWindowImage();
    m_controlValues[index] = model.getParameter(index);
    m_labels[index] = labelText(model, index, false);
}

void CExpectedEditor::showEditorChange(const PlainModel& model, int index)
{
    m_expected = DevHost::CWindowImage();
    m_controlValues[index] = layoutOf(index).kind == EControlKind::PopupButton ? 0.0 : model.getParameter(index);
    m_labels[index] = labelText(model, index, true);
}

::testing::AssertionResult CExpectedEditor::isShownIn(const DevHost::CWindowImage& picture, Display* display) const
{
    if (m_expected.isEmpty()) {
        // Every control and label at once, in the editor's order: labels overlap their neighbours' rectangles.
        m_expected = paintPanel(display, [&](CGraphics& graphics) {
            for (std::size_t row = 0; row < CCorGainLayout::controlCount(); ++row) {
                const SControlLayout& control = CCorGainLayout::controls()[row];
                const int id = control.id;
                if (control.kind == EControlKind::Knob) {
                    drawKnob(graphics, controlArea(id), knobFrame(m_controlValues[id]));
                } else if (control.kind == EControlKind::LatchingButton || control.kind == EControlKind::PopupButton) {
                    drawButton(graphics, controlArea(id), m_controlValues[id] >= 0.5);
                }
                if (control.hasLabel) {
                    drawLabel(graphics, labelArea(id), m_labels[id]);
                }
            }
        });
    }
    std::ostringstream wrong;
    for (std::size_t row = 0; row < CCorGainLayout::controlCount(); ++row) {
        const SControlLayout& control = CCorGainLayout::controls()[row];
        if (!control.hasLabel) {
            continue;
        }
        const int id = control.id;
        if (differences(picture, m_expected, controlArea(id)) != 0) {
            wrong << "\n  control " << id << " shows " << shownInstead(display, picture, control) << " instead of "
                  << (control.kind == EControlKind::Knob
                          ? "frame " + std::to_string(knobFrame(m_controlValues[id]))
                          : (m_controlValues[id] >= 0.5 ? "the button down" : "the button up"));
        }
        if (const long differing = differences(picture, m_expected, labelArea(id))) {
            wrong << "\n  label " << id << " does not read \"" << m_labels[id] << "\" (" << differing
                  << " pixels differ)";
        }
    }
    if (wrong.str().empty()) {
        return ::testing::AssertionSuccess();
    }
    return ::testing::AssertionFailure() << "the editor does not show what is expected:" << wrong.str();
}

SArea CExpectedEditor::controlArea(int id)
{
    const SControlLayout& control = layoutOf(id);
    switch (control.kind) {
    case EControlKind::Knob: {
        const auto strip = artwork().knob->getImageSize();
        return {control.left, control.top, static_cast<int>(strip.getWidth()),
                static_cast<int>(strip.getHeight() / KNOB_FRAMES)};
    }
    case EControlKind::InfoButton: {
        const auto size = artwork().information->getImageSize();
        return {control.left, control.top, static_cast<int>(size.getWidth()), static_cast<int>(size.getHeight())};
    }
    case EControlKind::Meter:
        return {control.left, control.top, CCorGainLayout::CCORGAINLAYOUT_METER_WIDTH,
                CCorGainLayout::CCORGAINLAYOUT_METER_HEIGHT};
    default: {
        const auto size = artwork().buttonDown->getImageSize();
        return {control.left, control.top, static_cast<int>(size.getWidth()), static_cast<int>(size.getHeight())};
    }
    }
}

SArea CExpectedEditor::labelArea(int id)
{
    const SControlLayout& control = layoutOf(id);
    return {control.labelLeft, control.labelTop, CCorGainLayout::CCORGAINLAYOUT_LABEL_WIDTH,
            CCorGainLayout::CCORGAINLAYOUT_LABEL_HEIGHT};
}

}  // namespace TenviraEditorTests
