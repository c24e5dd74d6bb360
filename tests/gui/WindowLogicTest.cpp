// The window logic above the window system's seam, against a stub window
// system: timers that fire only inside a pump, requests painted once, input
// routed to controls and listeners, a press that ends when its release cannot
// come, an embedded window and its menu; and the pop-up menu's picture.
#include "GuiTestSupport.hpp"

#include "gui/controls/CControlRoot.hpp"
#include "gui/controls/CKnob.hpp"
#include "gui/controls/CMenu.hpp"
#include "gui/controls/CMenuItem.hpp"
#include "gui/controls/CMomentaryButton.hpp"
#include "gui/controls/CPopupButton.hpp"
#include "gui/events/CActionEvent.hpp"
#include "gui/fonts/CFont.hpp"
#include "gui/listeners/IActionListener.hpp"
#include "gui/listeners/IFocusListener.hpp"
#include "gui/listeners/IWindowChangeListener.hpp"
#include "gui/windowing/CMenuWindow.hpp"
#include "gui/windowing/CWindow.hpp"
#include "gui/windowing/CWindowSystem.hpp"
#include "gui/windowing/ITimedObject.hpp"
#include "gui/windowing/IWindowBackend.hpp"
#include "gui/windowing/IWindowConnection.hpp"

#include <gtest/gtest.h>

#include <algorithm>
#include <functional>
#include <utility>

using namespace GuiTests;
using namespace Corvane::GUI::Windowing;
using Corvane::Collections::TAutomaticPointer;
using Corvane::GUI::Controls::CKnob;
using Corvane::GUI::Controls::CMomentaryButton;
using Corvane::GUI::Graphics::CDeviceScale;

namespace {

// One window of the stub: what was asked of it, and the areas painted, on a picture of its own.
class CStubBackend : public IWindowBackend {
public:
    CStubBackend(std::vector<CStubBackend*>& all, IWindowInputListener& inputListener)
        : listener(inputListener),
          m_all(all)
    {
        m_all.push_back(this);
    }
    ~CStubBackend() override { m_all.erase(std::find(m_all.begin(), m_all.end(), this)); }

    bool createTopLevel(const CRect& area, const CWindowAttributes&, CWindow::EWindowRole) override
    {
        areas.push_back(area);
        return made();
    }
    bool createPopup(const CRect& area, double) override
    {
        areas.push_back(area);
        return made();
    }
    bool createChild(unsigned long parent, const CDimension& size) override
    {
        areas.push_back(CRect(CPoint(0, 0), size));
        return (shown = parent != 0) && made();
    }
    unsigned long getWindowId() const override { return m_id; }
    bool isShown() const override { return shown; }
    void show() override { shown = true; }
    void hide() override { shown = false; }
    void moveAndResize(const CRect& area) override { areas.push_back(area); }
    void setOpacity(double) override {}
    void setCursor(CCursor::ECursorShape) override {}
    bool grabPointer() override { return true; }
    void requestFocus() override {}
    bool getScreenPosition(CPoint&) const override { return false; }
    bool beginPaint(CGraphics& graphics, const CDimension& size, double scale, bool& whole) override
    {
        const CDimension pixels = Corvane::GUI::Graphics::CDeviceScale(scale).toDevice(size);
        whole = !m_picture.hasPointer() || m_picture->getImageSize() != pixels;
        if (whole) {
            m_picture = new CRGBAImage(pixels.getWidth(), pixels.getHeight(), false);
        }
        return m_picture->initialiseGraphics(graphics, scale);
    }
    void endPaint(CGraphics& graphics, const CRect& area) override
    {
        graphics.uninitialise();
        paints.push_back(area);
    }

    IWindowInputListener& listener;
    bool shown = false;
    /** Where the window was made and every move and resize since, in the screen's pixels. */
    std::vector<CRect> areas;
    std::vector<CRect> paints;
    CDimension pictureSize() const { return m_picture->getImageSize(); }

private:
    bool made()
    {
        static unsigned long next = 1;
        m_id = next++;
        return true;
    }

    std::vector<CStubBackend*>& m_all;
    unsigned long m_id = 0;
    TAutomaticPointer<CRGBAImage> m_picture;
};

// The stub's connection: its windows, and the input a test hands in for the next pump. The last one opened
// is the tests' while it lives.
class CStubConnection : public Corvane::Basics::CCountedObject, public IWindowConnection {
public:
    static constexpr int STUB_FILE_DESCRIPTOR = 7;
    static CStubConnection* latest;

