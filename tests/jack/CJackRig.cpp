#include "CJackRig.hpp"

#include "CStateFile.hpp"

#include <cmath>
#include <cstdlib>
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
    Tenvira::Jack::SEffectState state;
    std::string why;
    if (Tenvira::Jack::CStateFile::load(path, 10, 20, state, why) != Tenvira::Jack::CStateFile::ELoad::LOADED)
        throw std::runtime_error("no settings saved in " + path + ": " + why);
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
