#include "CRealTimeEngine.hpp"

#include "CPluginInstance.hpp"

#include <algorithm>
#include <chrono>
#include <cstring>
#include <thread>

namespace Tenvira { namespace Jack {

CRealTimeEngine::CRealTimeEngine(DevHost::CPluginInstance& instance) : m_instance(instance) {}

void CRealTimeEngine::process(float* const* inputs, float* const* outputs, int frames)
{
    m_inside.store(true);
    if (m_held.load()) {
        m_inside.store(false, std::memory_order_release);
        for (int c = 0; c < OUTPUTS; ++c)
            std::memset(outputs[c], 0, sizeof(float) * static_cast<std::size_t>(frames));
        return;
    }
    const int blockSize = m_blockSize.load(std::memory_order_relaxed);
    if (blockSize <= 0 || frames <= blockSize) {
        processPart(inputs, outputs, 0, frames, m_events);
    } else {
        for (int first = 0; first < frames; first += blockSize) {
            const int length = std::min(blockSize, frames - first);
            m_partEvents.takePart(m_events, first, first + length);
            processPart(inputs, outputs, first, length, m_partEvents);
        }
    }
    m_blocks.fetch_add(1, std::memory_order_relaxed);
    m_inside.store(false, std::memory_order_release);
}

void CRealTimeEngine::processPart(float* const* inputs, float* const* outputs, int first, int frames,
                                  const CVstEventBuffer& events)
{
    if (events.size() > 0)
        m_instance.dispatch(effProcessEvents, 0, 0, const_cast<VstEvents*>(events.list()));
    float* in[INPUTS];
    float* out[OUTPUTS];
    for (int c = 0; c < INPUTS; ++c)
        in[c] = inputs[c] + first;
    for (int c = 0; c < OUTPUTS; ++c)
        out[c] = outputs[c] + first;
    m_instance.process(in, out, frames);
}

void CRealTimeEngine::hold()
{
    m_held.store(true);
    while (m_inside.load())
        std::this_thread::sleep_for(std::chrono::microseconds(200));
}

void CRealTimeEngine::release()
{
    m_held.store(false);
}

}}  // namespace Tenvira::Jack
