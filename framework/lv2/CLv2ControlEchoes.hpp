// What an LV2 UI wrote to its host's control inputs, until the host reports
// it back. Hosts report a control's value to the UI after the UI wrote it:
// every value in the order written, or only the latest, at once or a few
// idle calls later. Such a report is no news for the UI, which shows the
// user's value already; a report of a value never written (or settled) is.
// A write the host does not report back within CLV2CONTROLECHOES_IDLES idle
// calls is forgotten, so that a host that never reports back can still set
// any value later. The host's user-interface thread only.
#pragma once

#include <cstdint>
#include <deque>
#include <vector>

namespace Corvane { namespace Lv2 {

class CLv2ControlEchoes {
public:
    // About a second of most hosts' idle calls.
    static constexpr unsigned long CLV2CONTROLECHOES_IDLES = 30;
    // Writes remembered per port; older ones are forgotten first.
    static constexpr std::size_t CLV2CONTROLECHOES_CAPACITY = 64;

    // For ports 0 .. ports - 1.
    explicit CLv2ControlEchoes(std::uint32_t ports);

    // The UI wrote value to port.
    void written(std::uint32_t port, float value);
    // True when the host reports back a value the UI wrote: that write and those before it are settled. False
    // for news, after which the writes not reported back are forgotten: the host has moved on.
    bool isEcho(std::uint32_t port, float value);
    // One of the host's idle calls.
    void idle();

private:
    struct SWrite {
        float value;
        unsigned long idle;
    };

    std::vector<std::deque<SWrite>> m_writes;
    unsigned long m_idles;
};

}}  // namespace Corvane::Lv2
