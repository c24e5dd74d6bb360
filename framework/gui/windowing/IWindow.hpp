#pragma once

#include "basics/ICountedObject.hpp"
#include "math/CDimension.hpp"
#include "math/CPoint.hpp"
#include "math/CRect.hpp"

namespace Corvane { namespace GUI { namespace Windowing {

class CCursor;
class CWindowAttributes;

/**
 * What a control root needs from the window it lives in: its attributes (the
 * background colour of every repaint), redraw requests, where it is on the
 * screen, and the pointer shape. Windows are counted objects.
 */
class IWindow : public virtual Corvane::Basics::ICountedObject {
public:
    ~IWindow() override = default;

    virtual void setParentWindow(IWindow* parent) = 0;
    virtual IWindow* getParentWindow() const = 0;
    /** Never null. */
    virtual CWindowAttributes* getWindowAttributes() = 0;

    /** Asks for the area (window coordinates) to be repainted soon; requests gather until the next paint. */
    virtual void redrawWindow(const Corvane::MathTools::CRect& area) = 0;
    /** Asks for the whole window to be repainted. */
    virtual void redrawWindow() = 0;

    /** The top-left corner of the window's content on the screen, in the screen's pixels. */
    virtual Corvane::MathTools::CPoint getWindowPosition() const = 0;
    /** In the window's own pixels. */
    virtual Corvane::MathTools::CDimension getWindowSize() const = 0;
    /** Screen pixels per pixel of the window's own (CDeviceScale); 1 on a screen drawn unscaled. */
    virtual double getScaleFactor() const = 0;

    /** Shows the pointer shape over the window; null gives the window's default pointer. */
    virtual void setCursor(const CCursor* cursor) = 0;
};

}}}  // namespace Corvane::GUI::Windowing
