#pragma once

#include "SEffectState.hpp"
#include "SJackOptions.hpp"

#include <cstdio>
#include <string>

namespace DevHost {
class CPluginInstance;
}

namespace Tenvira { namespace Jack {

class CJackClient;
class CSignalWatch;

/**
 * tenvira-jack's top level: loads the effect through the development host as
 * a DAW does, restores the saved settings and applies the command line's,
 * runs the effect as a JACK client, shows its editor in a window of its own
 * idled from this thread, and on the way out (window closed, a signal, the
 * server gone) closes everything in order and saves the settings.
 */
class CJackApplication {
public:
    CJackApplication(std::string defaultPlugin, std::FILE* out, std::FILE* err);

    /** Runs the command line; answers the exit status (0, 1 failure, 2 usage). */
    int run(int argc, char** argv, CSignalWatch& signals);

    static constexpr const char* CLIENT_NAME = "Tenvira";
    static constexpr int IDLE_PER_SECOND = 30;

private:
    int runSession(const SJackOptions& options, CSignalWatch& signals);
    void connectPorts(CJackClient& client, const SJackOptions& options);
    void connect(CJackClient& client, const std::string& source, const std::string& destination);
    static SEffectState stateOf(DevHost::CPluginInstance& instance);
    static std::string titleOf(DevHost::CPluginInstance& instance);

    std::string m_defaultPlugin;
    std::FILE* m_out;
    std::FILE* m_err;
};

}}  // namespace Tenvira::Jack
