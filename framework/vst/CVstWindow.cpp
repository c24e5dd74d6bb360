#include "vst/CVstWindow.hpp"

#include "exceptions/CException.hpp"
#include "gui/controls/CControlRoot.hpp"
#include "gui/windowing/CScaleFactor.hpp"
#include "gui/windowing/CWindowAttributes.hpp"
#include "gui/windowing/CWindowSystem.hpp"
#include "testing/CTrace.hpp"
#include "vst/CVstSizeMenu.hpp"

#include "AudioEffectX.hpp"

#include <cmath>
#include <cstdint>

namespace Corvane { namespace Vst {

using Corvane::MathTools::CDimension;
using Corvane::MathTools::CPoint;
using Corvane::MathTools::CRect;
using GUI::Windowing::CScaleFactor;
using GUI::Windowing::SWindowInput;

namespace {

// The user's choice of factor for every editor of the module, 0 for none: written by any editor's
// thread, read by every editor at its idle.
std::atomic<double> g_userScaleFactor(0.0);
static_assert(std::atomic<double>::is_always_lock_free, "the user's scale factor is not lock-free");

bool isRightPress(const SWindowInput& input)
{
    return input.kind == GUI::Windowing::e_inputButtonDown &&
           (input.button == GUI::Windowing::e_rightButton ||
            (input.button == GUI::Windowing::e_leftButton && input.alt));
}

bool isPointerInput(GUI::Windowing::EWindowInputKind kind)
{
    return kind == GUI::Windowing::e_inputButtonDown || kind == GUI::Windowing::e_inputButtonUp ||
           kind == GUI::Windowing::e_inputDoubleClick || kind == GUI::Windowing::e_inputMotion ||
           kind == GUI::Windowing::e_inputWheel;
}

// Clears a flag when the scope ends, however it ends.
class CFlagScope {
public:
    explicit CFlagScope(bool& flag) : m_flag(flag) { m_flag = true; }
    ~CFlagScope() { m_flag = false; }
    CFlagScope(const CFlagScope&) = delete;
    CFlagScope& operator=(const CFlagScope&) = delete;

private:
    bool& m_flag;
};

// Marks the parameter changes made while it lives as the editor's own, so the effect does not echo them.
class CEditorChangeScope {
public:
    explicit CEditorChangeScope(CVstWindow& editor) : m_editor(editor) { m_editor.parameterIsBeingSetFromEditor(true); }
    ~CEditorChangeScope() { m_editor.parameterIsBeingSetFromEditor(false); }
    CEditorChangeScope(const CEditorChangeScope&) = delete;
    CEditorChangeScope& operator=(const CEditorChangeScope&) = delete;

private:
    CVstWindow& m_editor;
};

}  // namespace

CVN_IMPLEMENT_CLASS(CVstWindow, "CWindow")

CVstWindow::CVstWindow(AudioEffect* effect, const CRect& area, GUI::Windowing::CWindowAttributes* attributes)
    : AEffEditor(effect),
      CWindow(area),
      m_editorRect(),
      m_hostScaleFactor(0.0),
      m_desktopScaleFactor(0.0),
      m_followedScaleFactor(0.0),
      m_parameterSetFromEditor(std::thread::id()),
      m_windowTimer(*this),
      m_effectController(*this),
      m_plugin(effect != nullptr ? &m_effectController : nullptr),
      m_pumping(false),
      m_leftPressInside(false)
{
    CVN_CONSTRUCT_CLASS;
    if (attributes != nullptr) {
        *getWindowAttributes() = *attributes;
    }
    getControlRoot()->isVSTAttatched(true);
    if (effect != nullptr) {
        effect->setEditor(this);
    }
}

CVstWindow::~CVstWindow()
{
    CVN_DESTRUCT_CLASS;
    // Nothing is told of the closing: the listeners of the editor's windows may be gone already.
    releaseVSTWindow();
    m_sizeMenu.reset();
}

bool CVstWindow::getRect(ERect** rect)
{
    // Open, the editor is at the factor it has taken (a host may have refused another); closed, at the
    // factor it will open at.
    if (!hasPlatformWindow()) {
        setScaleFactor(chooseScaleFactor());
    }
    const CDimension size = getPlatformWindowSize();
    m_editorRect.top = 0;
    m_editorRect.left = 0;
    m_editorRect.bottom = static_cast<VstInt16>(size.getHeight());
    m_editorRect.right = static_cast<VstInt16>(size.getWidth());
    if (rect != nullptr) {
        *rect = &m_editorRect;
    }
    return true;
}

bool CVstWindow::open(void* parent)
{
    Testing::CTrace::trace("Calling create window");
    if (!createVSTWindow(parent)) {
        return false;
    }
    startVSTWindow();
    return true;
}

void CVstWindow::close()
{
    destroyVSTWindow();
}

void CVstWindow::idle()
{
    // The window timer fires inside the pump and calls idle again: that call has nothing left to pump.
    if (m_pumping || !hasPlatformWindow()) {
        return;
    }
    const CFlagScope pumping(m_pumping);
    // The user may have chosen a size in another editor.
    followScaleFactor();
    pump();
}

bool CVstWindow::setHostScaleFactor(double factor)
{
    if (!(factor > 0.0) || !std::isfinite(factor)) {
        return false;
    }
    m_hostScaleFactor = CScaleFactor::clamp(factor);
    if (!hasPlatformWindow()) {
        setScaleFactor(m_hostScaleFactor);
        return true;
    }
    // The host has chosen the size: it is told of it, and the editor takes it whatever it answers.
    const double previous = getScaleFactor();
    setScaleFactor(m_hostScaleFactor);
    m_followedScaleFactor = m_hostScaleFactor;
    if (getScaleFactor() != previous) {
        const CDimension size = getPlatformWindowSize();
        if (m_plugin != nullptr) {
            m_plugin->resizeEditor(size.getWidth(), size.getHeight());
        }
    }
    return true;
}

void CVstWindow::setUserScaleFactor(double factor)
{
    g_userScaleFactor.store(factor > 0.0 && std::isfinite(factor) ? CScaleFactor::clamp(factor) : 0.0);
}

double CVstWindow::getUserScaleFactor()
{
    return g_userScaleFactor.load();
}

double CVstWindow::chooseScaleFactor()
{
    if (m_hostScaleFactor > 0.0) {
        return m_hostScaleFactor;
    }
    const double user = getUserScaleFactor();
    if (user > 0.0) {
        return user;
    }
    if (m_desktopScaleFactor <= 0.0) {
        // Open, the editor's own connection knows; closed, one is opened for the question, once.
        m_desktopScaleFactor =
            hasPlatformWindow() ? getDesktopScaleFactor() : GUI::Windowing::CWindowSystem::getDesktopScaleFactor();
    }
    return m_desktopScaleFactor;
}

void CVstWindow::followScaleFactor()
{
    if (!hasPlatformWindow()) {
        return;
    }
    const double chosen = chooseScaleFactor();
    if (chosen == m_followedScaleFactor) {
        return;
    }
    m_followedScaleFactor = chosen;
    if (chosen == getScaleFactor()) {
        return;
    }
    const CDimension size = GUI::Graphics::CDeviceScale(chosen).toDevice(getWindowSize());
    if (m_plugin != nullptr && m_plugin->resizeEditor(size.getWidth(), size.getHeight())) {
        setScaleFactor(chosen);
    }
}

void CVstWindow::offerSizeMenu(GUI::Windowing::CWindowAttributes* attributes)
{
    m_sizeMenu = std::make_unique<CVstSizeMenu>(*this, attributes);
}

void CVstWindow::update()
{
    redrawWindow();
}

void CVstWindow::handleActionEvent(const GUI::Events::CActionEvent&) {}

void CVstWindow::setParameter(long, double) {}

// The audio thread asks too: it must never wait for a lock.
static_assert(std::atomic<std::thread::id>::is_always_lock_free, "the editor's thread id is not lock-free");

bool CVstWindow::parameterSetFromEditor() const
{
    return m_parameterSetFromEditor.load() == std::this_thread::get_id();
}

void CVstWindow::parameterIsBeingSetFromEditor(bool beingSet)
{
    m_parameterSetFromEditor.store(beingSet ? std::this_thread::get_id() : std::thread::id());
}

void CVstWindow::CVstEffectController::setParameterFromEditor(long index, float value)
{
    AudioEffect* effect = m_window.getEffect();
    if (effect != nullptr) {
        const CEditorChangeScope fromEditor(m_window);
        effect->setParameterAutomated(static_cast<VstInt32>(index), value);
    }
}

bool CVstWindow::CVstEffectController::resizeEditor(long width, long height)
{
    AudioEffectX* effect = dynamic_cast<AudioEffectX*>(m_window.getEffect());
    return effect != nullptr && effect->sizeWindow(static_cast<VstInt32>(width), static_cast<VstInt32>(height));
}

void CVstWindow::startVSTWindow() {}

bool CVstWindow::createVSTWindow(void* parent)
{
    if (parent == nullptr) {
        throw Exceptions::CException("Parent window handle is NULL", "CVSTPanel::open(void *)", true);
    }
    // Hosts that move an editor into another window open it again without closing it first.
    destroyVSTWindow();
    // Made at the size getRect answered; the desktop's factor is read again on the editor's own connection.
    setScaleFactor(chooseScaleFactor());
    if (!createEmbeddedWindow(static_cast<unsigned long>(reinterpret_cast<std::uintptr_t>(parent)))) {
        return false;
    }
    m_followedScaleFactor = getScaleFactor();
    m_desktopScaleFactor = getDesktopScaleFactor();
    AEffEditor::open(parent);
    addTimedObject(&m_windowTimer);
    startTimer(CVSTWINDOW_TIMER_ID, CVSTWINDOW_TIMER_MILLISECONDS);
    return true;
}

void CVstWindow::destroyVSTWindow()
{
    // Open menus and the about window are closed as a click elsewhere would close them: a menu reports
    // that it closed without a choice, so its button is up when the editor is opened again.
    closeWindow();
    releaseVSTWindow();
}

void CVstWindow::releaseVSTWindow()
{
    stopTimer(CVSTWINDOW_TIMER_ID);
    clearTimedObjects();
    // The windows the editor owns stay its own and are made again on its next connection.
    destroyWindow();
    AEffEditor::close();
    m_leftPressInside = false;
    // The desktop may be set otherwise by the next opening: it is read again then.
    m_desktopScaleFactor = 0.0;
}

void CVstWindow::handleWindowInput(const SWindowInput& input)
{
    if (input.endsLeftPress()) {
        m_leftPressInside = false;
    }
    if (isPointerInput(input.kind)) {
        const CDimension size = getWindowSize();
        const bool beyond = input.x >= size.getWidth() || input.y >= size.getHeight();
        const bool leftButton = input.button == GUI::Windowing::e_leftButton;
        if (leftButton && input.kind == GUI::Windowing::e_inputButtonUp) {
            const bool pressedInside = m_leftPressInside;
            m_leftPressInside = false;
            if (beyond && !pressedInside) {
                return;
            }
        } else if (beyond) {
            return;
        } else if (m_sizeMenu != nullptr && isRightPress(input) &&
                   getControlRoot()->getMouseEnabledControlAtPoint(CPoint(input.x, input.y)) == nullptr) {
            // The menu's corner at the pointer, on the screen.
            CPoint corner = GUI::Graphics::CDeviceScale(getScaleFactor()).toDevice(CPoint(input.x, input.y));
            corner.offset(getWindowPosition());
            m_sizeMenu->open(corner);
            return;
        } else if (leftButton && input.kind != GUI::Windowing::e_inputMotion) {
            m_leftPressInside = true;
        }
    }
    CWindow::handleWindowInput(input);
}

}}  // namespace Corvane::Vst
