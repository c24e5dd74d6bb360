#pragma once

#include "basics/CCountedObject.hpp"
#include "basics/CString.hpp"
#include "gui/basics/CColour.hpp"

namespace Corvane { namespace GUI { namespace Windowing {

/**
 * How a window looks: title, background colour (what every repaint starts
 * from), opacity, whether it takes input, and its style as a pair of platform
 * numbers (the window's features and its class).
 */
class CWindowAttributes : public Corvane::Basics::CCountedObject {
public:
    enum EWindowStyle : long {
        /** A document window: close box, zoom both ways, collapse box, resizable. */
        CWINDOWATTRIBUTES_STYLE_DOCUMENT = 0,
        /** Close and collapse boxes only. */
        CWINDOWATTRIBUTES_STYLE_CLOSE_AND_COLLAPSE = 1,
        /** A collapse box only. */
        CWINDOWATTRIBUTES_STYLE_COLLAPSE = 2,
        /** Plain: no frame, no shadow (splash screens, menus). */
        CWINDOWATTRIBUTES_STYLE_PLAIN = 3
    };

    static constexpr unsigned long CWINDOWATTRIBUTES_CLOSE_BOX = 0x00000001;
    static constexpr unsigned long CWINDOWATTRIBUTES_HORIZONTAL_ZOOM = 0x00000002;
    static constexpr unsigned long CWINDOWATTRIBUTES_VERTICAL_ZOOM = 0x00000004;
    static constexpr unsigned long CWINDOWATTRIBUTES_COLLAPSE_BOX = 0x00000008;
    static constexpr unsigned long CWINDOWATTRIBUTES_RESIZABLE = 0x00000010;
    static constexpr unsigned long CWINDOWATTRIBUTES_NO_SHADOW = 0x00200000;
    static constexpr unsigned long CWINDOWATTRIBUTES_STANDARD_HANDLER = 0x02000000;
    static constexpr unsigned long CWINDOWATTRIBUTES_CLASS_DOCUMENT = 6;
    static constexpr unsigned long CWINDOWATTRIBUTES_CLASS_PLAIN = 13;

    /** Title "Application", white, opaque, enabled, document style. */
    CWindowAttributes();
    CWindowAttributes(const CWindowAttributes& other);
    CWindowAttributes& operator=(const CWindowAttributes& other);
    ~CWindowAttributes() override;

    /** One of the four styles; other values leave the style as it is. */
    void initialise(EWindowStyle style);
    void initialise(unsigned long windowAttributes, unsigned long windowClass);

    const Corvane::Basics::CString& getTitle() const { return m_title; }
    void setTitle(const Corvane::Basics::CString& title) { m_title = title; }
    const Basics::CColour& getBackgroundColour() const { return m_backgroundColour; }
    void setBackgroundColour(const Basics::CColour& colour) { m_backgroundColour = colour; }
    double getWindowAlpha() const { return m_windowAlpha; }
    void setWindowAlpha(double alpha) { m_windowAlpha = alpha; }
    bool isEnabled() const { return m_enabled; }
    void setEnabled(bool enabled) { m_enabled = enabled; }
    bool getSecondFlag() const { return m_secondFlag; }
    void setSecondFlag(bool flag) { m_secondFlag = flag; }
    unsigned long getWindowAttributes() const { return m_windowAttributes; }
    unsigned long getWindowClass() const { return m_windowClass; }
    /** True for the plain style's class: no frame, no shadow. */
    bool isPlain() const { return m_windowClass == CWINDOWATTRIBUTES_CLASS_PLAIN; }

    CVN_DECLARE_CLASS

private:
    Corvane::Basics::CString m_title;
    Basics::CColour m_backgroundColour;
    double m_windowAlpha;
    bool m_enabled;
    bool m_secondFlag;
    unsigned long m_windowAttributes;
    unsigned long m_windowClass;
};

}}}  // namespace Corvane::GUI::Windowing
