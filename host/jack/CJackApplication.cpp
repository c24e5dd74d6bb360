#include "CJackApplication.hpp"

#include "CJackCommandLine.hpp"
#include "CJackHost.hpp"
#include "CSignalWatch.hpp"
#include "CStateFile.hpp"

#include "CDevHost.hpp"
#include "CDevHostSession.hpp"
#include "CEffectSettings.hpp"
#include "CHostEditorWindow.hpp"
#include "COptionScanner.hpp"
#include "CPluginInstance.hpp"
#include "CRenderError.hpp"

#include <algorithm>
#include <chrono>
#include <cstdlib>
#include <memory>

namespace Tenvira { namespace Jack {

using Render::CRenderError;
using Render::CUsageError;

CJackApplication::CJackApplication(std::string defaultPlugin, std::FILE* out, std::FILE* err)
    : m_defaultPlugin(std::move(defaultPlugin)),
      m_out(out),
      m_err(err)
{}

int CJackApplication::run(int argc, char** argv, CSignalWatch& signals)
{
    try {
        const SJackOptions options = CJackCommandLine::parse(Render::COptionScanner::argumentsOf(argc, argv));
        if (options.help) {
            std::fputs(CJackCommandLine::helpText(m_defaultPlugin, CStateFile::defaultPath()).c_str(), m_out);
            return 0;
        }
        return runSession(options, signals);
    } catch (const CUsageError& error) {
        std::fprintf(m_err, "tenvira-jack: %s\nTry 'tenvira-jack --help'.\n", error.what());
        return 2;
    } catch (const std::exception& error) {
        std::fprintf(m_err, "tenvira-jack: %s\n", error.what());
        return 1;
    }
}

int CJackApplication::runSession(const SJackOptions& options, CSignalWatch& signals)
{
    const char* display = std::getenv("DISPLAY");
    if (options.gui && (display == nullptr || display[0] == '\0'))
        throw CRenderError("no X display (DISPLAY is not set) for the editor; --no-gui runs without one");
    const std::string statePath = options.stateFile.empty() ? CStateFile::defaultPath() : options.stateFile;

    Render::CDevHostSession session(options.plugin.empty() ? m_defaultPlugin : options.plugin);
    DevHost::CPluginInstance& instance = session.instance();
    // Every name on the command line is resolved before anything changes.
    const Render::CEffectSettings requested(session, options.program, options.settings);

    SEffectState saved;
    std::string why;
    const CStateFile::ELoad loaded =
        CStateFile::load(statePath, session.numPrograms(), session.numParameters(), saved, why);
    if (loaded == CStateFile::ELoad::CORRUPT || loaded == CStateFile::ELoad::FOREIGN)
        std::fprintf(m_err, "tenvira-jack: ignoring the settings file \"%s\": %s\n", statePath.c_str(), why.c_str());

    std::unique_ptr<CJackHost> host(new CJackHost(session, CLIENT_NAME));
    if (loaded == CStateFile::ELoad::LOADED) {
        session.setProgram(saved.program);
        for (std::size_t index = 0; index < saved.values.size(); ++index)
            session.setParameter(static_cast<int>(index), saved.values[index]);
    }
    requested.apply(session);
    host->start();
    std::fprintf(m_out, "tenvira-jack: JACK client \"%s\", %u Hz, %u frames per block, latency %d frames\n",
                 host->client().name().c_str(), host->sampleRate(), host->blockSize(), session.latency());
    std::fflush(m_out);
    connectPorts(host->client(), options);

    std::unique_ptr<DevHost::CHostEditorWindow> window;
    std::string title;
    if (options.gui) {
        window.reset(new DevHost::CHostEditorWindow(instance));
        title = titleOf(instance);
        std::string error;
        if (!window->create("", title, &error))
            throw CRenderError(error);
        if (!window->openEditor())
            throw CRenderError("the plug-in's editor did not open");
    }

    using Clock = std::chrono::steady_clock;
    const auto period = std::chrono::microseconds(1000000 / IDLE_PER_SECOND);
    auto next = Clock::now();
    bool serverGone = false;
    bool stop = false;
    while (!stop) {
        if (window) {
            window->idle();
            const std::string now = titleOf(instance);
            if (now != title)
                window->setTitle(title = now);
        }
        // The effect already has what the editor automated; the host keeps no record of it.
        instance.host().clearCalls();
        if (!host->follow()) {
            serverGone = true;
            break;
        }
        // A late turn does not bring the next one forward.
        next = std::max(next + period, Clock::now());
        for (auto now = Clock::now(); !stop && now < next; now = Clock::now()) {
            const long wait =
                static_cast<long>(std::chrono::duration_cast<std::chrono::milliseconds>(next - now).count()) + 1;
            if (window) {
                window->waitForEvent(wait);
                window->pump();
            }
            stop = signals.wait(window ? 0 : wait) != 0 || (window && window->closeRequested());
        }
    }

    if (window) {
        window->closeEditor();
        window.reset();
    }
    host->stop();
    const SEffectState state = stateOf(instance);
    host.reset();
    session.close();

    int status = 0;
    if (serverGone) {
        std::fprintf(m_err, "tenvira-jack: the JACK server has shut down or dropped the client\n");
        status = 1;
    }
    if (loaded == CStateFile::ELoad::FOREIGN) {
        std::fprintf(m_err, "tenvira-jack: the settings are not saved: \"%s\" is left as it is\n", statePath.c_str());
        return 1;
    }
    try {
        CStateFile::save(statePath, state);
    } catch (const CRenderError& error) {
        std::fprintf(m_err, "tenvira-jack: the settings are not saved: %s\n", error.what());
        return 1;
    }
    return status;
}

void CJackApplication::connectPorts(CJackClient& client, const SJackOptions& options)
{
    SPortPair in = options.in;
    SPortPair out = options.out;
    if (options.connect) {
        // A sound card with one capture port (a microphone) feeds both main inputs.
        for (const bool capture : {true, false}) {
            SPortPair& pair = capture ? in : out;
            if (pair.isSet())
                continue;
            const std::vector<std::string> ports = client.physicalPorts(capture);
            if (ports.empty())
                std::fprintf(m_err, "tenvira-jack: the server has no %s ports to connect\n",
                             capture ? "capture" : "playback");
            else
                pair = {ports[0], ports[ports.size() > 1 ? 1 : 0]};
        }
    }
    if (in.isSet()) {
        connect(client, in.left, client.portName(CJackClient::IN_LEFT));
        connect(client, in.right, client.portName(CJackClient::IN_RIGHT));
    }
    if (options.key.isSet()) {
        connect(client, options.key.left, client.portName(CJackClient::KEY_LEFT));
        connect(client, options.key.right, client.portName(CJackClient::KEY_RIGHT));
    }
    if (out.isSet()) {
        connect(client, client.portName(CJackClient::OUT_LEFT), out.left);
        connect(client, client.portName(CJackClient::OUT_RIGHT), out.right);
    }
}

void CJackApplication::connect(CJackClient& client, const std::string& source, const std::string& destination)
{
    std::string error;
    if (!client.connect(source, destination, error))
        std::fprintf(m_err, "tenvira-jack: %s is not connected to %s: %s\n", source.c_str(), destination.c_str(),
                     error.c_str());
}

SEffectState CJackApplication::stateOf(DevHost::CPluginInstance& instance)
{
    SEffectState state;
    state.program = instance.program();
    for (int index = 0; index < instance.numParams(); ++index)
        state.values.push_back(instance.getParameter(index));
    return state;
}

std::string CJackApplication::titleOf(DevHost::CPluginInstance& instance)
{
    const std::string effect = instance.effectName().empty() ? std::string(CLIENT_NAME) : instance.effectName();
    const std::string program = instance.programName();
    return program.empty() ? effect : effect + " - " + program;
}

}}  // namespace Tenvira::Jack
