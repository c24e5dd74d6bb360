#include "CLv2ControlEchoes.hpp"

#include <algorithm>

namespace Corvane { namespace Lv2 {

CLv2ControlEchoes::CLv2ControlEchoes(std::uint32_t ports) : m_writes(ports), m_idles(0) {}

void CLv2ControlEchoes::written(std::uint32_t port, float value)
{
    if (port >= m_writes.size()) {
        return;
    }
    std::deque<SWrite>& writes = m_writes[port];
    if (writes.size() == CLV2CONTROLECHOES_CAPACITY) {
        writes.pop_front();
    }
    writes.push_back(SWrite{value, m_idles});
}

bool CLv2ControlEchoes::isEcho(std::uint32_t port, float value)
{
    if (port >= m_writes.size()) {
        return false;
    }
    std::deque<SWrite>& writes = m_writes[port];
    const auto echoed =
        std::find_if(writes.begin(), writes.end(), [value](const SWrite& write) { return write.value == value; });
    if (echoed == writes.end()) {
        writes.clear();
        return false;
    }
    writes.erase(writes.begin(), echoed + 1);
    return true;
}

void CLv2ControlEchoes::idle()
{
    ++m_idles;
    for (std::deque<SWrite>& writes : m_writes) {
        while (!writes.empty() && m_idles - writes.front().idle > CLV2CONTROLECHOES_IDLES) {
            writes.pop_front();
        }
    }
}

}}  // namespace Corvane::Lv2
