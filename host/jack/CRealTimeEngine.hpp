#pragma once

#include "CVstEventBuffer.hpp"

#include <atomic>

namespace DevHost {
class CPluginInstance;
}

namespace Tenvira { namespace Jack {

/**
 * What tenvira-jack does in JACK's process callback, apart from JACK itself:
 * the block's MIDI to the effect (effProcessEvents), then processReplacing on
 * the port buffers themselves. Nothing here allocates, locks, prints or makes
 * a system call, and no buffer of its own depends on the server's buffer size.
 *
 * A plug-in may rely on never getting more frames at once than the block
 * size it was told. When the server's buffer grows, the blocks that come
 * before the main thread has told the effect are processed in parts of the
 * told size, each with its share of the MIDI. The main thread holds the
 * engine while it suspends, reconfigures and resumes the effect: held blocks
 * come out silent and their MIDI is dropped.
 */
class CRealTimeEngine {
public:
    explicit CRealTimeEngine(DevHost::CPluginInstance& instance);

    // Audio thread.
    /** The block's MIDI, filled before process. */
    CVstEventBuffer& events() { return m_events; }
    /** inputs: in_l, in_r, key_l, key_r; outputs: out_l, out_r; all of `frames` samples. */
    void process(float* const* inputs, float* const* outputs, int frames);

    // Main thread.
    /** The largest block the effect was told; before any block is processed, else while held. */
    void setBlockSize(int frames) { m_blockSize.store(frames); }
    /** Returns once the audio thread is outside the effect; until release, it stays out. */
    void hold();
    void release();
    /** Blocks the effect has processed. */
    long blocks() const { return m_blocks.load(std::memory_order_relaxed); }

    static constexpr int INPUTS = 4;
    static constexpr int OUTPUTS = 2;

    CRealTimeEngine(const CRealTimeEngine&) = delete;
    CRealTimeEngine& operator=(const CRealTimeEngine&) = delete;

private:
    void processPart(float* const* inputs, float* const* outputs, int first, int frames, const CVstEventBuffer& events);

    DevHost::CPluginInstance& m_instance;
    CVstEventBuffer m_events;
    CVstEventBuffer m_partEvents;     // audio thread only
    std::atomic<int> m_blockSize{0};  // written by the main thread, read by the audio thread
    // hold and process meet as in Dekker's protocol: each stores its own flag, then reads the
    // other's, both sequentially consistent, so at most one of them goes on into the effect.
    std::atomic<bool> m_held{false};    // written by the main thread
    std::atomic<bool> m_inside{false};  // written by the audio thread while it may call the effect
    std::atomic<long> m_blocks{0};      // written by the audio thread, read anywhere
};

}}  // namespace Tenvira::Jack
