#pragma once

#include <string>

namespace Tenvira { namespace Render {

/**
 * One loaded and opened effect instance, seen the way a host sees it.
 *
 * The renderer drives a session in the order a DAW does: sample rate, block
 * size, program and parameters, resume, process in blocks, suspend, close.
 * Everything the renderer knows about the effect (names, latency, channel
 * counts) comes through this interface, so it can be exercised without a
 * plug-in binary.
 */
class IEffectSession {
public:
    virtual ~IEffectSession() = default;

    virtual int numInputs() const = 0;
    virtual int numOutputs() const = 0;
    virtual int numParameters() const = 0;
    virtual int numPrograms() const = 0;

    /** The parameter's name as the effect reports it. */
    virtual std::string parameterName(int index) = 0;
    /** The factory program's name (indexed query, not the current program). */
    virtual std::string programName(int index) = 0;

    virtual void setSampleRate(double sampleRate) = 0;
    virtual void setBlockSize(int blockSize) = 0;
    virtual void setProgram(int index) = 0;
    virtual void setParameter(int index, float value) = 0;
    virtual float getParameter(int index) = 0;

    /** Switches processing on; the latency must be read again afterwards. */
    virtual void resume() = 0;
    virtual void suspend() = 0;
    /** The effect's reported initial delay in samples. */
    virtual int latency() = 0;

    /** Replacing process of `frames` samples: inputs has numInputs() channels,
     *  outputs numOutputs(). */
    virtual void process(float** inputs, float** outputs, int frames) = 0;

    /** Closes the effect; further calls are not allowed. Idempotent. */
    virtual void close() = 0;
};

}}  // namespace Tenvira::Render
