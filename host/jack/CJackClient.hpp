#pragma once

#include <pthread.h>

#include <memory>
#include <string>
#include <vector>

namespace Tenvira { namespace Jack {

class CRealTimeEngine;

/**
 * tenvira-jack's client of the JACK server. Every libjack call of the
 * program is in this class's source file; JACK types stay there.
 *
 * JACK calls in on threads of its own: the process callback on the
 * real-time thread (which hands the port buffers and the block's MIDI to the
 * engine and does nothing else), the others on its notification thread,
 * where they only store what the server told (sample rate, buffer size, a
 * shutdown) for the main thread to act on, and answer latency questions.
 * Everything else is for the thread that made the client.
 */
class CJackClient {
public:
    enum EAudioPort {
        IN_LEFT,
        IN_RIGHT,
        KEY_LEFT,
        KEY_RIGHT,
        OUT_LEFT,
        OUT_RIGHT,
        AUDIO_PORTS
    };
    static constexpr const char* AUDIO_PORT_NAMES[AUDIO_PORTS] = {"in_l", "in_r", "key_l", "key_r", "out_l", "out_r"};
    static constexpr const char* MIDI_PORT_NAME = "midi_in";

    /**
     * Connects to the running server (JACK_DEFAULT_SERVER, else the default
     * one) as clientName, or as the name the server makes of it when that is
     * taken. Never starts a server: with none running it raises
     * Render::CRenderError saying what to start.
     */
    explicit CJackClient(const std::string& clientName);
    /** stop(), then the client is closed. */
    ~CJackClient();

    /** The name the server gave the client. */
    const std::string& name() const;
    /** The server's sample rate and buffer size as last told; any thread. */
    unsigned sampleRate() const;
    unsigned bufferSize() const;
    /** The server shut down or dropped the client; any thread. */
    bool serverGone() const;

    /**
     * Registers the ports, installs the callbacks, reports `latency` frames of
     * delay and activates: from then on the engine processes every block.
     * Raises Render::CRenderError when the server refuses.
     */
    void start(CRealTimeEngine& engine, int latency);
    /** Deactivates and unregisters the ports; the engine is not called again. Idempotent. */
    void stop();

    /** The delay reported on the outputs; the server recomputes the graph's latencies when it changed. */
    void setLatency(int frames);

    /** Full name of one of the client's ports, as other clients address it ("Tenvira:in_l"). */
    std::string portName(EAudioPort port) const;
    std::string midiPortName() const;
    /** The sound card's audio ports in the server's order: capture (sources) or playback (destinations). */
    std::vector<std::string> physicalPorts(bool capture) const;
    /** Connects source to destination; true when they are connected afterwards, else the reason in error. */
    bool connect(const std::string& source, const std::string& destination, std::string& error);

    /** The thread that runs the process callback, while the client is active. */
    pthread_t processThread() const;

    CJackClient(const CJackClient&) = delete;
    CJackClient& operator=(const CJackClient&) = delete;

    /** The JACK side, known to the source file only (and so to its callbacks). */
    struct SJack;

private:
    std::unique_ptr<SJack> m_jack;
};

}}  // namespace Tenvira::Jack
