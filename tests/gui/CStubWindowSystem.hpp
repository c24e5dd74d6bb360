// A window system of the tests' own, behind the windowing layer's seam: window
// logic runs against it without any display.
#pragma once

#include "basics/CCountedObject.hpp"
#include "collections/TAutomaticPointer.hpp"
#include "gui/graphics/CRGBAImage.hpp"
#include "gui/windowing/IWindowBackend.hpp"
#include "gui/windowing/IWindowConnection.hpp"
#include "gui/windowing/SWindowInput.hpp"

#include <utility>
#include <vector>

namespace GuiTests {

class CStubConnection;

/** One window: what was asked of it, and the areas painted, on a picture of its own. */
class CStubBackend : public Corvane::GUI::Windowing::IWindowBackend {
public:
    CStubBackend(CStubConnection& connection, Corvane::GUI::Windowing::IWindowInputListener& listener);
    ~CStubBackend() override;

    bool createTopLevel(const Corvane::MathTools::CRect& area, const Corvane::GUI::Windowing::CWindowAttributes&,
                        Corvane::GUI::Windowing::CWindow::EWindowRole) override;
    bool createPopup(const Corvane::MathTools::CRect& area, double) override;
    bool createChild(unsigned long parent, const Corvane::MathTools::CDimension& size) override;
    unsigned long getWindowId() const override { return m_id; }
    bool isShown() const override { return shown; }
    void show() override { shown = true; }
    void hide() override { shown = false; }
    void moveAndResize(const Corvane::MathTools::CRect& newArea) override { area = newArea; }
    void setOpacity(double) override {}
    void setCursor(Corvane::GUI::Windowing::CCursor::ECursorShape) override {}
    bool grabPointer() override { return true; }
    void requestFocus() override {}
    bool getScreenPosition(Corvane::MathTools::CPoint& position) const override;
    bool beginPaint(Corvane::GUI::Graphics::CGraphics& graphics, const Corvane::MathTools::CDimension& size,
                    bool& whole) override;
    void endPaint(Corvane::GUI::Graphics::CGraphics& graphics, const Corvane::MathTools::CRect& painted) override;

    Corvane::GUI::Windowing::IWindowInputListener& listener;
    Corvane::MathTools::CRect area;
    bool shown = false;
    std::vector<Corvane::MathTools::CRect> paints;

private:
    bool made(const Corvane::MathTools::CRect& where);

    CStubConnection& m_connection;
    unsigned long m_id = 0;
    Corvane::Collections::TAutomaticPointer<Corvane::GUI::Graphics::CRGBAImage> m_picture;
};

/**
 * The connection: its windows, and the input a test hands in for its next
 * pump. CWindowSystem::setConnectionFactory(&CStubConnection::open) makes
 * the windows opened from then on use a new one; latest() is the last opened,
 * while it lives.
 */
class CStubConnection : public Corvane::Basics::CCountedObject, public Corvane::GUI::Windowing::IWindowConnection {
public:
    static constexpr int STUB_FILE_DESCRIPTOR = 7;

    static Corvane::GUI::Windowing::IWindowConnection* open();
    static CStubConnection* latest();
    ~CStubConnection() override;

    Corvane::GUI::Windowing::IWindowBackend* createWindow(
        Corvane::GUI::Windowing::IWindowInputListener& listener) override;
    long pump() override;
    bool waitForEvents(long) override { return !m_queue.empty(); }
    void flush() override {}
    int getFileDescriptor() const override { return STUB_FILE_DESCRIPTOR; }
    Corvane::MathTools::CDimension getScreenSize() const override { return Corvane::MathTools::CDimension(1024, 768); }

    /** Delivered to the window at the next pump, if it is still there. */
    void send(unsigned long window, const Corvane::GUI::Windowing::SWindowInput& input);
    CStubBackend* backendOf(unsigned long window) const;

    std::vector<CStubBackend*> backends;
    unsigned long nextId = 1;

private:
    std::vector<std::pair<unsigned long, Corvane::GUI::Windowing::SWindowInput>> m_queue;
};

}  // namespace GuiTests
