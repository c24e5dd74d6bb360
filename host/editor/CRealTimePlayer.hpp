#pragma once

#include "CDemoSignal.hpp"
#include "IEffectSession.hpp"

#include <atomic>
#include <thread>
#include <vector>

namespace Tenvira { namespace Editor {

/**
 * Feeds an effect the demo passage, looped, in real time on a thread of its
 * own, as a DAW's audio thread does while an editor is open. The output is
 * dropped: what matters is that the effect runs (and its meter moves). The
 * key inputs stay silent. The loop allocates nothing and takes no lock.
 */
class CRealTimePlayer {
public:
    CRealTimePlayer(Render::IEffectSession& session, int sampleRate, int blockSize);
    ~CRealTimePlayer();

    void start();
    /** Returns once the thread has finished its block. */
    void stop();
    long blocks() const { return m_blocks.load(std::memory_order_relaxed); }

    CRealTimePlayer(const CRealTimePlayer&) = delete;
    CRealTimePlayer& operator=(const CRealTimePlayer&) = delete;

private:
    void run();

    Render::IEffectSession& m_session;
    const Render::CDemoSignal m_signal;
    const int m_blockSize;
    std::vector<std::vector<float>> m_inputs;
    std::vector<std::vector<float>> m_outputs;
    std::vector<float*> m_inputPointers;
    std::vector<float*> m_outputPointers;
    std::atomic<bool> m_running{false};
    std::atomic<long> m_blocks{0};
    std::thread m_thread;
};

}}  // namespace Tenvira::Editor
