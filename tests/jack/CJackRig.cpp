#include "CJackRig.hpp"

#include <cmath>
#include <cstdlib>
#include <sstream>
#include <stdexcept>

namespace TenviraJackTests {

CJackRig::CJackRig()
{
    setenv("XDG_CONFIG_HOME", path("config").c_str(), 1);
}

bool CJackRig::start(unsigned sampleRate, unsigned period, std::string& error, bool synchronous)
{
    if (!m_server.start(sampleRate, period, error, true, synchronous))
        return false;
    m_clients.reset(new CTestClients());
    if (!m_clients->isOpen())
        error = "the test clients could not join the server";
    return m_clients->isOpen();
}

Tenvira::Jack::SEffectState CJackRig::savedState(const std::string& path)
{
    std::istringstream lines(RenderTest::readText(path));
    std::string header;
    std::getline(lines, header);
    if (header != "tenvira-jack state 1")
        throw std::runtime_error("no state saved in " + path);
    Tenvira::Jack::SEffectState state;
    state.program = -1;
    state.values.assign(20, -1.0f);
    for (std::string word; lines >> word;) {
        int index = 0;
        if (word == "program")
            lines >> state.program;
        else if (word == "parameter" && lines >> index && index >= 0 && index < 20)
            lines >> state.values[static_cast<std::size_t>(index)];
        else
            throw std::runtime_error("unexpected \"" + word + "\" in " + path);
    }
    return state;
}

std::vector<float> CJackRig::sine(double frequency, double amplitude, long frames) const
{
    std::vector<float> samples(static_cast<std::size_t>(frames));
    const double rate = m_clients->sampleRate();
    for (long i = 0; i < frames; ++i)
        samples[static_cast<std::size_t>(i)] =
            static_cast<float>(amplitude * std::sin(6.283185307179586 * frequency * static_cast<double>(i) / rate));
    return samples;
}

}  // namespace TenviraJackTests