    static IWindowConnection* open() { return latest = new CStubConnection(); }
    ~CStubConnection() override { latest = latest == this ? nullptr : latest; }

    IWindowBackend* createWindow(IWindowInputListener& listener) override
    {
        return new CStubBackend(backends, listener);
    }
    long pump() override
    {
        std::vector<std::pair<unsigned long, SWindowInput>> queue;
        queue.swap(m_queue);
        for (const auto& item : queue) {
            if (CStubBackend* backend = backendOf(item.first)) {
                backend->listener.handlePlatformInput(item.second);
            }
        }
        return static_cast<long>(queue.size());
    }
    bool waitForEvents(long) override { return !m_queue.empty(); }
    void flush() override {}
    int getFileDescriptor() const override { return STUB_FILE_DESCRIPTOR; }
    CDimension getScreenSize() const override { return CDimension(1024, 768); }
    double getDesktopScaleFactor() const override { return 1.0; }

    void send(unsigned long window, const SWindowInput& input) { m_queue.emplace_back(window, input); }
    CStubBackend* backendOf(unsigned long window) const
    {
        const auto found = std::find_if(backends.begin(), backends.end(),
                                        [window](CStubBackend* backend) { return backend->getWindowId() == window; });
        return found != backends.end() ? *found : nullptr;
    }

    std::vector<CStubBackend*> backends;

private:
    std::vector<std::pair<unsigned long, SWindowInput>> m_queue;
};

CStubConnection* CStubConnection::latest = nullptr;

class CTimedCounter : public ITimedObject {
public:
    explicit CTimedCounter(long id, std::function<void()> onFire = nullptr) : m_id(id), m_onFire(std::move(onFire)) {}
    void timerExpired() override
    {
        ++count;
        if (m_onFire) {
            m_onFire();
        }
    }
    long getTimerId() const override { return m_id; }
    int count = 0;

private:
    long m_id;
    std::function<void()> m_onFire;
};

class CActionCounter : public Corvane::GUI::Listeners::IActionListener {
public:
    void handleActionEvent(const Corvane::GUI::Events::CActionEvent&) override { ++count; }
    int count = 0;
};

class CListenerCounter : public Corvane::GUI::Listeners::IWindowChangeListener,
                         public Corvane::GUI::Listeners::IFocusListener {
public:
    void windowSized(IWindow*) override {}
    void windowMoved(IWindow*) override {}
    void windowClosed(IWindow*) override { ++closed; }
    void windowOpened(IWindow*) override {}
    void windowMinimised(IWindow*) override {}
    void windowMaximised(IWindow*) override {}
    void gainedFocus(IWindow*) override { ++gained; }
    void lostFocus(IWindow*) override { ++lost; }
    int closed = 0, gained = 0, lost = 0;
};

class StubWindows : public ::testing::Test {
protected:
    void SetUp() override { CWindowSystem::setConnectionFactory(&CStubConnection::open); }
    void TearDown() override { CWindowSystem::setConnectionFactory(nullptr); }

    static void show(CWindow& window)
    {
        CWindowAttributes attributes;
        window.initialiseWindow(&attributes, true);
    }
    static CStubBackend& backendOf(const CWindow& window)
    {
        return *CStubConnection::latest->backendOf(window.getWindowHandle());
    }
    static SWindowInput pointer(EWindowInputKind kind, long x, long y, bool held,
                                EWindowInputButton button = e_leftButton)
    {
        SWindowInput input;
        input.kind = kind;
        input.x = x;
        input.y = y;
        input.button = button;
        input.leftButtonHeld = held;
        return input;
    }
    static SWindowInput only(EWindowInputKind kind)
    {
        SWindowInput input;
        input.kind = kind;
        return input;
    }
    static void send(CWindow& window, const SWindowInput& input)
    {
        CStubConnection::latest->send(window.getWindowHandle(), input);
        window.pump();
    }
};

}  // namespace

