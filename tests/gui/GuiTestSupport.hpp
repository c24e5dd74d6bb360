#pragma once

#include "basics/CCountedObject.hpp"
#include "collections/TAutomaticPointer.hpp"
#include "gui/basics/CAlphaColour.hpp"
#include "gui/controls/CControl.hpp"
#include "gui/graphics/CGraphics.hpp"
#include "gui/graphics/CRGBAImage.hpp"
#include "gui/windowing/CWindowAttributes.hpp"
#include "gui/windowing/IWindow.hpp"

#include <functional>
#include <string>
#include <vector>

#include <ostream>

namespace Corvane { namespace MathTools {
// Readable rectangles and points in failure messages.
void PrintTo(const CRect& rect, std::ostream* out);
void PrintTo(const CPoint& point, std::ostream* out);
}}  // namespace Corvane::MathTools

namespace GuiTests {

using Corvane::GUI::Basics::CAlphaColour;
using Corvane::GUI::Graphics::CGraphics;
using Corvane::GUI::Graphics::CRGBAImage;
using Corvane::MathTools::CDimension;
using Corvane::MathTools::CPoint;
using Corvane::MathTools::CRect;

// The colours the tests draw with.
inline const CAlphaColour& WHITE = CAlphaColour::CALPHACOLOUR_WHITE;
inline const CAlphaColour& BLACK = CAlphaColour::CALPHACOLOUR_BLACK;
inline const CAlphaColour& RED = CAlphaColour::CALPHACOLOUR_RED;
inline const CAlphaColour& GREEN = CAlphaColour::CALPHACOLOUR_GREEN;
inline const CAlphaColour& BLUE = CAlphaColour::CALPHACOLOUR_BLUE;

/** A window stand-in: attributes, a screen position, and the redraws and pointer shapes it was asked for. */
class CTestWindow : public Corvane::GUI::Windowing::IWindow, public Corvane::Basics::CCountedObject {
public:
    explicit CTestWindow(const CDimension& size = CDimension(100, 100)) : m_size(size) {}

    void setParentWindow(IWindow* parent) override { m_parent = parent; }
    IWindow* getParentWindow() const override { return m_parent; }
    Corvane::GUI::Windowing::CWindowAttributes* getWindowAttributes() override { return &m_attributes; }
    void redrawWindow(const CRect& area) override { redraws.push_back(area); }
    void redrawWindow() override { redraws.push_back(CRect(0, 0, m_size.getWidth(), m_size.getHeight())); }
    CPoint getWindowPosition() const override { return position; }
    CDimension getWindowSize() const override { return m_size; }
    double getScaleFactor() const override { return scale; }
    void setCursor(const Corvane::GUI::Windowing::CCursor* shape) override { cursor = shape; }

    std::vector<CRect> redraws;
    CPoint position;
    double scale = 1.0;
    const Corvane::GUI::Windowing::CCursor* cursor = nullptr;

private:
    Corvane::GUI::Windowing::CWindowAttributes m_attributes;
    IWindow* m_parent = nullptr;
    CDimension m_size;
};

/** A bitmap with a graphics drawing on it for the object's life. */
class CCanvas {
public:
    CCanvas(long width, long height, bool alpha = true);
    ~CCanvas();
    CCanvas(const CCanvas&) = delete;
    CCanvas& operator=(const CCanvas&) = delete;

    CGraphics graphics;
    CRGBAImage& image() { return *m_image; }
    CAlphaColour pixel(long x, long y) const { return m_image->getPixel(x, y); }
    /** Fills the whole bitmap with the brush in that colour. */
    void fill(const CAlphaColour& colour);

private:
    Corvane::Collections::TAutomaticPointer<CRGBAImage> m_image;
};

/** A new bitmap (for the caller to hold) of frames bands of width x height, top down, band k in colourOf(k). */
CRGBAImage* bandedImage(long width, long height, long frames, const std::function<CAlphaColour(long)>& colourOf,
                        bool alpha = true);
/** A new bitmap in one colour; drawn from its whole size it fills any rectangle. */
CRGBAImage* swatch(const CAlphaColour& colour, long width = 1, long height = 1, bool alpha = true);

/**
 * The pixels of a region as text rows, '#' where the pixel's alpha is at
 * least half, '.' elsewhere: shapes compare at a glance in a failure message.
 */
std::vector<std::string> inkMask(const CRGBAImage& image, const CRect& region);
/** The same where the pixel differs from the background colour by more than the tolerance in any channel. */
std::vector<std::string> differenceMask(const CRGBAImage& image, const CRect& region, const CAlphaColour& background,
                                        long tolerance = 8);
/** The smallest rectangle holding every pixel that differs from the background; width 0 when none does. */
CRect inkBounds(const CRGBAImage& image, const CAlphaColour& background, long tolerance = 8);
/** Whether two colours agree channel by channel within the tolerance. */
bool near(const CAlphaColour& a, const CAlphaColour& b, long tolerance = 2);
std::string describe(const CAlphaColour& colour);

/** A fixture of tests/gui/data. */
std::string dataPath(const std::string& name);

/**
 * A control that paints its whole surface in one colour and records what
 * reaches it: the last mouse event's kind and position, every button, wheel
 * and key event as "kind x,y[ alt]", how often it was drawn, with which update
 * area and offset. With capture on it locks the mouse on a left press and lets
 * go on the release, as knobs and buttons do.
 */
class CProbeControl : public Corvane::GUI::Controls::CControl {
public:
    CProbeControl(Corvane::GUI::Controls::IControlRoot* root, long id, const CRect& area,
                  const CAlphaColour& colour = CAlphaColour::CALPHACOLOUR_RED, bool capture = false);

    void drawControl(CGraphics& graphics) override;
    void handleLeftButtonDown(Corvane::GUI::Events::CMouseEvent& event) override;
    void handleLeftButtonUp(Corvane::GUI::Events::CMouseEvent& event) override;
    void handleRightButtonDown(Corvane::GUI::Events::CMouseEvent& event) override { record("right-down", event); }
    void handleRightButtonUp(Corvane::GUI::Events::CMouseEvent& event) override { record("right-up", event); }
    void handleDoubleClick(Corvane::GUI::Events::CMouseEvent& event) override { record("double", event); }
    void handleMouseMovement(Corvane::GUI::Events::CMouseEvent& event) override;
    void handleMouseScroll(Corvane::GUI::Events::CMouseEvent& event) override;
    bool handleKeyDown(const Corvane::GUI::Events::CKeyboardEvent& event) override;

    std::string lastEvent;
    std::vector<std::string> log;
    CPoint lastPosition;
    double lastWheel = 0.0;
    bool lastShift = false;
    int draws = 0;
    int keys = 0;
    CRect drawnUpdateArea;
    CPoint drawnOffset;

private:
    void record(const char* name, Corvane::GUI::Events::CMouseEvent& event);

    CAlphaColour m_colour;
    bool m_capture;
};

}  // namespace GuiTests
