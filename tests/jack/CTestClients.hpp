// The tests' side of a JACK graph: a player that feeds an effect's inputs and
// MIDI, a recorder that takes its outputs and counts xruns. Two clients, so
// that the server runs player, effect and recorder one after the other in
// the same cycle. Beside the effect's outputs the recorder takes the player's
// first channel itself, as a reference: what it got in one cycle is the
// effect's answer to what it got on the reference in that cycle, however late
// a callback ran or whichever frame time it read.
#pragma once

#include <jack/jack.h>

#include <array>
#include <atomic>
#include <cstdint>
#include <string>
#include <vector>

namespace TenviraJackTests {

class CTestClients {
public:
    static constexpr int PLAYER_CHANNELS = 4;    // to in_l, in_r, key_l, key_r
    static constexpr int RECORDER_CHANNELS = 3;  // the effect's out_l, out_r; the reference
    static constexpr const char* PLAYER = "tenvira-test-player";
    static constexpr const char* RECORDER = "tenvira-test-recorder";
    static constexpr const char* PLAYER_PORTS[PLAYER_CHANNELS] = {"out_1", "out_2", "out_3", "out_4"};
    static constexpr const char* RECORDER_PORTS[RECORDER_CHANNELS] = {"in_1", "in_2", "in_3"};
    static constexpr int REFERENCE = 2;

    /** What the recorder got from the first sound of a take on, channel by channel. */
    struct STake {
        std::vector<float> channels[RECORDER_CHANNELS];
        long xruns = 0;  ///< while it played: anything may have been lost then
    };

    /** Opens and activates both clients on the server (the default one when unnamed); the recorder keeps
     *  the last `seconds` of sound. */
    explicit CTestClients(double seconds = 20.0, const std::string& server = std::string());
    ~CTestClients();
    bool isOpen() const { return m_player != nullptr && m_recorder != nullptr; }
    unsigned sampleRate() const;

    /** Connects the player to `effect`'s in_l, in_r, key_l, key_r and midi_in, its out_l and out_r to the
     *  recorder, and the player's first channel to the recorder's reference. */
    bool patch(const std::string& effect);
    bool connect(const std::string& source, const std::string& destination);
    /** Source ports connected to port, by name. */
    std::vector<std::string> connections(const std::string& port);
    jack_client_t* client() const { return m_recorder; }

    /**
     * Plays the channels (up to four, each as long as the first; missing ones are silent) from the
     * start of the next cycle, once or looped, and answers that cycle's frame time. Silence otherwise.
     */
    jack_nframes_t play(std::vector<std::vector<float>> channels, bool loop = false);
    /**
     * Plays the channels once (the first one's first sample must not be 0) and answers `frames` of every
     * recorder channel from the cycle and frame at which that sample reached the reference; empty
     * channels when it did not.
     */
    STake take(std::vector<std::vector<float>> channels, long frames);
    /** Sends three-byte MIDI messages at the start of the next cycle; returns once they are sent. */
    void sendMidi(const std::vector<std::array<std::uint8_t, 3>>& messages);
    /** The frame time of the cycle running now, as the recorder saw it last. */
    jack_nframes_t now();
    /** Waits until the recorder has seen `frames` more frames. */
    void waitFrames(long frames);

    /** What the recorder got on channel from frame time `from`, `frames` long; waits for it (empty after
     *  30 s, or when it is no longer kept). */
    std::vector<float> recorded(int channel, jack_nframes_t from, long frames);
    long xruns() const { return m_xruns.load(); }

    CTestClients(const CTestClients&) = delete;
    CTestClients& operator=(const CTestClients&) = delete;

private:
    static int playBlock(jack_nframes_t frames, void* self);
    static int recordBlock(jack_nframes_t frames, void* self);
    static int countXrun(void* self);

    jack_client_t* m_player = nullptr;
    jack_client_t* m_recorder = nullptr;
    jack_port_t* m_playerPorts[PLAYER_CHANNELS] = {};
    jack_port_t* m_midiPort = nullptr;
    jack_port_t* m_recorderPorts[RECORDER_CHANNELS] = {};

    // The sound to play: written by the test thread, then handed over through m_request.
    std::vector<std::vector<float>> m_sound;
    bool m_loop = false;
    enum ERequest {
        NOTHING,
        PLAY,
        STOP
    };
    std::atomic<int> m_request{NOTHING};  // test thread -> player thread
    std::atomic<bool> m_started{false};   // player thread -> test thread, with m_startFrame
    std::atomic<jack_nframes_t> m_startFrame{0};
    bool m_playing = false;      // player thread only
    std::size_t m_position = 0;  // player thread only

    // MIDI: the test thread fills m_midi, then sets the count; the player thread sends and clears it.
    std::array<std::array<std::uint8_t, 3>, 32> m_midi{};
    std::atomic<int> m_midiCount{0};

    // The recording, a ring: written by the recorder thread up to m_recorded, which it publishes.
    std::vector<float> m_recording[RECORDER_CHANNELS];
    std::atomic<long> m_recorded{0};
    std::atomic<jack_nframes_t> m_firstFrame{0};
    std::atomic<jack_nframes_t> m_lastFrame{0};  // the latest cycle's frame time
    std::atomic<long> m_xruns{0};
};

}  // namespace TenviraJackTests