TEST_F(StubWindows, TimersFireByIdOnlyInsidePumpsOfAWindowThatIsMadeAndStartedOnesWaitForTheNextPump)
{
    CWindow window(CRect(0, 0, 100, 100));
    CTimedCounter first(1), second(1), other(2);
    CTimedCounter stopped(4);
    CTimedCounter started(5);
    CTimedCounter starter(3, [&] {
        window.stopTimer(4);
        window.startTimer(5, 0);
    });
    for (ITimedObject* object :
         {static_cast<ITimedObject*>(&first), static_cast<ITimedObject*>(&second), static_cast<ITimedObject*>(&other),
          static_cast<ITimedObject*>(&first), static_cast<ITimedObject*>(&starter),
          static_cast<ITimedObject*>(&stopped), static_cast<ITimedObject*>(&started)}) {
        window.addTimedObject(object);
    }
    // Started before the window has a connection: nothing is opened, nothing fires.
    window.startTimer(1, 600000);
    EXPECT_EQ(window.pump(), 0);
    EXPECT_EQ(window.getConnectionFileDescriptor(), -1);
    show(window);
    EXPECT_EQ(window.getConnectionFileDescriptor(), CStubConnection::STUB_FILE_DESCRIPTOR);
    // It fires at the first pump, then after its interval: not at the second.
    window.pump();
    window.pump();
    EXPECT_EQ(first.count, 1);
    EXPECT_EQ(second.count, 1);
    EXPECT_EQ(other.count, 0);
    window.stopTimer(1);
    window.startTimer(1, 0);
    window.pump();
    window.pump();
    EXPECT_EQ(first.count, 3);

    // One firing stops a later timer and starts another: the stopped one is silent, the new one waits a pump.
    window.startTimer(3, 600000);
    window.startTimer(4, 600000);
    window.pump();
    EXPECT_EQ(starter.count, 1);
    EXPECT_EQ(stopped.count, 0);
    EXPECT_EQ(started.count, 0);
    window.pump();
    EXPECT_EQ(started.count, 1);

    // Without its platform window nothing fires; made again, the timers go on at the next pump.
    window.destroyWindow();
    EXPECT_EQ(window.pump(), 0);
    EXPECT_EQ(first.count, 5);
    show(window);
    window.pump();
    EXPECT_EQ(first.count, 6);
}

TEST_F(StubWindows, RequestsBetweenPumpsArePaintedOnceAsTheirUnionAndNothingIsPaintedWhileHidden)
{
    CWindow window(CRect(0, 0, 200, 150));
    CProbeControl* probe = new CProbeControl(window.getControlRoot(), 1, CRect(20, 30, 60, 40));
    window.getControlRoot()->addControl(probe);
    show(window);
    window.pump();
    EXPECT_EQ(backendOf(window).paints, std::vector<CRect>({CRect(0, 0, 200, 150)}));
    EXPECT_EQ(probe->draws, 1);

    probe->update();
    window.redrawWindow(CRect(150, 100, 10, 10));
    EXPECT_EQ(window.getPendingUpdateArea(), CRect(20, 30, 140, 80));
    window.pump();
    window.pump();
    EXPECT_EQ(backendOf(window).paints.size(), 2u);
    EXPECT_EQ(backendOf(window).paints.back(), CRect(20, 30, 140, 80));
    EXPECT_EQ(probe->draws, 2);

    window.closeWindow();
    window.redrawWindow();
    window.pump();
    EXPECT_EQ(backendOf(window).paints.size(), 2u);
}

