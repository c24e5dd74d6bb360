#pragma once

namespace Corvane { namespace GUI { namespace Windowing {

class IWindowConnection;

/**
 * The one factory of the windowing layer: a window tree without a connection
 * asks it for one when its first platform window is made. The platform's
 * backend (a folder of its own beside this file) supplies its connections;
 * tests may hand out connections of their own instead.
 */
class CWindowSystem {
public:
    typedef IWindowConnection* (*TConnectionFactory)();

    /** A new connection, not yet referenced; null when there is no window system to connect to (no display). */
    static IWindowConnection* openConnection();
    /** Connections opened from now on come from factory; null gives the platform's own again. */
    static void setConnectionFactory(TConnectionFactory factory);
    /**
     * The scale factor the desktop asks for (IWindowConnection), for a window
     * that has no connection yet: asked of a connection opened for the
     * question and closed again. 1 when there is no window system.
     */
    static double getDesktopScaleFactor();

    CWindowSystem() = delete;

private:
    /** Defined by the platform's backend. */
    static IWindowConnection* openPlatformConnection();
};

}}}  // namespace Corvane::GUI::Windowing
