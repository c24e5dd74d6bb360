#include "CRealTimeEngine.hpp"

#include "CPluginInstance.hpp"

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
    if (m_events.size() > 0)
        m_instance.dispatch(effProcessEvents, 0, 0, m_events.list());
    m_instance.process(inputs, outputs, frames);
    m_blocks.fetch_add(1, std::memory_order_relaxed);
    m_inside.store(false, std::memory_order_release);
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
