#pragma once

#include "IEffectSession.hpp"
#include "SRenderOptions.hpp"
#include "SRenderResult.hpp"

#include <atomic>
#include <cstdio>

namespace Tenvira { namespace Render {

/**
 * Renders one file through an effect session, with the host protocol a DAW
 * uses: sample rate, block size, program and parameters, resume, blocks of
 * processing (the last one may be shorter), suspend, close.
 *
 * The effect always runs for the input's length plus its latency, fed with
 * silence at the end, so the latency-compensated output is complete. The file
 * receives either the output as it comes (same length as the input, delayed
 * by the latency) or, with alignment, the compensated output.
 */
class CRenderer {
public:
    /** `progressStream` receives the progress bar for long files (nullptr: none). */
    CRenderer(IEffectSession& session, const SRenderOptions& options, std::FILE* progressStream);

    /** Renders options.input into options.output. Raises CRenderError; no output file
     *  is left behind on failure. The session is closed either way. */
    SRenderResult run();

    /** Asks a running render to stop (safe from a signal handler). */
    static void requestStop();
    static void clearStop();

    /** Envelope window: 10 ms at the given rate. */
    static int windowFramesFor(int sampleRate);

private:
    void configure(SRenderResult& result);
    void checkFiles() const;

    IEffectSession& m_session;
    const SRenderOptions& m_options;
    std::FILE* m_progressStream;

    static std::atomic<bool> s_stopRequested;
};

}}  // namespace Tenvira::Render
