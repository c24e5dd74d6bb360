// The host's window for a plug-in editor on X11, made the way a Linux DAW
// makes it: a top-level window on the host's own display connection, whose id
// is handed to effEditOpen so that the editor opens its child window inside it.
#pragma once

#include "CWindowImage.hpp"
#include "IEditorFrame.hpp"

#include <functional>
#include <memory>
#include <string>
#include <thread>
#include <vector>

union _XEvent;

namespace DevHost {

class CPluginInstance;

/**
 * The thread that makes the object is the host's user-interface thread: every
 * call but requestSize must come from it, as must the editor opcodes, which
 * this class sends. Audio may be processed on another thread meanwhile.
 * The instance must outlive the window. Xlib stays inside the source file;
 * window ids travel as unsigned long.
 */
class CHostEditorWindow : public IEditorFrame {
public:
    explicit CHostEditorWindow(CPluginInstance& instance);
    // Closes the editor if it is still open, then the window and the connection.
    ~CHostEditorWindow() override;

    /**
     * Connects to the X server (an empty name: $DISPLAY, as the plug-in does),
     * creates a top-level window at the editor's size (effEditGetRect), titles
     * it, maps it and waits until it is shown. False with the reason in error.
     */
    bool create(const std::string& displayName, const std::string& title, std::string* error = nullptr);
    bool isCreated() const;
    // Renames the window, as a host does when the plug-in's program changes.
    void setTitle(const std::string& title);

    /**
     * effEditOpen with the window's id. The window follows the editor when it
     * reports another size once open. Calling it again while open sends
     * effEditOpen again, as hosts that re-parent an editor do.
     */
    bool openEditor();
    // effEditClose, when open.
    void closeEditor();
    bool isEditorOpen() const { return m_editorOpen; }

    // One turn of the host's loop: its own events without blocking, then effEditIdle while open.
    void idle();
    // The host's own events only: close requests, size changes, keys the editor passed up.
    void pump();
    // Idles about every intervalMilliseconds until done() holds; false when milliseconds passed first.
    bool idleUntil(const std::function<bool()>& done, long milliseconds, long intervalMilliseconds = 10);
    // Waits at most milliseconds for an event on the host's connection.
    void waitForEvent(long milliseconds);

    // The window manager asked to close the window (WM_DELETE_WINDOW), or the window was destroyed.
    bool closeRequested() const { return m_closeRequested; }

    unsigned long windowId() const;
    int width() const { return m_width; }
    int height() const { return m_height; }
    // The windows inside the host window now (the editor's, once open).
    std::vector<unsigned long> childWindows();

    /**
     * What the window shows on the screen now, the editor's child windows
     * included, as 0xRRGGBB; parts off the screen stay black. Empty when the
     * window is not shown. The editor's last drawing may still be on its way
     * to the server: tests poll with idleUntil.
     */
    CWindowImage capture();

    // audioMasterSizeWindow while the editor is open: resizes the window (on the window's thread only).
    bool requestSize(int width, int height) override;

    // The size used when the editor reports none, and the largest side taken.
    static constexpr int DEFAULT_WIDTH = 400;
    static constexpr int DEFAULT_HEIGHT = 300;
    static constexpr int MAX_SIDE = 16384;

    CHostEditorWindow(const CHostEditorWindow&) = delete;
    CHostEditorWindow& operator=(const CHostEditorWindow&) = delete;

private:
    struct SX11;

    void requireWindowThread(const char* operation) const;
    void handleEvent(union _XEvent& event);
    void resize(int width, int height);
    bool editorSize(int& width, int& height);

    CPluginInstance& m_instance;
    const std::thread::id m_windowThread;
    std::unique_ptr<SX11> m_x;
    const void* m_attachedEffect = nullptr;
    bool m_editorOpen = false;
    bool m_closeRequested = false;
    int m_width = 0;
    int m_height = 0;
};

}  // namespace DevHost
