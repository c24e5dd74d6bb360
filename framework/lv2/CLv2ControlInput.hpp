// One control input port as a plug-in reads it in run(): the host's value is
// read once, and a NaN (or an unconnected port) changes nothing, so the last
// good value stays. Audio thread only.
#pragma once

#include <limits>

namespace Corvane { namespace Lv2 {

class CLv2ControlInput {
public:
    CLv2ControlInput() = default;

    void connect(const float* port) { m_port = port; }
    // True when the port holds a number other than the last one read.
    bool read();
    // The last good value read; NaN before the first.
    float getValue() const { return m_value; }

private:
    const float* m_port = nullptr;
    float m_value = std::numeric_limits<float>::quiet_NaN();
};

}}  // namespace Corvane::Lv2
