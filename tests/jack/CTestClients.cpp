#include "CTestClients.hpp"

#include "CPortBuffers.hpp"

#include <jack/midiport.h>

#include <chrono>
#include <thread>

namespace TenviraJackTests {

namespace {

constexpr long WAIT_MILLISECONDS = 30000;

template <typename Condition>
bool waitUntil(Condition done, long milliseconds = WAIT_MILLISECONDS)
{
    const auto end = std::chrono::steady_clock::now() + std::chrono::milliseconds(milliseconds);
    while (!done()) {
        if (std::chrono::steady_clock::now() >= end)
            return false;
        std::this_thread::sleep_for(std::chrono::milliseconds(2));
    }
    return true;
}

jack_client_t* openClient(const char* name, const std::string& server)
{
    jack_status_t status{};
    const int options = JackNoStartServer | JackUseExactName | (server.empty() ? 0 : JackServerName);
    return jack_client_open(name, static_cast<jack_options_t>(options), &status, server.c_str());
}

}  // namespace

CTestClients::CTestClients(double seconds, const std::string& server)
{
    m_player = openClient(PLAYER, server);
    m_recorder = openClient(RECORDER, server);
    if (!isOpen())
        return;
    for (int c = 0; c < PLAYER_CHANNELS; ++c)
        m_playerPorts[c] = jack_port_register(m_player, PLAYER_PORTS[c], JACK_DEFAULT_AUDIO_TYPE, JackPortIsOutput, 0);
    m_midiPort = jack_port_register(m_player, "midi", JACK_DEFAULT_MIDI_TYPE, JackPortIsOutput, 0);
    const auto capacity = static_cast<std::size_t>(seconds * jack_get_sample_rate(m_recorder));
    for (int c = 0; c < RECORDER_CHANNELS; ++c) {
        m_recorderPorts[c] =
            jack_port_register(m_recorder, RECORDER_PORTS[c], JACK_DEFAULT_AUDIO_TYPE, JackPortIsInput, 0);
        m_recording[c].assign(capacity, 0.0f);
    }
    jack_set_process_callback(m_player, &CTestClients::playBlock, this);
    jack_set_process_callback(m_recorder, &CTestClients::recordBlock, this);
    jack_set_xrun_callback(m_recorder, &CTestClients::countXrun, this);
    jack_activate(m_player);
    jack_activate(m_recorder);
}

CTestClients::~CTestClients()
{
    for (jack_client_t* client : {m_player, m_recorder}) {
        if (client != nullptr) {
            jack_deactivate(client);
            jack_client_close(client);
        }
    }
}

unsigned CTestClients::sampleRate() const
{
    return jack_get_sample_rate(m_recorder);
}

bool CTestClients::patch(const std::string& effect)
{
    const std::string player = std::string(PLAYER) + ":";
    const std::string recorder = std::string(RECORDER) + ":";
    return connect(player + PLAYER_PORTS[0], effect + ":in_l") && connect(player + PLAYER_PORTS[1], effect + ":in_r") &&
           connect(player + PLAYER_PORTS[2], effect + ":key_l") &&
           connect(player + PLAYER_PORTS[3], effect + ":key_r") && connect(player + "midi", effect + ":midi_in") &&
           connect(effect + ":out_l", recorder + RECORDER_PORTS[0]) &&
           connect(effect + ":out_r", recorder + RECORDER_PORTS[1]) &&
           connect(player + PLAYER_PORTS[0], recorder + RECORDER_PORTS[REFERENCE]);
}

bool CTestClients::connect(const std::string& source, const std::string& destination)
{
    return jack_connect(m_recorder, source.c_str(), destination.c_str()) == 0;
}

std::vector<std::string> CTestClients::connections(const std::string& port)
{
    std::vector<std::string> names;
    jack_port_t* found = jack_port_by_name(m_recorder, port.c_str());
    const char** connected = found != nullptr ? jack_port_get_all_connections(m_recorder, found) : nullptr;
    for (const char** name = connected; name != nullptr && *name != nullptr; ++name)
        names.emplace_back(*name);
    jack_free(connected);
    return names;
}

jack_nframes_t CTestClients::play(std::vector<std::vector<float>> channels, bool loop)
{
    // Whatever plays is stopped first; once the player has taken that, it reads no sound until PLAY.
    m_request.store(STOP);
    waitUntil([&] { return m_request.load() == NOTHING; });
    channels.resize(PLAYER_CHANNELS);
    for (auto& channel : channels)
        channel.resize(channels[0].size(), 0.0f);
    m_sound = std::move(channels);
    m_loop = loop;
    m_started.store(false);
    m_request.store(PLAY);
    waitUntil([&] { return m_started.load(); });
    return m_startFrame.load();
}

CTestClients::STake CTestClients::take(std::vector<std::vector<float>> channels, long frames)
{
    const long before = xruns();
    const long length = static_cast<long>(channels.at(0).size());
    const float first = channels[0][0];
    // A late callback reads a later cycle's frame time: a few cycles either side hold the take.
    const long margin = 8 * static_cast<long>(jack_get_buffer_size(m_recorder));
    const jack_nframes_t start = play(std::move(channels)) - static_cast<jack_nframes_t>(margin);
    STake take;
    std::vector<float> window[RECORDER_CHANNELS];
    for (int c = 0; c < RECORDER_CHANNELS; ++c)
        window[c] = recorded(c, start, length + frames + 2 * margin);
    take.xruns = xruns() - before;
    const std::vector<float>& reference = window[REFERENCE];
    std::size_t onset = 0;
    while (onset < reference.size() && reference[onset] == 0.0f)
        ++onset;
    if (onset + static_cast<std::size_t>(frames) > reference.size() || reference[onset] != first)
        return take;
    for (int c = 0; c < RECORDER_CHANNELS; ++c)
        take.channels[c].assign(window[c].begin() + static_cast<long>(onset),
                                window[c].begin() + static_cast<long>(onset) + frames);
    return take;
}

void CTestClients::sendMidi(const std::vector<std::array<std::uint8_t, 3>>& messages)
{
    waitUntil([&] { return m_midiCount.load() == 0; });
    const std::size_t count = messages.size() < m_midi.size() ? messages.size() : m_midi.size();
    for (std::size_t i = 0; i < count; ++i)
        m_midi[i] = messages[i];
    m_midiCount.store(static_cast<int>(count));
    waitUntil([&] { return m_midiCount.load() == 0; });
}

jack_nframes_t CTestClients::now()
{
    return m_lastFrame.load();
}

void CTestClients::waitFrames(long frames)
{
    const jack_nframes_t start = now();
    const long milliseconds = frames * 1000 / static_cast<long>(sampleRate()) + WAIT_MILLISECONDS;
    waitUntil([&] { return static_cast<long>(now() - start) >= frames; }, milliseconds);
}

std::vector<float> CTestClients::recorded(int channel, jack_nframes_t from, long frames)
{
    const auto capacity = static_cast<long>(m_recording[0].size());
    const auto offset = [&] { return static_cast<long>(from - m_firstFrame.load()); };
    if (frames > capacity || !waitUntil([&] {
            const long recorded = m_recorded.load();
            return recorded > 0 && offset() + frames <= recorded;
        }))
        return {};
    // Frames the recorder has written over since are gone.
    if (offset() < 0 || m_recorded.load() - offset() > capacity)
        return {};
    std::vector<float> samples(static_cast<std::size_t>(frames));
    for (long i = 0; i < frames; ++i)
        samples[static_cast<std::size_t>(i)] =
            m_recording[channel][static_cast<std::size_t>((offset() + i) % capacity)];
    return samples;
}

int CTestClients::playBlock(jack_nframes_t frames, void* self)
{
    CTestClients& clients = *static_cast<CTestClients*>(self);
    const jack_nframes_t time = jack_last_frame_time(clients.m_player);
    const int request = clients.m_request.exchange(NOTHING);
    if (request == STOP) {
        clients.m_playing = false;
    } else if (request == PLAY) {
        clients.m_playing = true;
        clients.m_position = 0;
        clients.m_startFrame.store(time);
        clients.m_started.store(true);
    }
    const std::size_t length = clients.m_playing ? clients.m_sound[0].size() : 0;
    CPortBuffers buffers(frames);
    for (int c = 0; c < PLAYER_CHANNELS; ++c) {
        auto* out = buffers.of<float>(clients.m_playerPorts[c]);
        for (jack_nframes_t i = 0; i < frames; ++i) {
            std::size_t position = clients.m_position + i;
            if (length > 0 && clients.m_loop)
                position %= length;
            out[i] = position < length ? clients.m_sound[static_cast<std::size_t>(c)][position] : 0.0f;
        }
    }
    clients.m_position += frames;

    void* midi = buffers.of<void>(clients.m_midiPort);
    jack_midi_clear_buffer(midi);
    const int count = clients.m_midiCount.load();
    for (int i = 0; i < count; ++i)
        jack_midi_event_write(midi, 0, clients.m_midi[static_cast<std::size_t>(i)].data(), 3);
    if (count > 0)
        clients.m_midiCount.store(0);
    return 0;
}

int CTestClients::recordBlock(jack_nframes_t frames, void* self)
{
    CTestClients& clients = *static_cast<CTestClients*>(self);
    const jack_nframes_t time = jack_last_frame_time(clients.m_recorder);
    clients.m_lastFrame.store(time);
    const long recorded = clients.m_recorded.load();
    const auto capacity = clients.m_recording[0].size();
    if (recorded == 0)
        clients.m_firstFrame.store(time);
    CPortBuffers buffers(frames);
    for (int c = 0; c < RECORDER_CHANNELS; ++c) {
        const auto* in = buffers.of<const float>(clients.m_recorderPorts[c]);
        for (jack_nframes_t i = 0; i < frames; ++i)
            clients.m_recording[c][(static_cast<std::size_t>(recorded) + i) % capacity] = in[i];
    }
    clients.m_recorded.store(recorded + static_cast<long>(frames));
    return 0;
}

int CTestClients::countXrun(void* self)
{
    static_cast<CTestClients*>(self)->m_xruns.fetch_add(1);
    return 0;
}

}  // namespace TenviraJackTests
