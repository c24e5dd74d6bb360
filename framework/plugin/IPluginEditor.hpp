#pragma once

namespace Corvane { namespace Plugin {

/**
 * A plug-in's editor as the plug-in sees it, whatever the plug-in format:
 * where values the editor did not make itself are reported.
 */
class IPluginEditor {
public:
    virtual ~IPluginEditor() = default;

    /**
     * Parameter index holds value (normalised, 0..1) now, or a reading the
     * plug-in reports under an index of its own (an output level) has that
     * value. Any thread, the audio thread included: the editor stores it
     * without waiting and shows it at its next idle. Indices it does not
     * know it ignores.
     */
    virtual void setParameter(long index, double value) = 0;
};

}}  // namespace Corvane::Plugin
