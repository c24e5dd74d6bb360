// What every test against a real JACK server sets up: the server, the
// tests' player and recorder, and a scratch folder that is the configuration
// home of the tenvira-jack processes the test starts.
#pragma once

#include "CJackServer.hpp"
#include "CTestClients.hpp"
#include "RenderTestSupport.hpp"
#include "SEffectState.hpp"

#include <memory>
#include <string>
#include <vector>

namespace TenviraJackTests {

class CJackRig {
public:
    CJackRig();

    /** Starts the server (see CJackServer) and the test clients; false with the reason. */
    bool start(unsigned sampleRate, unsigned period, std::string& error, bool synchronous = true);

    std::string path(const std::string& name) const { return m_scratch.path(name); }
    /** Where tenvira-jack keeps its settings by default, here. */
    std::string statePath() const { return path("config/Tenvira/tenvira-jack.state"); }
    /** The settings saved at path; throws when there are none. */
    static Tenvira::Jack::SEffectState savedState(const std::string& path);
    /** A sine of the frequency and amplitude, `frames` long, at the server's rate. */
    std::vector<float> sine(double frequency, double amplitude, long frames) const;

    CJackServer& server() { return m_server; }
    CTestClients& clients() { return *m_clients; }

private:
    RenderTest::CScratchFolder m_scratch;
    CJackServer m_server;
    std::unique_ptr<CTestClients> m_clients;
};

}  // namespace TenviraJackTests
