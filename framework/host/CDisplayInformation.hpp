#pragma once

namespace Corvane { namespace Host {

/**
 * Size of the main display in pixels. The windowing layer, which owns the
 * display connection, reports the size when it connects and clears it when it
 * disconnects; without a display the size is 0 x 0.
 */
class CDisplayInformation {
public:
    static long getMonitorScreenWidth();
    static long getMonitorScreenHeight();

    /** Records the main display's size; negative sizes are stored as 0. */
    static void setMonitorScreenSize(long width, long height);
    /** No display any more: the size becomes 0 x 0. */
    static void clearMonitorScreenSize();

    CDisplayInformation() = delete;
};

}}  // namespace Corvane::Host
