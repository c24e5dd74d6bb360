#pragma once

#include "gui/listeners/IActionListener.hpp"
#include "gui/windowing/CWindow.hpp"
#include "gui/windowing/ITimedObject.hpp"
#include "plugin/IPluginController.hpp"
#include "plugin/IPluginEditor.hpp"

#include "AEffEditor.hpp"

#include <atomic>
#include <memory>
#include <thread>

class AudioEffect;

namespace Corvane { namespace Vst {

class CVstSizeMenu;

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
 * Scale: the editor is drawn at one factor (CWindow::setScaleFactor), the
 * first of: the host's (setHostScaleFactor), the user's choice for every
 * editor of the module (setUserScaleFactor, from the "Editor size" menu that
 * a right click on the panel away from the controls opens), the desktop's
 * (Xft.dpi / 96, then GDK_SCALE, at the nearest step), else 1. getRect
 * answers the size at that factor. When it changes while the editor is open,
 * the editor asks the host through its plug-in to take the new size and
 * takes it itself if the host does; a host that refuses keeps the editor at
 * its old size. The host's own factor is taken whatever the host answers.
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

    /** The editor's size on the screen (its size at its factor), whether open or not. */
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

    /**
     * The factor the host draws the editor's window at (effVendorSpecific):
     * from now on it decides the editor's size, open or not. False, with
     * nothing changed, for a factor that is not a positive number; others are
     * held within 1 .. 3. The editor's thread.
     */
    bool setHostScaleFactor(double factor);
    /**
     * The user's choice of factor for every editor of the module, 0 for none.
     * Any thread: open editors follow it at their next idle (the editor that
     * the choice was made in at once).
     */
    static void setUserScaleFactor(double factor);
    static double getUserScaleFactor();
    /** Whether the host decides the factor (the user's choice then changes nothing). */
    bool isScaleFactorFromHost() const { return m_hostScaleFactor > 0.0; }
    /** The factor the editor is to be drawn at now: the host's, the user's, the desktop's or 1. */
    double chooseScaleFactor();
    /**
     * Takes the chosen factor if the editor is open and is drawn at another:
     * asks the host for the new size and takes it when the host does.
     */
    void followScaleFactor();
    /**
     * From now on a right click (or Alt-click) on the panel, away from every
     * control that takes the mouse, opens the "Editor size" menu
     * (CVstSizeMenu), drawn with the attributes (copied).
     */
    void offerSizeMenu(GUI::Windowing::CWindowAttributes* attributes);
    /** Null until offerSizeMenu. */
    CVstSizeMenu* getSizeMenu() const { return m_sizeMenu.get(); }

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
        bool resizeEditor(long width, long height) override;

    private:
        CVstWindow& m_window;
    };

    ERect m_editorRect;
    /** The host's factor, 0 for none. The editor's thread. */
    double m_hostScaleFactor;
    /** The desktop's factor as last read, 0 before it is read. The editor's thread. */
    double m_desktopScaleFactor;
    /** The factor last asked for while open: a host that refused is not asked again for the same. */
    double m_followedScaleFactor;
    /** The thread that set the from-editor mark, or none: written by the editor's thread, read by any. */
    std::atomic<std::thread::id> m_parameterSetFromEditor;
    CVstWindowTimer m_windowTimer;
    CVstEffectController m_effectController;
    Plugin::IPluginController* m_plugin;
    std::unique_ptr<CVstSizeMenu> m_sizeMenu;
    bool m_pumping;
    bool m_leftPressInside;
};

}}  // namespace Corvane::Vst