TEST_F(StubWindows, InputReachesControlsAndListenersASecondInitialiseChangesNothingAndACloseRequestHides)
{
    CWindow window(CRect(0, 0, 200, 150));
    CProbeControl* probe = new CProbeControl(window.getControlRoot(), 1, CRect(20, 30, 60, 40));
    window.getControlRoot()->addControl(probe);
    CListenerCounter listener;
    window.registerWindowChangeListener(&listener);
    window.registerFocusListener(&listener);
    CWindowAttributes first;
    first.setTitle("First");
    window.initialiseWindow(&first, true);
    const unsigned long handle = window.getWindowHandle();
    CWindowAttributes second;
    second.setTitle("Second");
    second.initialise(CWindowAttributes::CWINDOWATTRIBUTES_STYLE_PLAIN);
    window.initialiseWindow(&second, true);
    EXPECT_EQ(window.getWindowHandle(), handle);
    EXPECT_STREQ(window.getWindowAttributes()->getTitle().getString(), "First");
    EXPECT_FALSE(window.getWindowAttributes()->isPlain());

    // Alt with the left button is the right click; the left release stays the left one's.
    for (const auto& press :
         std::vector<std::pair<EWindowInputKind, EWindowInputButton>>{{e_inputButtonDown, e_leftButton},
                                                                      {e_inputButtonUp, e_leftButton},
                                                                      {e_inputButtonDown, e_rightButton},
                                                                      {e_inputButtonUp, e_rightButton},
                                                                      {e_inputDoubleClick, e_leftButton}}) {
        send(window, pointer(press.first, 30, 40, false, press.second));
    }
    SWindowInput alt = pointer(e_inputButtonDown, 30, 40, false);
    alt.alt = true;
    send(window, alt);
    alt.kind = e_inputButtonUp;
    send(window, alt);
    for (long turn : {1, -1}) {
        SWindowInput wheel = pointer(e_inputWheel, 30, 40, false, e_noButton);
        wheel.wheel = turn;
        send(window, wheel);
        EXPECT_EQ(probe->lastWheel, static_cast<double>(turn));
    }
    SWindowInput key = only(e_inputKeyDown);
    key.keyCharacter = 'a';
    send(window, key);
    EXPECT_EQ(probe->log, std::vector<std::string>({"down 10,10", "up 10,10", "right-down 10,10", "right-up 10,10",
                                                    "double 10,10", "right-down 10,10 alt", "up 10,10 alt",
                                                    "scroll 10,10", "scroll 10,10", "key a"}));
    send(window, only(e_inputFocusIn));
    send(window, only(e_inputFocusOut));
    EXPECT_EQ(listener.gained, 1);
    EXPECT_EQ(listener.lost, 1);

    // The window manager's close: the listener is told, the window hidden, not destroyed.
    send(window, only(e_inputCloseRequested));
    EXPECT_EQ(listener.closed, 1);
    EXPECT_FALSE(backendOf(window).shown);
    EXPECT_TRUE(window.isWindowCreated());
    EXPECT_FALSE(window.isWindowOpen());
}

TEST_F(StubWindows, AnEmbeddedWindowNeedsAParentIsMadeOnceAndItsMenuClosesWhenTheHostDestroysIt)
{
    CWindow editor(CRect(0, 0, 120, 80));
    EXPECT_FALSE(editor.createEmbeddedWindow(0));
    ASSERT_TRUE(editor.createEmbeddedWindow(99));
    EXPECT_FALSE(editor.createEmbeddedWindow(99));
    TAutomaticPointer<Corvane::GUI::Controls::CMenu> menu;
    menu = new Corvane::GUI::Controls::CMenu("menu");
    menu->addMenuItem(new Corvane::GUI::Controls::CMenuItem("item", 0));
    CWindowAttributes attributes;
    CMenuWindow menuWindow(CRect(0, 0, 50, 100), &attributes, menu.getPointer(), false, nullptr);
    menuWindow.setParentWindow(&editor);
    menuWindow.openPopupWindow(CPoint(10, 10));
    ASSERT_TRUE(menuWindow.isWindowOpen());
    send(editor, only(e_inputDestroyed));
    EXPECT_FALSE(editor.isWindowOpen());
    EXPECT_FALSE(menuWindow.isWindowOpen());
    // Closed and made again, as a host does with an editor.
    editor.destroyWindow();
    EXPECT_EQ(editor.getWindowHandle(), 0u);
    EXPECT_FALSE(editor.isWindowCreated());
    EXPECT_TRUE(editor.createEmbeddedWindow(99));
}

