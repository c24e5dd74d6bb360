#pragma once

namespace Corvane { namespace Plugin {

/**
 * A plug-in as its editor sees it, whatever the plug-in format: where the
 * user's changes go. The editor knows parameters by index and normalised
 * value (0..1); the plug-in's shell turns them into what its host expects.
 *
 * @code
 * // The editor, when the user turns the knob of parameter 1:
 * if (Plugin::IPluginController* plugin = getPlugin()) {
 *     plugin->setParameterFromEditor(1, 0.6f);
 * }
 * @endcode
 */
class IPluginController {
public:
    virtual ~IPluginController() = default;

    /**
     * The user set parameter index to value in the editor: the plug-in takes
     * it, and its host records it as the user's change (automation). The
     * plug-in does not report this change back to the editor: the editor
     * shows it already. The editor's thread only.
     */
    virtual void setParameterFromEditor(long index, float value) = 0;
    /**
     * The editor asks its host to make the editor's window width x height
     * (the screen's pixels), as its scale changed; true when the host did.
     * The editor's thread.
     */
    virtual bool resizeEditor(long width, long height) = 0;
};

}}  // namespace Corvane::Plugin
