#include "CJackClient.hpp"

#include "CJackBufferHandOver.hpp"
#include "CRealTimeEngine.hpp"
#include "CRenderError.hpp"

#include <jack/jack.h>
#include <jack/midiport.h>

#include <atomic>
#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <mutex>

namespace Tenvira { namespace Jack {

using Render::CRenderError;

struct CJackClient::SJack {
    jack_client_t* client = nullptr;
    std::string name;
    // Registered and replaced by the owner's thread only while the client is inactive.
    jack_port_t* audio[AUDIO_PORTS] = {};
    jack_port_t* midi = nullptr;
    CRealTimeEngine* engine = nullptr;
    bool active = false;                  // owner's thread only
    std::atomic<unsigned> sampleRate{0};  // written by JACK's threads, read anywhere
    std::atomic<unsigned> bufferSize{0};  // written by JACK's threads, read anywhere
    std::atomic<bool> serverGone{false};  // written by JACK's threads, read anywhere
    std::atomic<int> latency{0};          // written by the owner's thread, read by the latency callback
    // The latency callback reads the ports on JACK's notification thread while the owner may unregister them.
    std::mutex portsMutex;
    bool portsRegistered = false;  // guarded by portsMutex
};

namespace {

void dropMessage(const char*) {}

void printError(const char* message)
{
    std::fprintf(stderr, "tenvira-jack: JACK: %s\n", message);
}

// JACK's real-time thread: the port buffers and the block's MIDI to the engine.
int processBlock(jack_nframes_t frames, void* argument)
{
    auto& jack = *static_cast<CJackClient::SJack*>(argument);
    float* buffers[CJackClient::AUDIO_PORTS];
    for (int port = 0; port < CJackClient::AUDIO_PORTS; ++port) {
        buffers[port] = static_cast<float*>(jack_port_get_buffer(jack.audio[port], frames));
        CJackBufferHandOver::take(buffers[port]);
    }
    void* midi = jack_port_get_buffer(jack.midi, frames);
    CJackBufferHandOver::take(midi);
    CVstEventBuffer& events = jack.engine->events();
    events.clear();
    const jack_nframes_t count = jack_midi_get_event_count(midi);
    for (jack_nframes_t i = 0; i < count; ++i) {
        jack_midi_event_t event;
        if (jack_midi_event_get(&event, midi, i) == 0)
            events.add(event.buffer, event.size, static_cast<int>(event.time));
    }
    jack.engine->process(buffers, buffers + CRealTimeEngine::INPUTS, static_cast<int>(frames));
    for (float* buffer : buffers)
        CJackBufferHandOver::passOn(buffer);
    CJackBufferHandOver::passOn(midi);
    return 0;
}

int takeSampleRate(jack_nframes_t rate, void* argument)
{
    static_cast<CJackClient::SJack*>(argument)->sampleRate.store(rate);
    return 0;
}

int takeBufferSize(jack_nframes_t frames, void* argument)
{
    static_cast<CJackClient::SJack*>(argument)->bufferSize.store(frames);
    return 0;
}

void noteShutdown(jack_status_t, const char*, void* argument)
{
    static_cast<CJackClient::SJack*>(argument)->serverGone.store(true);
}

// The widest range over ports, plus delay.
jack_latency_range_t delayedRange(jack_port_t* const* ports, int count, jack_latency_callback_mode_t mode,
                                  jack_nframes_t delay)
{
    jack_latency_range_t combined{0, 0};
    for (int i = 0; i < count; ++i) {
        jack_latency_range_t range{0, 0};
        jack_port_get_latency_range(ports[i], mode, &range);
        combined.min = i == 0 || range.min < combined.min ? range.min : combined.min;
        combined.max = i == 0 || range.max > combined.max ? range.max : combined.max;
    }
    combined.min += delay;
    combined.max += delay;
    return combined;
}

// Sound reaches the outputs `delay` frames after it reached the main inputs (capture latency),
// and the inputs must receive it `delay` frames before the outputs' playback latency (playback).
void reportLatency(jack_latency_callback_mode_t mode, void* argument)
{
    auto& jack = *static_cast<CJackClient::SJack*>(argument);
    std::lock_guard<std::mutex> lock(jack.portsMutex);
    if (!jack.portsRegistered)
        return;
    const jack_nframes_t delay = static_cast<jack_nframes_t>(jack.latency.load());
    if (mode == JackCaptureLatency) {
        jack_latency_range_t range = delayedRange(jack.audio, 2, mode, delay);
        jack_port_set_latency_range(jack.audio[CJackClient::OUT_LEFT], mode, &range);
        jack_port_set_latency_range(jack.audio[CJackClient::OUT_RIGHT], mode, &range);
    } else {
        jack_latency_range_t range = delayedRange(jack.audio + CJackClient::OUT_LEFT, 2, mode, delay);
        for (int port = CJackClient::IN_LEFT; port <= CJackClient::KEY_RIGHT; ++port)
            jack_port_set_latency_range(jack.audio[port], mode, &range);
        jack_port_set_latency_range(jack.midi, mode, &range);
    }
}

std::string noServerMessage()
{
    const char* server = std::getenv("JACK_DEFAULT_SERVER");
    const std::string which = server != nullptr && server[0] != '\0'
                                  ? "no JACK server named \"" + std::string(server) + "\""
                                  : "no JACK server";
    return which +
           " is running. Start one first (for example `jackd -d alsa`, or with QjackCtl), or on a "
           "PipeWire desktop start tenvira-jack through PipeWire's JACK layer: `pw-jack tenvira-jack`";
}

}  // namespace

CJackClient::CJackClient(const std::string& clientName) : m_jack(new SJack())
{
    // libjack describes a missing server at length; the one message that matters is ours.
    jack_set_error_function(dropMessage);
    jack_set_info_function(dropMessage);
    jack_status_t status{};
    m_jack->client = jack_client_open(clientName.c_str(), JackNoStartServer, &status);
    jack_set_error_function(printError);
    if (m_jack->client == nullptr) {
        if ((status & (JackServerFailed | JackServerError)) != 0)
            throw CRenderError(noServerMessage());
        char code[16];
        std::snprintf(code, sizeof(code), "0x%x", static_cast<unsigned>(status));
        throw CRenderError("the JACK server did not accept the client \"" + clientName + "\" (status " + code + ")");
    }
    m_jack->name = jack_get_client_name(m_jack->client);
    m_jack->sampleRate.store(jack_get_sample_rate(m_jack->client));
    m_jack->bufferSize.store(jack_get_buffer_size(m_jack->client));
    jack_set_sample_rate_callback(m_jack->client, takeSampleRate, m_jack.get());
    jack_set_buffer_size_callback(m_jack->client, takeBufferSize, m_jack.get());
    jack_on_info_shutdown(m_jack->client, noteShutdown, m_jack.get());
    jack_set_latency_callback(m_jack->client, reportLatency, m_jack.get());
}

CJackClient::~CJackClient()
{
    stop();
    jack_client_close(m_jack->client);
}

const std::string& CJackClient::name() const
{
    return m_jack->name;
}

unsigned CJackClient::sampleRate() const
{
    return m_jack->sampleRate.load();
}

unsigned CJackClient::bufferSize() const
{
    return m_jack->bufferSize.load();
}

bool CJackClient::serverGone() const
{
    return m_jack->serverGone.load();
}

void CJackClient::start(CRealTimeEngine& engine, int latency)
{
    if (m_jack->active)
        return;
    SJack& jack = *m_jack;
    {
        std::lock_guard<std::mutex> lock(jack.portsMutex);
        for (int port = 0; port < AUDIO_PORTS; ++port) {
            const unsigned long flags = port < OUT_LEFT ? JackPortIsInput : JackPortIsOutput;
            jack.audio[port] =
                jack_port_register(jack.client, AUDIO_PORT_NAMES[port], JACK_DEFAULT_AUDIO_TYPE, flags, 0);
        }
        jack.midi = jack_port_register(jack.client, MIDI_PORT_NAME, JACK_DEFAULT_MIDI_TYPE, JackPortIsInput, 0);
        jack.portsRegistered = true;
    }
    for (jack_port_t* port : jack.audio)
        if (port == nullptr)
            throw CRenderError("the JACK server refused to register the ports of \"" + jack.name + "\"");
    if (jack.midi == nullptr)
        throw CRenderError("the JACK server refused to register the ports of \"" + jack.name + "\"");
    jack.engine = &engine;
    jack.latency.store(latency);
    if (jack_set_process_callback(jack.client, processBlock, &jack) != 0 || jack_activate(jack.client) != 0)
        throw CRenderError("the JACK server did not activate \"" + jack.name + "\"");
    jack.active = true;
}

void CJackClient::stop()
{
    SJack& jack = *m_jack;
    if (jack.active) {
        jack_deactivate(jack.client);
        jack.active = false;
    }
    std::lock_guard<std::mutex> lock(jack.portsMutex);
    if (!jack.portsRegistered)
        return;
    for (jack_port_t*& port : jack.audio) {
        if (port != nullptr)
            jack_port_unregister(jack.client, port);
        port = nullptr;
    }
    if (jack.midi != nullptr)
        jack_port_unregister(jack.client, jack.midi);
    jack.midi = nullptr;
    jack.portsRegistered = false;
}

void CJackClient::setLatency(int frames)
{
    if (m_jack->latency.exchange(frames) != frames && m_jack->active)
        jack_recompute_total_latencies(m_jack->client);
}

std::string CJackClient::portName(EAudioPort port) const
{
    return m_jack->name + ":" + AUDIO_PORT_NAMES[port];
}

std::string CJackClient::midiPortName() const
{
    return m_jack->name + ":" + MIDI_PORT_NAME;
}

std::vector<std::string> CJackClient::physicalPorts(bool capture) const
{
    std::vector<std::string> names;
    const char** ports = jack_get_ports(m_jack->client, nullptr, JACK_DEFAULT_AUDIO_TYPE,
                                        JackPortIsPhysical | (capture ? JackPortIsOutput : JackPortIsInput));
    for (const char** port = ports; port != nullptr && *port != nullptr; ++port)
        names.emplace_back(*port);
    jack_free(ports);
    return names;
}

bool CJackClient::connect(const std::string& source, const std::string& destination, std::string& error)
{
    jack_port_t* from = jack_port_by_name(m_jack->client, source.c_str());
    jack_port_t* to = jack_port_by_name(m_jack->client, destination.c_str());
    if (from == nullptr || to == nullptr) {
        error = "there is no port \"" + (from == nullptr ? source : destination) + "\"";
        return false;
    }
    if ((jack_port_flags(from) & JackPortIsOutput) == 0 || (jack_port_flags(to) & JackPortIsInput) == 0) {
        error = "\"" + source + "\" does not send to \"" + destination + "\" (wrong direction)";
        return false;
    }
    const int result = jack_connect(m_jack->client, source.c_str(), destination.c_str());
    if (result != 0 && result != EEXIST) {
        error = "JACK refused to connect \"" + source + "\" to \"" + destination + "\" (are they of one type?)";
        return false;
    }
    return true;
}

pthread_t CJackClient::processThread() const
{
    return jack_client_thread_id(m_jack->client);
}

}}  // namespace Tenvira::Jack