TEST_F(StubWindows, APressEndsWhenItsReleaseCannotComeSoNoKnobTurnsAndNoButtonStaysDown)
{
    CWindow window(CRect(0, 0, 200, 200));
    CActionCounter listener;
    CKnob* knob = new CKnob(window.getControlRoot(), 1, CRect(0, 0, 64, 64), &listener);
    window.getControlRoot()->addControl(knob);
    CMomentaryButton* button = new CMomentaryButton(window.getControlRoot(), 2, CRect(100, 100, 40, 20), &listener);
    window.getControlRoot()->addControl(button);

    SWindowInput hidden;
    hidden.kind = e_inputHidden;
    SWindowInput grabbed = pointer(e_inputLeave, 30, 30, true);
    grabbed.grabChange = true;
    const auto reopen = [&] {
        if (window.hasPlatformWindow()) {
            window.openWindow();
        } else {
            ASSERT_TRUE(window.createEmbeddedWindow(99));
        }
    };
    const std::vector<std::pair<const char*, std::function<void()>>> ends = {
        {"hidden", [&] { send(window, hidden); }},
        {"a grab elsewhere", [&] { send(window, grabbed); }},
        {"back without the button", [&] { send(window, pointer(e_inputEnter, 30, 30, false)); }},
        {"closed", [&] { window.closeWindow(); }},
        {"destroyed", [&] { window.destroyWindow(); }},
        {"destroyed by its host", [&] { send(window, only(e_inputDestroyed)); }},
    };
    for (const auto& end : ends) {
        SCOPED_TRACE(end.first);
        reopen();
        knob->setValue(0.5);
        send(window, pointer(e_inputButtonDown, 30, 30, false));
        send(window, pointer(e_inputMotion, 30, 20, true));
        ASSERT_DOUBLE_EQ(knob->getValue(), 0.55);
        end.second();
        EXPECT_FALSE(knob->isDragging());
        EXPECT_FALSE(window.getControlRoot()->controlIsLocked());
        reopen();
        const int notified = listener.count;
        send(window, pointer(e_inputMotion, 30, 0, false));
        EXPECT_DOUBLE_EQ(knob->getValue(), 0.55);
        EXPECT_EQ(listener.count, notified);

        send(window, pointer(e_inputButtonDown, 110, 110, false));
        ASSERT_TRUE(button->isDown());
        end.second();
        EXPECT_FALSE(button->isDown());
        EXPECT_EQ(listener.count, notified);
    }
    // A motion with the button held still drags, wherever the pointer goes.
    reopen();
    send(window, pointer(e_inputButtonDown, 30, 30, false));
    send(window, pointer(e_inputMotion, 300, -40, true));
    EXPECT_DOUBLE_EQ(knob->getValue(), 1.0);
}

