#pragma once

#include "basics/CString.hpp"
#include "basics/CSystemString.hpp"
#include "gui/controls/CControlRoot.hpp"
#include "gui/windowing/CWindow.hpp"

namespace Corvane { namespace GUI { namespace Windowing {

/**
 * A splash window showing one image: borderless, kept above other windows,
 * centred on the screen at the image's size, at the opacity given where the
 * window system honours it. A click in it, or its losing the keyboard focus,
 * hides it.
 *
 * It can be built where there is no display (inside a plug-in editor's
 * constructor): it is created then, but makes its platform window only when
 * first opened, on its owner's connection. Give it its owner with
 * setParentWindow before opening it; a window without an owner opens a
 * connection of its own. An image that cannot be read means no window at
 * all: openWindow does nothing.
 *
 * @code
 * m_aboutWindow = new CAboutWindow(resources, "splash.png", 0.85);
 * m_aboutWindow->setParentWindow(this);     // the editor: its connection, its lifetime
 * ...
 * m_aboutWindow->openWindow();              // the information button
 * @endcode
 */
class CAboutWindow : public CWindow {
public:
    /** The about window's root: a left button-down anywhere closes the window. */
    class CAboutRoot : public Controls::CControlRoot {
    public:
        explicit CAboutRoot(CAboutWindow* window);
        ~CAboutRoot() override;
        void handleLeftButtonDown(Events::CMouseEvent& event) override;

        CVN_DECLARE_CLASS

    private:
        CAboutWindow* m_aboutWindow;
    };

    /** Reads folder/fileName; the window is as large as the image. */
    CAboutWindow(const Corvane::Basics::CSystemString& folder, const Corvane::Basics::CString& fileName, double alpha);
    ~CAboutWindow() override;

    /** Shows the window centred on the screen, with the keyboard focus. */
    void openWindow() override;
    /** Hides the window. */
    void lostFocus(IWindow* window) override;

    CVN_DECLARE_CLASS

protected:
    /** Created without a platform window: it is made when the window is first opened. */
    void createWindow() override;
};

}}}  // namespace Corvane::GUI::Windowing
