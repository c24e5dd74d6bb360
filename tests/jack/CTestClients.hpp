// The tests' side of a JACK graph: a player that feeds an effect's inputs and
// MIDI, a recorder that takes its outputs and counts xruns. Two clients, so
// that the server runs player, effect and recorder one after the other in
// the same cycle: what the recorder gets at frame time T is the effect's
// answer to what the player sent at T.
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
    static constexpr int PLAYER_CHANNELS = 4;  // to in_l, in_r, key_l, key_r
    static constexpr int RECORDER_CHANNELS = 2;
    static constexpr const char* PLAYER = "tenvira-test-player";
    static constexpr const char* RECORDER = "tenvira-test-recorder";
    static constexpr const char* PLAYER_PORTS[PLAYER_CHANNELS] = {"out_1", "out_2", "out_3", "out_4"};
    static constexpr const char* RECORDER_PORTS[RECORDER_CHANNELS] = {"in_1", "in_2"};

    /** Opens and activates both clients on the default server; the recorder keeps the last `seconds` of sound. */
    explicit CTestClients(double seconds = 20.0);
    ~CTestClients();
    bool isOpen() const { return m_player != nullptr && m_recorder != nullptr; }
    unsigned sampleRate() const;

    /** Connects the player to `effect`'s in_l, in_r, key_l, key_r and midi_in, its out_l and out_r to the recorder. */
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
    /** The frame time just after the sound played by play() ended (its end, if looped, when stopped). */
    jack_nframes_t playedUntil();
    /** Sends three-byte MIDI messages at the start of the next cycle; returns once they are sent. */
    void sendMidi(const std::vector<std::array<std::uint8_t, 3>>& messages);
    /** The frame time of the cycle running now, as the recorder saw it last. */
    jack_nframes_t now();
    /** Waits until the recorder has seen `frames` more frames. */
    void waitFrames(long frames);

    /** What the recorder got on channel from frame time `from`, `frames` long; waits for it (empty after
     *  30 s, or when it is no longer kept). */
    std::vector<float> recorded(int channel, jack_nframes_t from, long frames);
    /** The recording lost cycles (the server skipped frame times): nothing recorded can be trusted. */
    bool recordingHasGaps() const { return m_gap.load(); }
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
    enum ERequest { NOTHING, PLAY, STOP };
    std::atomic<int> m_request{NOTHING};      // test thread -> player thread
    std::atomic<bool> m_started{false};       // player thread -> test thread, with m_startFrame
    std::atomic<jack_nframes_t> m_startFrame{0};
    std::atomic<jack_nframes_t> m_stopFrame{0};  // the cycle that took the last STOP
    bool m_playing = false;                   // player thread only
    std::size_t m_position = 0;               // player thread only

    // MIDI: the test thread fills m_midi, then sets the count; the player thread sends and clears it.
    std::array<std::array<std::uint8_t, 3>, 32> m_midi{};
    std::atomic<int> m_midiCount{0};

    // The recording, a ring: written by the recorder thread up to m_recorded, which it publishes.
    std::vector<float> m_recording[RECORDER_CHANNELS];
    std::atomic<long> m_recorded{0};
    std::atomic<jack_nframes_t> m_firstFrame{0};
    std::atomic<jack_nframes_t> m_lastFrame{0};  // the latest cycle's frame time, recorded or not
    std::atomic<bool> m_gap{false};
    std::atomic<long> m_xruns{0};
};

}  // namespace TenviraJackTests
