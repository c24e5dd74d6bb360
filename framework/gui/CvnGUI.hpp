#pragma once

namespace Corvane {

/**
 * Starting and stopping the GUI toolkit, once per module load and unload,
 * after the core starts and after it stops. Neither needs a display: hosts
 * load plug-ins in scanning processes that have none.
 */
class CvnGUI {
public:
    /**
     * Creates the default font (looked up only when first drawn), then
     * initialises the image manager. The drawing libraries stay loaded from
     * here on, even after the module is unloaded.
     */
    static void start();
    /** Releases the image manager, then the default font. */
    static void stop();

    CvnGUI() = delete;
};

}  // namespace Corvane
