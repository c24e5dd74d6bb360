#include "CExpectedEditor.hpp"

#include "CCorGainLayout.hpp"

#include "basics/CSystemString.hpp"
#include "collections/TAutomaticPointer.hpp"
#include "gui/fonts/CFont.hpp"
#include "gui/graphics/CCairoContext.hpp"
#include "gui/graphics/CGraphics.hpp"
#include "gui/graphics/CPNGImage.hpp"

#include <cairo.h>

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
using Corvane::GUI::Graphics::CGraphics;
using Corvane::GUI::Graphics::IImage;
using Corvane::MathTools::CPoint;
using Corvane::MathTools::CRect;

namespace {

constexpr int PANEL_WIDTH = CCorGainLayout::CCORGAINLAYOUT_WIDTH;
constexpr int PANEL_HEIGHT = CCorGainLayout::CCORGAINLAYOUT_HEIGHT;
constexpr int KNOB_FRAMES = CCorGainLayout::CCORGAINLAYOUT_KNOB_FRAMES;

// The bundle's picture, read once.
IImage* picture(const char* file)
{
    static std::map<std::string, Corvane::Collections::TAutomaticPointer<IImage>> pictures;
    auto& held = pictures[file];
    if (!held.hasPointer()) {
        held = Corvane::GUI::Graphics::CPNGImage::getNewInstance(Corvane::Basics::CSystemString(TENVIRA_ARTWORK_DIR),
                                                                 file);
    }
    return held.getPointer();
}

const SControlLayout& layoutOf(int id)
{
    const SControlLayout* end = CCorGainLayout::controls() + CCorGainLayout::controlCount();
    const SControlLayout* found =
        std::find_if(CCorGainLayout::controls(), end, [id](const SControlLayout& control) { return control.id == id; });
    if (found == end) {
        throw std::out_of_range("no control has the id " + std::to_string(id));
    }
    return *found;
}

int knobFrame(double value)
{
    return static_cast<int>(value * (KNOB_FRAMES - 1));
}

// A control or label as the root draws it: clipped to its rectangle, drawn from its top-left corner.
template <class Draw>
void drawAt(CGraphics& graphics, const SArea& area, Draw draw)
{
    graphics.getClippingRegion().setCurrentClipRegion(CRect(area.left, area.top, area.width, area.height));
    graphics.setDrawingOffset(CPoint(area.left, area.top));
    draw(CRect(0, 0, area.width, area.height));
    graphics.setDrawingOffset(CPoint(0, 0));
    graphics.getClippingRegion().clearClipRegion();
}

void drawKnob(CGraphics& graphics, const SArea& area, int frame)
{
    drawAt(graphics, area, [&](const CRect& own) {
        graphics.drawImage(picture("knob.png"), own, CRect(0, frame * area.height, area.width, area.height));
    });
}

void drawButton(CGraphics& graphics, const SArea& area, bool down)
{
    IImage* image = picture(down ? "buttonDown.png" : "buttonUp.png");
    drawAt(graphics, area, [&](const CRect& own) { graphics.drawImage(image, own, image->getNormalisedImageSize()); });
}

void drawLabel(CGraphics& graphics, const SArea& area, const std::string& text)
{
    static Corvane::GUI::Fonts::CFont font("Arial", 12, false, false);
    drawAt(graphics, area, [&](const CRect& own) {
        graphics.setTextColour(Corvane::GUI::Basics::CAlphaColour::CALPHACOLOUR_BLACK);
        graphics.drawText(text.c_str(), CRect(1, 1, own.getWidth(), own.getHeight()), &font,
                          CGraphics::CGRAPHICS_TEXT_LEFT);
    });
}

// The panel with what draw draws on it. The editor paints its window in an image of Cairo's and puts the
// image's pixels on the window as they are: the expected picture is painted the same way.
template <class Draw>
DevHost::CWindowImage paintPanel(Draw draw)
{
    cairo_surface_t* surface = cairo_image_surface_create(CAIRO_FORMAT_RGB24, PANEL_WIDTH, PANEL_HEIGHT);
    cairo_t* context = cairo_create(surface);
    CGraphics graphics;
    Corvane::GUI::Graphics::CCairoContext::initialiseGraphics(
        graphics, context, Corvane::MathTools::CDimension(PANEL_WIDTH, PANEL_HEIGHT));
    cairo_destroy(context);
    const CRect whole(0, 0, PANEL_WIDTH, PANEL_HEIGHT);
    graphics.drawImage(picture("Background.png"), whole, whole);
    draw(graphics);
    graphics.uninitialise();
    cairo_surface_flush(surface);
    DevHost::CWindowImage image(PANEL_WIDTH, PANEL_HEIGHT);
    const unsigned char* pixels = cairo_image_surface_get_data(surface);
    for (int y = 0; y < PANEL_HEIGHT; ++y) {
        const std::uint32_t* row =
            reinterpret_cast<const std::uint32_t*>(pixels + y * cairo_image_surface_get_stride(surface));
        for (int x = 0; x < PANEL_WIDTH; ++x) {
            image.set(x, y, row[x] & 0xFFFFFFu);
        }
    }
    cairo_surface_destroy(surface);
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

std::string describe(EControlKind kind, double value)
{
    return kind == EControlKind::Knob ? "frame " + std::to_string(knobFrame(value))
                                      : (value >= 0.5 ? "the button down" : "the button up");
}

}  // namespace

std::string labelText(const PlainModel& model, int index, bool changedInEditor)
{
    // The numbers: format, then the unit after a change from the host and after a change in the editor.
    static const std::map<int, std::vector<const char*>> NUMBERS = {
        {0, {" %.2f", " dB", " dB"}},  {1, {" %.2f", " dB", " dB"}}, {18, {" %.2f", " dB", " dB"}},
        {19, {" %.2f", " dB", " dB"}}, {3, {" %.1f", " ms", " ms"}}, {4, {" %.1f", " ms", " ms"}},
        {17, {" %.1f", " ms", " ms"}}, {6, {" %.2f", " dB", " db"}}, {7, {" %.2f", " dB", " db"}},
        {8, {" %.2f", " dB", " db"}},  {13, {" %.2f", " %", " %"}},  {15, {" %.2f", " ", " "}},
        {2, {" %.2f", " :1", " :1"}},  {5, {" %.2f", " ", " "}}};
    // The choices: the stop names, then what follows the name after a host change and after an editor change.
    static const std::map<int, std::vector<const char*>> CHOICES = {{9, {"Internal", "External", "", ""}},
                                                                    {10, {"Output", "Input", " ", " "}},
                                                                    {11, {"Off", "On", " ", " "}},
                                                                    {12, {"Left", "Stereo", "Right", "", ""}},
                                                                    {14, {"Bypass", "Soft", "Dirty", "", ""}},
                                                                    {16, {"Off", "On", "", " "}}};
    const double data = model.parameterData(index);
    if (index == 5 && (data == 1.0 || data == 0.0)) {
        return data == 1.0 ? "Wet" : " Dry";
    }
    char text[64];
    if (NUMBERS.count(index) != 0) {
        // The ratio's parameter holds the slope; its label shows the ratio.
        std::snprintf(text, sizeof text, NUMBERS.at(index)[0], index == 2 ? 1.0 / data : data);
        return std::string(text) + NUMBERS.at(index)[changedInEditor ? 2 : 1];
    }
    const std::vector<const char*>& choice = CHOICES.at(index);
    return std::string(choice[static_cast<std::size_t>(model.parameterIntData(index))]) +
           choice[choice.size() - (changedInEditor ? 1 : 2)];
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

::testing::AssertionResult CExpectedEditor::isShownIn(const DevHost::CWindowImage& picture, Display*) const
{
    const auto parameterControls = [](auto each) {
        for (std::size_t row = 0; row < CCorGainLayout::controlCount(); ++row) {
            if (CCorGainLayout::controls()[row].hasLabel) {
                each(CCorGainLayout::controls()[row]);
            }
        }
    };
    if (m_expected.isEmpty()) {
        // Every control and label at once, in the editor's order: labels overlap their neighbours' rectangles.
        m_expected = paintPanel([&](CGraphics& graphics) {
            parameterControls([&](const SControlLayout& control) {
                const double value = m_controlValues[control.id];
                control.kind == EControlKind::Knob ? drawKnob(graphics, controlArea(control.id), knobFrame(value))
                                                   : drawButton(graphics, controlArea(control.id), value >= 0.5);
                drawLabel(graphics, labelArea(control.id), m_labels[control.id]);
            });
        });
    }
    std::ostringstream wrong;
    parameterControls([&](const SControlLayout& control) {
        const int id = control.id;
        if (const long differing = differences(picture, m_expected, controlArea(id))) {
            wrong << "\n  control " << id << " does not show " << describe(control.kind, m_controlValues[id]) << " ("
                  << differing << " pixels differ)";
        }
        if (const long differing = differences(picture, m_expected, labelArea(id))) {
            wrong << "\n  label " << id << " does not read \"" << m_labels[id] << "\" (" << differing
                  << " pixels differ)";
        }
    });
    if (wrong.str().empty()) {
        return ::testing::AssertionSuccess();
    }
    return ::testing::AssertionFailure() << "the editor does not show what is expected:" << wrong.str();
}

SArea CExpectedEditor::controlArea(int index)
{
    const SControlLayout& control = layoutOf(index);
    const bool knob = control.kind == EControlKind::Knob;
    const auto size = picture(knob ? "knob.png" : "buttonDown.png")->getImageSize();
    return {control.left, control.top, static_cast<int>(size.getWidth()),
            static_cast<int>(knob ? size.getHeight() / KNOB_FRAMES : size.getHeight())};
}

SArea CExpectedEditor::labelArea(int index)
{
    const SControlLayout& control = layoutOf(index);
    return {control.labelLeft, control.labelTop, CCorGainLayout::CCORGAINLAYOUT_LABEL_WIDTH,
            CCorGainLayout::CCORGAINLAYOUT_LABEL_HEIGHT};
}

}  // namespace TenviraEditorTests
