#pragma once

#include "gui/listeners/IActionListener.hpp"
#include "gui/windowing/CWindow.hpp"
#include "gui/windowing/ITimedObject.hpp"
#include "plugin/IPluginController.hpp"
#include "plugin/IPluginEditor.hpp"

#include "AEffEditor.hpp"

#include <atomic>
#include <thread>

class AudioEffect;

namespace Corvane { namespace Vst {

/**
 * A plug-in editor as the host sees it (the editor of the VST interface) and
 * as the framework sees it (a window whose control root holds the editor's
 * controls, and the listener of their action events).
 *
 * open puts the window into the host's window as a child, on a display
 * connection of the editor's own, and returns at once; idle serves that
 * connection (events, timers, painting of what was asked for) without
 * waiting; close destroys the child and the connection. Nothing runs between
 * idle calls: the plug-in has no thread of its own.
 *
 * The editor's window tree belongs to the thread that calls open, idle and
 * close (the host's user-interface thread). setParameter and
 * parameterSetFromEditor may come from any thread; everything else comes from
 * that one.
 *
 * The user's changes go to the editor's plug-in (getPlugin): the effect it
 * was made with, or what another format's shell connects in its place, which
 * then drives the editor as a host does (open in its window, idle, close).
 *
 * @code
 * // The host: effEditGetRect, effEditOpen with its window id, effEditIdle
 * // about 30 times a second, effEditClose; the effect deletes the editor.
 * ERect* rect = nullptr;
 * editor->getRect(&rect);                       // 463 x 465, open or not
 * editor->open(reinterpret_cast<void*>(hostWindowId));
 * editor->idle();
 * editor->close();
 * @endcode
 */
class CVstWindow : public AEffEditor,
                   public GUI::Windowing::CWindow,
                   public GUI::Listeners::IActionListener,
                   public Plugin::IPluginEditor {
public:
    /**
     * The window's own timer. Like every timer of a window tree it fires only
     * inside a pump, which is inside idle: at most every 25 ms, it runs the
     * editor's idle work again after the events of that pump. Nothing runs
     * between the host's idle calls.
     */
    static constexpr long CVSTWINDOW_TIMER_ID = -5000;
    static constexpr long CVSTWINDOW_TIMER_MILLISECONDS = 25;

    /** Registers itself as the effect's editor; the area's size is the editor's size. */
    CVstWindow(AudioEffect* effect, const Corvane::MathTools::CRect& area,
               GUI::Windowing::CWindowAttributes* attributes);
    ~CVstWindow() override;

    /** The editor's size, whether open or not. */
    bool getRect(ERect** rect) override;
    /**
     * The host's window id as parent. False, with nothing made, when there is
     * no display or the parent is gone. Opening again without a close moves
     * the editor into the new parent: there is never a second window.
     * Throws CException for a null parent.
     */
    bool open(void* parent) override;
    void close() override;
    /** Reads the pending events, fires the due timers and paints; returns at once when there is nothing. */
    void idle() override;

    /** Asks for the whole editor to be painted. */
    virtual void update();
    void handleActionEvent(const GUI::Events::CActionEvent& event) override;
    /** A parameter (or the meter's level) changed in the effect; any thread. Nothing here. */
    void setParameter(long index, double value) override;
    /**
     * The from-editor mark. The editor sets it (true, then false) on the
     * user-interface thread around its own calls into the effect; the effect
     * reads it, on whichever thread it is changing a parameter, before it
     * passes the change to the editor, so that the editor's own change is not
     * echoed back to it. It holds only for the thread that set it: what other
     * threads change meanwhile still reaches the editor.
     */
    virtual bool parameterSetFromEditor() const;
    virtual void parameterIsBeingSetFromEditor(bool beingSet);

    /**
     * Where the user's changes go: by default the effect the editor was made
     * with, set with setParameterAutomated under the from-editor mark. A
     * plug-in of another format connects itself instead, and must outlive the
     * connection; null connects nothing.
     */
    void connectPlugin(Plugin::IPluginController* plugin) { m_plugin = plugin; }
    /** Null when the editor has no plug-in. */
    Plugin::IPluginController* getPlugin() const { return m_plugin; }

    CVN_DECLARE_CLASS

protected:
    /** Called when the window is open, before the first paint. */
    virtual void startVSTWindow();
    virtual bool createVSTWindow(void* parent);
    virtual void destroyVSTWindow();
    /**
     * Pointer events at or beyond the right or bottom edge are not passed on;
     * positions left of or above the editor are, so a knob dragged up past the
     * top keeps moving. The release of a press made in the editor always is,
     * so a control that took the mouse lets go of it.
     */
    void handleWindowInput(const GUI::Windowing::SWindowInput& input) override;

private:
    void releaseVSTWindow();

    class CVstWindowTimer : public GUI::Windowing::ITimedObject {
    public:
        explicit CVstWindowTimer(CVstWindow& window) : m_window(window) {}
        void timerExpired() override { m_window.idle(); }
        long getTimerId() const override { return CVSTWINDOW_TIMER_ID; }

    private:
        CVstWindow& m_window;
    };

    // The effect as the editor's plug-in.
    class CVstEffectController : public Plugin::IPluginController {
    public:
        explicit CVstEffectController(CVstWindow& window) : m_window(window) {}
        void setParameterFromEditor(long index, float value) override;

    private:
        CVstWindow& m_window;
    };

    ERect m_editorRect;
    /** The thread that set the from-editor mark, or none: written by the editor's thread, read by any. */
    std::atomic<std::thread::id> m_parameterSetFromEditor;
    CVstWindowTimer m_windowTimer;
    CVstEffectController m_effectController;
    Plugin::IPluginController* m_plugin;
    bool m_pumping;
    bool m_leftPressInside;
};

}}  // namespace Corvane::Vst