TEST_F(StubWindows, AtAScaleThePlatformWindowIsLargerWhileSizesEventsAndRepaintsStayInTheWindowsOwnPixels)
{
    for (double factor : {1.5, 2.0}) {
        SCOPED_TRACE(factor);
        const CDeviceScale scale(factor);
        CWindow window(CRect(100, 50, 200, 150));
        Corvane::GUI::Controls::CControlRoot* root = window.getControlRoot();
        CActionCounter listener;
        CKnob* knob = new CKnob(root, 1, CRect(0, 0, 64, 64), &listener);
        root->addControl(knob);
        CProbeControl* probe = new CProbeControl(root, 2, CRect(100, 80, 40, 30));
        root->addControl(probe);
        TAutomaticPointer<Corvane::GUI::Controls::CMenu> menu;
        menu = new Corvane::GUI::Controls::CMenu("Valve");
        menu->addMenuItem(new Corvane::GUI::Controls::CMenuItem("Valve Bypass", 0));
        auto* popup = new Corvane::GUI::Controls::CPopupButton(root, 3, CRect(20, 100, 44, 24), menu.getPointer(),
                                                               &listener, nullptr);
        CWindowAttributes menuAttributes;
        popup->setMenuWindowAttributes(&menuAttributes, false);
        root->addControl(popup);

        window.setScaleFactor(factor);
        EXPECT_EQ(window.getWindowSize(), CDimension(200, 150));
        show(window);
        window.pump();
        CStubBackend& backend = backendOf(window);
        const CDimension pixels = scale.toDevice(CDimension(200, 150));
        EXPECT_EQ(backend.areas, std::vector<CRect>({CRect(CPoint(100, 50), pixels)}));
        EXPECT_EQ(backend.paints.back(), CRect(CPoint(0, 0), pixels));
        EXPECT_EQ(backend.pictureSize(), pixels);

        // The probe's left edge: its first device column hits it, the one before does not.
        const long edge = scale.toDevice(100L);
        send(window, pointer(e_inputButtonDown, edge - 1, scale.toDevice(90L), false));
        EXPECT_EQ(probe->lastEvent, "");
        send(window, pointer(e_inputButtonDown, edge, scale.toDevice(90L), false));
        EXPECT_EQ(probe->lastEvent, "down");
        EXPECT_EQ(probe->lastPosition, CPoint(0, 10));
        send(window, pointer(e_inputButtonUp, edge, scale.toDevice(90L), false));

        // Twenty screen pixels of drag are twenty pixels of the screen: 10 of the window's own at 2x.
        knob->setValue(0.5);
        send(window, pointer(e_inputButtonDown, 40, 40, false));
        send(window, pointer(e_inputMotion, 40, 20, true));
        EXPECT_DOUBLE_EQ(knob->getValue(),
                         0.5 + 0.005 * static_cast<double>(scale.toLogical(40) - scale.toLogical(20)));
        if (factor == 2.0) {
            EXPECT_DOUBLE_EQ(knob->getValue(), 0.55);
        }
        send(window, pointer(e_inputButtonUp, 40, 20, false));

        // An exposure is repainted over all its screen pixels; a control's request over the pixels it covers.
        SWindowInput exposure;
        exposure.kind = e_inputExpose;
        exposure.areaLeft = 3;
        exposure.areaTop = 7;
        exposure.areaWidth = 5;
        exposure.areaHeight = 2;
        send(window, exposure);
        EXPECT_EQ(backend.paints.back(), scale.toDevice(scale.toLogical(CRect(3, 7, 5, 2))));
        probe->update();
        window.pump();
        EXPECT_EQ(backend.paints.back(), scale.toDevice(CRect(100, 80, 40, 30)));

        // The menu opens one pixel of the window's inside the button's bottom-left corner, at the menu's size scaled.
        send(window, pointer(e_inputButtonDown, scale.toDevice(30L), scale.toDevice(110L), false));
        send(window, pointer(e_inputButtonUp, scale.toDevice(30L), scale.toDevice(110L), false));
        Corvane::GUI::Windowing::CMenuWindow* menuWindow = popup->getMenuWindow();
        ASSERT_TRUE(menuWindow->isWindowOpen());
        const CPoint corner = scale.toDevice(CPoint(21, 123));
        EXPECT_EQ(backendOf(*menuWindow).areas.back(),
                  CRect(CPoint(100 + corner.getXPosition(), 50 + corner.getYPosition()),
                        scale.toDevice(menuWindow->getMenuSize())));

        // Back to 1: the menu closes, the window takes its own size at once and is painted whole.
        window.setScaleFactor(1.0);
        EXPECT_FALSE(menuWindow->isWindowOpen());
        EXPECT_EQ(backend.areas.back(), CRect(100, 50, 200, 150));
        window.pump();
        EXPECT_EQ(backend.paints.back(), CRect(0, 0, 200, 150));
        EXPECT_EQ(backend.pictureSize(), CDimension(200, 150));
    }
}

TEST(MenuPicture, EveryItemsTextSitsAtTheSameHeightInItsItem)
{
    Corvane::GUI::Fonts::CFont::createDefaultFont();
    {
        Corvane::Collections::TAutomaticPointer<Corvane::GUI::Controls::CMenu> menu;
        menu = new Corvane::GUI::Controls::CMenu("Valve");
        for (const char* text : {"Valve Bypass", "Valve Soft", "Valve Dirty"}) {
            menu->addMenuItem(new Corvane::GUI::Controls::CMenuItem(text, menu->getNumberOfMenuItems()));
        }
        CWindowAttributes attributes;
        CMenuWindow window(CRect(0, 0, 44, 100), &attributes, menu.getPointer(), false, nullptr);
        const CDimension size = window.getMenuSize();
        window.setWindowSize(size);
        CCanvas canvas(size.getWidth(), size.getHeight(), false);
        window.draw(canvas.graphics);
        // The first row of each item, inside the menu's outline, with ink of the text.
        const long height = window.getItemHeight();
        std::vector<long> tops;
        for (long item = 0; item < 3; ++item) {
            const CRect inside(2, item * height + 1, size.getWidth() - 4, height - 2);
            const std::vector<std::string> rows = differenceMask(canvas.image(), inside, WHITE, 96);
            long top = -1;
            for (size_t row = 0; row < rows.size() && top < 0; ++row) {
                if (rows[row].find('#') != std::string::npos) {
                    top = static_cast<long>(row);
                }
            }
            EXPECT_GE(top, 0) << "no text in item " << item;
            tops.push_back(top);
        }
        EXPECT_EQ(tops, std::vector<long>(3, tops.front()));
    }
    Corvane::GUI::Fonts::CFont::destroyDefaultFont();
}
