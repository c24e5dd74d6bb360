#include "CRealTimePlayer.hpp"

#include <algorithm>
#include <chrono>

namespace Tenvira { namespace Editor {

namespace {
// Behind by more than this (a debugger, a loaded machine), the player starts afresh instead of racing to catch up.
constexpr std::chrono::milliseconds MAX_LAG(250);
}  // namespace

CRealTimePlayer::CRealTimePlayer(Render::IEffectSession& session, int sampleRate, int blockSize)
    : m_session(session),
      m_signal(sampleRate),
      m_blockSize(blockSize),
      m_inputs(static_cast<std::size_t>(session.numInputs()), std::vector<float>(static_cast<std::size_t>(blockSize))),
      m_outputs(static_cast<std::size_t>(session.numOutputs()), std::vector<float>(static_cast<std::size_t>(blockSize)))
{
    for (auto& channel : m_inputs)
        m_inputPointers.push_back(channel.data());
    for (auto& channel : m_outputs)
        m_outputPointers.push_back(channel.data());
}

CRealTimePlayer::~CRealTimePlayer()
{
    stop();
}

void CRealTimePlayer::start()
{
    if (!m_running.exchange(true))
        m_thread = std::thread(&CRealTimePlayer::run, this);
}

void CRealTimePlayer::stop()
{
    m_running.store(false);
    if (m_thread.joinable())
        m_thread.join();
}

void CRealTimePlayer::run()
{
    using Clock = std::chrono::steady_clock;
    const auto blockDuration = std::chrono::duration_cast<Clock::duration>(
        std::chrono::duration<double>(static_cast<double>(m_blockSize) / m_signal.sampleRate()));
    const std::size_t length = m_signal.left().size();
    std::size_t position = 0;
    auto due = Clock::now();
    while (m_running.load(std::memory_order_relaxed)) {
        // The passage's left and right feed the first two inputs; any further input (the key) is silent.
        for (std::size_t c = 0; c < m_inputs.size(); ++c) {
            const std::vector<float>* source = c == 0 ? &m_signal.left() : (c == 1 ? &m_signal.right() : nullptr);
            for (std::size_t i = 0; i < m_inputs[c].size(); ++i)
                m_inputs[c][i] = source ? (*source)[(position + i) % length] : 0.0f;
        }
        position = (position + static_cast<std::size_t>(m_blockSize)) % length;
        m_session.process(m_inputPointers.data(), m_outputPointers.data(), m_blockSize);
        m_blocks.fetch_add(1, std::memory_order_relaxed);

        due += blockDuration;
        const auto now = Clock::now();
        if (now > due + MAX_LAG)
            due = now;
        std::this_thread::sleep_until(due);
    }
}

}}  // namespace Tenvira::Editor
