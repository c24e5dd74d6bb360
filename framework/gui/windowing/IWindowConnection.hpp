#pragma once

#include "basics/ICountedObject.hpp"
#include "math/CDimension.hpp"

namespace Corvane { namespace GUI { namespace Windowing {

class IWindowBackend;
class IWindowInputListener;

/**
 * A window tree's connection to the window system (CWindowSystem opens it):
 * the windows of one tree are made on it, and their events are read from it,
 * never from another. A counted object: every window made on it holds it, and
 * it closes when the last one lets go. Like its tree, it belongs to the one
 * thread that pumps it.
 *
 * A host that runs a loop of its own can watch getFileDescriptor(): when it
 * becomes readable, the tree has events to pump.
 */
class IWindowConnection : public virtual Corvane::Basics::ICountedObject {
public:
    ~IWindowConnection() override = default;

    /** A backend for one window of the tree, with no platform window yet; its input goes to listener. */
    virtual IWindowBackend* createWindow(IWindowInputListener& listener) = 0;
    /**
     * Reads every pending event without waiting and hands each to the
     * listener of its window; events of windows gone are dropped. Listeners
     * may make and destroy windows, and pump again. Answers the events read.
     */
    virtual long pump() = 0;
    /** Waits until an event can be read, at most maxMilliseconds; true when one can. */
    virtual bool waitForEvents(long maxMilliseconds) = 0;
    /** Sends the requests made so far. */
    virtual void flush() = 0;
    /** The descriptor that becomes readable when events arrive; -1 when there is none. */
    virtual int getFileDescriptor() const = 0;
    /** The size of the screen the tree's windows are on, in its pixels. */
    virtual Corvane::MathTools::CDimension getScreenSize() const = 0;
    /** The scale the desktop asks windows to be drawn at (CScaleFactor::fromDesktopSettings); 1 when it says nothing. */
    virtual double getDesktopScaleFactor() const = 0;
};

}}}  // namespace Corvane::GUI::Windowing
