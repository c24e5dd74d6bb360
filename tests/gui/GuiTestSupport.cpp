#include "GuiTestSupport.hpp"

#include "gui/controls/IControlRoot.hpp"
#include "gui/events/CKeyboardEvent.hpp"
#include "gui/events/CMouseEvent.hpp"

#include <algorithm>
#include <cstdlib>

namespace Corvane { namespace MathTools {

void PrintTo(const CRect& rect, std::ostream* out)
{
    *out << "(" << rect.getLeft() << ", " << rect.getTop() << ", " << rect.getWidth() << " x " << rect.getHeight()
         << ")";
}

void PrintTo(const CPoint& point, std::ostream* out)
{
    *out << "(" << point.getXPosition() << ", " << point.getYPosition() << ")";
}

}}  // namespace Corvane::MathTools

namespace GuiTests {

CCanvas::CCanvas(long width, long height, bool alpha)
{
    m_image = new CRGBAImage(width, height, alpha);
    m_image->initialiseGraphics(graphics);
}

CCanvas::~CCanvas()
{
    graphics.uninitialise();
}

void CCanvas::fill(const CAlphaColour& colour)
{
    graphics.getMutableBrush().setColour(colour);
    graphics.fillRectangle(m_image->getNormalisedImageSize());
}

CRGBAImage* bandedImage(long width, long height, long frames, const std::function<CAlphaColour(long)>& colourOf,
                        bool alpha)
{
    auto* image = new CRGBAImage(width, height * frames, alpha);
    CGraphics graphics;
    image->initialiseGraphics(graphics);
    for (long frame = 0; frame < frames; ++frame) {
        graphics.getMutableBrush().setColour(colourOf(frame));
        graphics.fillRectangle(CRect(0, frame * height, width, height));
    }
    graphics.uninitialise();
    return image;
}

CRGBAImage* swatch(const CAlphaColour& colour, long width, long height, bool alpha)
{
    return bandedImage(
        width, height, 1, [&](long) { return colour; }, alpha);
}

namespace {

template <typename Test>
std::vector<std::string> mask(const CRect& region, Test test)
{
    std::vector<std::string> rows;
    for (long y = region.getTop(); y < region.getBottom(); ++y) {
        std::string row;
        for (long x = region.getLeft(); x < region.getRight(); ++x) {
            row += test(x, y) ? '#' : '.';
        }
        rows.push_back(row);
    }
    return rows;
}

}  // namespace

std::vector<std::string> inkMask(const CRGBAImage& image, const CRect& region)
{
    return mask(region, [&](long x, long y) { return image.getPixel(x, y).getAlpha() >= 128; });
}

std::vector<std::string> differenceMask(const CRGBAImage& image, const CRect& region, const CAlphaColour& background,
                                        long tolerance)
{
    return mask(region, [&](long x, long y) { return !near(image.getPixel(x, y), background, tolerance); });
}

CRect inkBounds(const CRGBAImage& image, const CAlphaColour& background, long tolerance)
{
    const CDimension size = image.getImageSize();
    long left = size.getWidth(), top = size.getHeight(), right = -1, bottom = -1;
    for (long y = 0; y < size.getHeight(); ++y) {
        for (long x = 0; x < size.getWidth(); ++x) {
            if (!near(image.getPixel(x, y), background, tolerance)) {
                left = std::min(left, x);
                top = std::min(top, y);
                right = std::max(right, x);
                bottom = std::max(bottom, y);
            }
        }
    }
    return right < 0 ? CRect() : CRect(left, top, right - left + 1, bottom - top + 1);
}

bool near(const CAlphaColour& a, const CAlphaColour& b, long tolerance)
{
    auto close = [tolerance](unsigned long p, unsigned long q) {
        return std::labs(static_cast<long>(p) - static_cast<long>(q)) <= tolerance;
    };
    return close(a.getRed(), b.getRed()) && close(a.getGreen(), b.getGreen()) && close(a.getBlue(), b.getBlue()) &&
           close(a.getAlpha(), b.getAlpha());
}

std::string describe(const CAlphaColour& colour)
{
    char text[64];
    colour.getObjectDescription(text, sizeof text);
    return text;
}

std::string dataPath(const std::string& name)
{
    return std::string(TENVIRA_GUI_TEST_DATA) + "/" + name;
}

CProbeControl::CProbeControl(Corvane::GUI::Controls::IControlRoot* root, long id, const CRect& area,
                             const CAlphaColour& colour, bool capture)
    : CControl(root, id, area, nullptr),
      m_colour(colour),
      m_capture(capture)
{}

void CProbeControl::drawControl(CGraphics& graphics)
{
    ++draws;
    drawnUpdateArea = graphics.getUpdateArea();
    drawnOffset = graphics.getDrawingOffset();
    if (!drawEnabledControl(graphics)) {
        return;
    }
    graphics.getMutableBrush().setColour(m_colour);
    graphics.fillRectangle(getNormalisedArea());
}

void CProbeControl::record(const char* name, Corvane::GUI::Events::CMouseEvent& event)
{
    lastEvent = name;
    lastPosition = event.getMousePosition();
    lastShift = event.isShiftDown();
    if (lastEvent != "move") {
        log.push_back(lastEvent + " " + std::to_string(lastPosition.getXPosition()) + "," +
                      std::to_string(lastPosition.getYPosition()) + (event.isAltDown() ? " alt" : ""));
    }
}

void CProbeControl::handleLeftButtonDown(Corvane::GUI::Events::CMouseEvent& event)
{
    record("down", event);
    if (m_capture) {
        getRootControl()->lockControl(this);
    }
}

void CProbeControl::handleLeftButtonUp(Corvane::GUI::Events::CMouseEvent& event)
{
    record("up", event);
    if (m_capture) {
        getRootControl()->unlockControl();
    }
}

void CProbeControl::handleMouseMovement(Corvane::GUI::Events::CMouseEvent& event)
{
    record("move", event);
}

void CProbeControl::handleMouseScroll(Corvane::GUI::Events::CMouseEvent& event)
{
    record("scroll", event);
    lastWheel = event.getWheelMovement();
}

bool CProbeControl::handleKeyDown(const Corvane::GUI::Events::CKeyboardEvent& event)
{
    ++keys;
    log.push_back(std::string("key ") + event.getKey());
    return true;
}

}  // namespace GuiTests
